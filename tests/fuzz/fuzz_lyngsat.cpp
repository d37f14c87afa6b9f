// Feeds arbitrary pages to the LyngSat rewrite, parser and merge and checks that the database stays
// consistent. The first byte chooses the options.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "db/applychanges.h"
#include "db/channeldatabase.h"
#include "import/lyngsatupdate.h"
#include "support/sampledatabase.h"

namespace {

void requireConsistent(const kvx::ChannelDatabase& db)
{
    for (const kvx::TpInfo& tp : db.transponders)
        if (tp.netIndex >= db.networks.size() || tp.fec() >= static_cast<int>(kvx::kFecNames.size()))
            std::abort();
    for (const kvx::ProgInfo& prog : db.programs)
        if (prog.tpIndex >= db.transponders.size())
            std::abort();
    for (const kvx::FavInfo& fav : db.favourites)
        for (const bool radio : {false, true})
            for (const uint16_t entry : fav.listFor(radio))
                if (entry >= db.programs.size())
                    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static const kvx::ChannelDatabase sample = kvx::test::makeVariedDatabase(2, kvx::FLAG_TP_EXTRA);
    if (size == 0)
        return 0;
    kvx::LyngSatOptions options;
    options.band = (data[0] & 1) ? kvx::LyngSatBand::C : kvx::LyngSatBand::Ku;
    options.includeHd = data[0] & 2;
    options.includeDvbS2 = data[0] & 4;
    options.includeFeeds = data[0] & 8;
    options.removeOutdated = data[0] & 16;
    options.sortByFrequency = data[0] & 32;
    const std::string_view page(reinterpret_cast<const char*>(data + 1), size - 1);
    const kvx::LyngSatPlan plan = kvx::planLyngSatPage(page, sample, 0, options);
    const kvx::LyngSatResult& result = plan.result;
    if ((!result.listFull &&
         result.rows != result.added + result.repeats + result.updated + result.unchanged) ||
        (result.rows == 0 && !plan.changes.empty()))
        std::abort();
    // What the review offers by default, and everything it lists.
    kvx::ChannelDatabase db = sample;
    if (kvx::applyChanges(db, plan.changes, plan.changes.defaultSelection()) != kvx::StatusOk ||
        db.transponders.size() != sample.transponders.size() + result.added - result.removed)
        std::abort();
    requireConsistent(db);
    db = sample;
    if (kvx::applyChanges(db, plan.changes, plan.changes.allSelected()) != kvx::StatusOk)
        std::abort();
    requireConsistent(db);
    return 0;
}
