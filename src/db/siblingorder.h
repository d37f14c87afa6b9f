#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kvx {

// Reorders records that belong to groups, as the programs of a transponder or the transponders of a
// network: a group's records keep the positions the group holds in the list and only change places
// among them, so every record of another group keeps its position (and a channel its number).
struct SiblingOrder {
    std::vector<std::size_t> order; // order[k]: the old position of the record now at k; empty: no change
    std::vector<uint16_t> now;      // the chosen records' new positions, ascending
};

// Each chosen record steps one place up (step < 0) or down among its group's records, past an
// unchosen one, so a block keeps its order and a record at its group's edge stays.
SiblingOrder stepWithinGroups(const std::vector<uint32_t>& groupOf, const std::vector<uint16_t>& chosen,
                              int step);
// The chosen records, all of the target's group and in their present order, take the target's place: in
// front of it when they come from below it, behind it when they come from above it.
SiblingOrder placeWithinGroup(const std::vector<uint32_t>& groupOf, const std::vector<uint16_t>& chosen,
                              uint16_t target);

} // namespace kvx
