#pragma once

#include <iosfwd>
#include <string_view>

#include "db/channeldatabase.h"
#include "import/lyngsatmerge.h"
#include "import/lyngsatoptions.h"

namespace kvx {

class NoticeSink;

// Reads a page rewritten into one table cell per line, recognises the cells that close a transponder
// row and merges the rows into `network` (one of the database's slots; any other changes nothing).
// Notices go to `notices` as they arise. When result().rows is 0 nothing has been removed, and the
// caller tells the user so (noTransponderFoundMessage).
LyngSatResult mergeLyngSatCells(std::istream& cells, ChannelDatabase& db, NetInfo& network,
                                const LyngSatOptions& options, NoticeSink& notices);

// Rewrites a saved page into cells and merges it.
LyngSatResult mergeLyngSatPage(std::string_view page, ChannelDatabase& db, NetInfo& network,
                               const LyngSatOptions& options, NoticeSink& notices);

} // namespace kvx
