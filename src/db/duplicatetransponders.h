#pragma once

#include <vector>

#include "db/channeldatabase.h"
#include "db/databasecheck.h"

namespace kvx {

// The transponders that repeat another of their network by the update's rule (transponderclass.h),
// in transponder order. `programCounts` holds the programs of each transponder.
//
// Transponders are taken in order of keeping: most programs first, of equal counts the first in the
// list. Each one not yet taken is kept and takes every untaken transponder of its network and class
// within 2 MHz of it as its duplicate. So a removed transponder always lies within 2 MHz of the one it
// is said to repeat: of 11300, 11302 and 11304 (equal counts) 11300 keeps 11302, and 11304, 4 MHz
// from 11300, stays; with the most programs on 11302, it keeps both others. Transponders of
// frequency 0 are no transponder's duplicate (they are reported as zero ones).
std::vector<CheckFinding> findDuplicateTransponders(const ChannelDatabase& db,
                                                    const std::vector<int>& programCounts);

} // namespace kvx
