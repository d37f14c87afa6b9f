#include "import/lyngsatupdate.h"

#include <istream>
#include <sstream>
#include <string>

#include "db/editops.h"
#include "import/cellwindow.h"
#include "import/lyngsatrow.h"
#include "import/pagerewrite.h"

namespace kvx {

LyngSatResult mergeLyngSatCells(std::istream& cells, ChannelDatabase& db, NetInfo& network,
                                const LyngSatOptions& options, NoticeSink& notices)
{
    const uint8_t slot = slotOfNetwork(db, &network);
    if (slot == NO_SLOT)
        return {};
    LyngSatMerge merge(db, slot, notices);
    CellWindow window;
    std::string cell;
    while (std::getline(cells, cell)) {
        window.push(cell);
        if (const auto row = parseLyngSatRow(window, options))
            merge.mergeRow(*row);
    }
    merge.finish(options);
    return merge.result();
}

LyngSatResult mergeLyngSatPage(std::string_view page, ChannelDatabase& db, NetInfo& network,
                               const LyngSatOptions& options, NoticeSink& notices)
{
    std::istringstream cells(rewritePageIntoCells(page));
    return mergeLyngSatCells(cells, db, network, options, notices);
}

} // namespace kvx
