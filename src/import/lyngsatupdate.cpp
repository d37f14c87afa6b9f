#include "import/lyngsatupdate.h"

#include <istream>
#include <sstream>
#include <string>

#include "db/applychanges.h"
#include "db/editops.h"
#include "import/cellwindow.h"
#include "import/lyngsatrow.h"
#include "import/pagerewrite.h"

namespace kvx {

LyngSatPlan planLyngSatCells(std::istream& cells, const ChannelDatabase& db, uint8_t slot,
                             const LyngSatOptions& options)
{
    if (slot >= db.networks.size())
        return {};
    LyngSatMerge merge(db, slot);
    CellWindow window;
    std::string cell;
    while (std::getline(cells, cell)) {
        window.push(cell);
        if (const auto row = parseLyngSatRow(window, options, &merge.result().excluded))
            merge.mergeRow(*row);
    }
    merge.finish(options);
    return {merge.result(), merge.takeChanges()};
}

LyngSatPlan planLyngSatPage(std::string_view page, const ChannelDatabase& db, uint8_t slot,
                            const LyngSatOptions& options)
{
    std::istringstream cells(rewritePageIntoCells(page));
    return planLyngSatCells(cells, db, slot, options);
}

LyngSatResult mergeLyngSatPage(std::string_view page, ChannelDatabase& db, NetInfo& network,
                               const LyngSatOptions& options)
{
    const uint8_t slot = slotOfNetwork(db, &network);
    if (slot == NO_SLOT)
        return {};
    const LyngSatPlan plan = planLyngSatPage(page, db, slot, options);
    applyChanges(db, plan.changes, plan.changes.defaultSelection());
    return plan.result;
}

} // namespace kvx
