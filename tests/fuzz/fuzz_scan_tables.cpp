// Feeds arbitrary text to the scan-table and satellites.xml readers and merges what they give into a
// network, checking that every row is one a record holds and the plan applies cleanly.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "db/applychanges.h"
#include "db/channeldatabase.h"
#include "import/dvbv5table.h"
#include "import/satellitesxml.h"
#include "import/scantables.h"
#include "support/sampledatabase.h"

namespace {

void requireSound(const std::vector<kvx::LyngSatRow>& rows)
{
    for (const kvx::LyngSatRow& row : rows)
        if (row.frequency == 0 || row.polarity > 3 || row.fec > 9 || (row.terrestrial && row.symbolRate > 3))
            std::abort();
}

void requireMergeApplies(const kvx::ChannelDatabase& sample, const std::vector<kvx::LyngSatRow>& rows,
                         uint8_t slot)
{
    kvx::ChannelDatabase db = sample;
    const kvx::LyngSatPlan plan = kvx::planTransponderRows(rows, db, slot, kvx::scanTableOptions());
    if (kvx::applyChanges(db, plan.changes, plan.changes.allSelected()) != kvx::StatusOk)
        std::abort();
    for (const kvx::ProgInfo& prog : db.programs)
        if (prog.tpIndex >= db.transponders.size())
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static const kvx::ChannelDatabase sample = kvx::test::makeVariedDatabase(2, kvx::FLAG_TP_EXTRA);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const kvx::ScanTable table = kvx::parseDvbV5Table(text);
    requireSound(table.rows);
    requireMergeApplies(sample, table.rows, 1);
    requireMergeApplies(sample, table.rows, kvx::TERRESTRIAL_SLOT);
    std::vector<kvx::SatXmlSatellite> satellites;
    kvx::parseSatellitesXml(text, satellites);
    for (const kvx::SatXmlSatellite& sat : satellites) {
        requireSound(sat.rows);
        requireMergeApplies(sample, sat.rows, 1);
    }
    return 0;
}
