#pragma once

#include <iosfwd>
#include <string_view>

#include "db/changeset.h"
#include "db/channeldatabase.h"
#include "import/lyngsatmerge.h"
#include "import/lyngsatoptions.h"

namespace kvx {

// What an update would do: its counts and its changes, none of them made yet.
struct LyngSatPlan {
    LyngSatResult result;
    ChangeSet changes;
};

// Reads a page rewritten into one table cell per line, recognises the cells that close a transponder
// row and plans their merge into network `slot` (any slot the database lacks plans nothing). When
// result.rows is 0 nothing is planned, and the caller tells the user so (noTransponderFoundMessage).
LyngSatPlan planLyngSatCells(std::istream& cells, const ChannelDatabase& db, uint8_t slot,
                             const LyngSatOptions& options);

// Rewrites a saved page into cells and plans its merge.
LyngSatPlan planLyngSatPage(std::string_view page, const ChannelDatabase& db, uint8_t slot,
                            const LyngSatOptions& options);

// Plans the merge of a saved page into `network` and applies what the review offers by default (every
// change but the repeats).
LyngSatResult mergeLyngSatPage(std::string_view page, ChannelDatabase& db, NetInfo& network,
                               const LyngSatOptions& options);

} // namespace kvx
