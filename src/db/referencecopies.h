#pragma once

#include <cstdint>
#include <vector>

#include "db/channeldatabase.h"
#include "db/referencematch.h"
#include "db/referenceplan.h"

namespace kvx {

// Records in plan.copies the reference programs that matched nothing (`matched` marks the others), in
// the reference's order, each with where copying puts it: the network paired with its own, on the
// transponder paired with its own, else the nearest transponder of that network within 2 MHz of one
// H/V class, else a new transponder (one per reference transponder, in plan.newTransponders). Programs
// of a network that paired with none here, or of the any-network slot, are not copied.
void planReferenceCopies(const ChannelDatabase& db, const ChannelDatabase& reference,
                         const ReferenceMatching& matching, const std::vector<bool>& matched,
                         ReferencePlan& plan);

// Adds the plan's copies to the database the plan was made for: the new transponders at the end of
// their networks' runs, the programs at the end of the program list, in the plan's order. Returns the
// program-list position each copy took (NO_POSITION for one the full lists had no room for).
std::vector<uint16_t> addReferenceCopies(ChannelDatabase& db, const ReferencePlan& plan);

} // namespace kvx
