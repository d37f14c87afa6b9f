#include "db/duplicatetransponders.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "db/transponderclass.h"

namespace kvx {

namespace {

// The network slot and H/V class: only transponders of one may repeat each other.
uint32_t classOf(const TpInfo& tp)
{
    return (static_cast<uint32_t>(tp.netIndex) << 1) | static_cast<uint32_t>(polarityClass(tp.polarity()));
}

bool repeats(const TpInfo& a, const TpInfo& b)
{
    return classOf(a) == classOf(b) && std::abs(a.frequency - b.frequency) <= kSameTransponderMHz;
}

// The transponders of frequency above 0 in order of network, class and frequency, linked both ways.
// Taking one unlinks it, so a keeper's links lead straight to its nearest untaken neighbours.
class FrequencyChain {
public:
    explicit FrequencyChain(const CTpList& tps)
            : rankOf_(tps.size(), -1)
    {
        std::vector<uint64_t> keys;
        keys.reserve(tps.size());
        for (std::size_t i = 0; i < tps.size(); ++i)
            if (tps[i].frequency != 0)
                keys.push_back((static_cast<uint64_t>(classOf(tps[i])) << 32) |
                               (static_cast<uint64_t>(tps[i].frequency) << 16) | i);
        std::sort(keys.begin(), keys.end());
        const int count = static_cast<int>(keys.size());
        for (int rank = 0; rank < count; ++rank) {
            const auto position = static_cast<uint16_t>(keys[static_cast<std::size_t>(rank)] & 0xFFFF);
            positions_.push_back(position);
            rankOf_[position] = rank;
            previous_.push_back(rank - 1);
            next_.push_back(rank + 1 < count ? rank + 1 : -1);
        }
        taken_.assign(keys.size(), false);
    }

    bool untaken(uint16_t position) const
    {
        const int rank = rankOf_[position];
        return rank >= 0 && !taken_[static_cast<std::size_t>(rank)];
    }
    // The nearest untaken transponder below (or above) the position, or NO_POSITION.
    uint16_t neighbour(uint16_t position, bool above) const
    {
        const auto rank = static_cast<std::size_t>(rankOf_[position]);
        const int other = above ? next_[rank] : previous_[rank];
        return other < 0 ? NO_POSITION : positions_[static_cast<std::size_t>(other)];
    }
    void take(uint16_t position)
    {
        const auto rank = static_cast<std::size_t>(rankOf_[position]);
        taken_[rank] = true;
        const int before = previous_[rank];
        const int after = next_[rank];
        if (before >= 0)
            next_[static_cast<std::size_t>(before)] = after;
        if (after >= 0)
            previous_[static_cast<std::size_t>(after)] = before;
    }

private:
    std::vector<int> rankOf_; // -1 for frequency 0
    std::vector<uint16_t> positions_;
    std::vector<int> previous_;
    std::vector<int> next_;
    std::vector<bool> taken_;
};

// Positions by number of programs, most first; of equal counts the first in the list.
std::vector<uint16_t> keepingOrder(const std::vector<int>& programCounts)
{
    std::vector<uint64_t> keys;
    keys.reserve(programCounts.size());
    for (std::size_t i = 0; i < programCounts.size(); ++i)
        keys.push_back((static_cast<uint64_t>(0xFFFF - std::min(programCounts[i], 0xFFFF)) << 16) | i);
    std::sort(keys.begin(), keys.end());
    std::vector<uint16_t> order;
    order.reserve(keys.size());
    for (const uint64_t key : keys)
        order.push_back(static_cast<uint16_t>(key & 0xFFFF));
    return order;
}

} // namespace

std::vector<CheckFinding> findDuplicateTransponders(const ChannelDatabase& db,
                                                    const std::vector<int>& programCounts)
{
    const CTpList& tps = db.transponders;
    FrequencyChain chain(tps);
    std::vector<CheckFinding> found;
    for (const uint16_t kept : keepingOrder(programCounts)) {
        if (!chain.untaken(kept))
            continue;
        for (const bool above : {false, true})
            for (uint16_t other = chain.neighbour(kept, above);
                 other != NO_POSITION && repeats(tps[kept], tps[other]);
                 other = chain.neighbour(kept, above)) {
                found.push_back({CheckKind::DuplicateTransponder, {other}, {kept}});
                chain.take(other);
            }
        chain.take(kept);
    }
    std::sort(found.begin(), found.end(), [](const CheckFinding& a, const CheckFinding& b) {
        return a.removed.position < b.removed.position;
    });
    return found;
}

} // namespace kvx
