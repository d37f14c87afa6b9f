#include "db/siblingorder.h"

#include <algorithm>
#include <numeric>

namespace kvx {

namespace {

constexpr std::size_t kNone = SIZE_MAX;

std::vector<bool> flags(std::size_t count, const std::vector<uint16_t>& chosen)
{
    std::vector<bool> flagged(count);
    for (const uint16_t position : chosen)
        if (position < count)
            flagged[position] = true;
    return flagged;
}

std::vector<uint16_t> flaggedPositions(const std::vector<bool>& flagged)
{
    std::vector<uint16_t> positions;
    for (std::size_t i = 0; i < flagged.size(); ++i)
        if (flagged[i])
            positions.push_back(static_cast<uint16_t>(i));
    return positions;
}

} // namespace

SiblingOrder stepWithinGroups(const std::vector<uint32_t>& groupOf, const std::vector<uint16_t>& chosen,
                              int step)
{
    const std::size_t count = groupOf.size();
    std::vector<bool> marked = flags(count, chosen);
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), std::size_t{0});
    // The last position seen of each group, walking in the step's opposite direction.
    const uint32_t groups = count == 0 ? 0 : *std::max_element(groupOf.begin(), groupOf.end()) + 1;
    std::vector<std::size_t> neighbour(groups, kNone);
    bool moved = false;
    const auto visit = [&](std::size_t at) {
        std::size_t& seen = neighbour[groupOf[at]];
        if (marked[at] && seen != kNone && !marked[seen]) {
            std::swap(order[at], order[seen]);
            marked[at] = false;
            marked[seen] = true;
            moved = true;
        }
        seen = at;
    };
    if (step < 0) {
        for (std::size_t i = 0; i < count; ++i)
            visit(i);
    } else {
        for (std::size_t i = count; i-- > 0;)
            visit(i);
    }
    if (!moved)
        return {};
    return {std::move(order), flaggedPositions(marked)};
}

SiblingOrder placeWithinGroup(const std::vector<uint32_t>& groupOf, const std::vector<uint16_t>& chosen,
                              uint16_t target)
{
    const std::size_t count = groupOf.size();
    const std::vector<bool> marked = flags(count, chosen);
    if (target >= count || marked[target])
        return {};
    std::vector<std::size_t> slots; // the positions the target's group holds
    std::vector<std::size_t> block;
    std::vector<std::size_t> rest;
    for (std::size_t i = 0; i < count; ++i) {
        if (groupOf[i] != groupOf[target])
            continue;
        slots.push_back(i);
        (marked[i] ? block : rest).push_back(i);
    }
    if (block.empty() || block.size() != flaggedPositions(marked).size())
        return {}; // a record of another group cannot join this one
    const auto at = std::find(rest.begin(), rest.end(), std::size_t{target});
    const bool downwards = block.front() < target;
    rest.insert(downwards ? at + 1 : at, block.begin(), block.end());
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::vector<bool> now(count);
    bool moved = false;
    for (std::size_t k = 0; k < slots.size(); ++k) {
        order[slots[k]] = rest[k];
        now[slots[k]] = marked[rest[k]];
        moved = moved || rest[k] != slots[k];
    }
    if (!moved)
        return {};
    return {std::move(order), flaggedPositions(now)};
}

} // namespace kvx
