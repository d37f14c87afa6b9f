#include "support/rescan.h"

#include <string>
#include <utility>

namespace kvx::test {

namespace {

// A small generator of its own, so the shuffle is the same with every standard library.
class Generator {
public:
    explicit Generator(uint32_t seed)
            : state_(seed * 2654435761u + 1)
    {}
    uint32_t below(uint32_t n)
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_ % n;
    }

private:
    uint32_t state_;
};

// Service IDs the original's programs cannot have on the same transponder: theirs with the top bit
// flipped stay below 0xF000 for the samples, new programs take 0xF000 on.
constexpr uint16_t kChangedBit = 0x8000;
constexpr uint16_t kNewServiceIds = 0xF000;

} // namespace

Rescan makeRescan(const ChannelDatabase& original, const RescanShape& shape)
{
    Rescan rescan;
    ChannelDatabase& db = rescan.db;
    db = original;

    if (shape.swapSlots && db.antennas.size() == db.networks.size()) {
        const std::size_t slots = std::min<std::size_t>(db.networks.size(), SATELLITE_SLOT_COUNT) & ~1u;
        std::vector<std::size_t> order(db.networks.size());
        for (std::size_t s = 0; s < order.size(); ++s)
            order[s] = s < slots ? s ^ 1u : s;
        db.networks.reorder(order);
        db.antennas.reorder(order);
        for (std::size_t s = 0; s < db.networks.size(); ++s)
            db.networks[s].netIndex = static_cast<uint8_t>(s);
        for (TpInfo& tp : db.transponders)
            if (tp.netIndex < slots)
                tp.netIndex ^= 1u;
    }
    for (std::size_t t = 0; t < db.transponders.size(); ++t)
        db.transponders[t].frequency = static_cast<uint16_t>(db.transponders[t].frequency + (t % 2 ? -1 : 1));

    // The programs that stay, with their new PIDs and, now and then, a new service ID.
    std::vector<std::pair<ProgInfo, int>> kept;
    int stayed = 0;
    for (std::size_t p = 0; p < original.programs.size(); ++p) {
        if (shape.goneEvery > 0 && p % static_cast<std::size_t>(shape.goneEvery) == 1) {
            ++rescan.gone;
            continue;
        }
        ProgInfo prog = original.programs[p];
        prog.pmtPid = static_cast<uint16_t>((prog.pmtPid + 7) & PID_MASK);
        prog.pcrPid = static_cast<uint16_t>((prog.pcrPid + 7) & PID_MASK);
        if (shape.serviceIdEvery > 0 && ++stayed % shape.serviceIdEvery == 0)
            prog.serviceId ^= kChangedBit;
        kept.emplace_back(std::move(prog), static_cast<int>(p));
    }
    Generator random(shape.seed);
    for (int n = 0; n < shape.newPrograms && !db.transponders.empty(); ++n) {
        ProgInfo prog = ProgInfo::create(
            static_cast<uint16_t>(random.below(static_cast<uint32_t>(db.transponders.size()))),
            static_cast<uint16_t>(kNewServiceIds + n));
        prog.name = "New service " + std::to_string(n);
        prog.attributes = n % 3 == 2 ? ATTR_RADIO : 0;
        kept.emplace_back(std::move(prog), -1);
    }
    for (std::size_t k = kept.size(); k > 1; --k)
        std::swap(kept[k - 1], kept[random.below(static_cast<uint32_t>(k))]);

    db.programs.clear();
    for (auto& [prog, origin] : kept) {
        const ProgInfo& from = origin >= 0 ? original.programs[static_cast<std::size_t>(origin)] : prog;
        rescan.serviceIdChanged.push_back(origin >= 0 && prog.serviceId != from.serviceId);
        rescan.originOf.push_back(origin);
        db.programs.append(std::move(prog));
    }
    db.favourites.setDefaults();
    return rescan;
}

} // namespace kvx::test
