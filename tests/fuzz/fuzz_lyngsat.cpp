// Feeds arbitrary pages to the LyngSat rewrite, parser and merge and checks that the database stays
// consistent. The first byte chooses the options.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "db/channeldatabase.h"
#include "import/lyngsatupdate.h"
#include "import/noticesink.h"
#include "support/sampledatabase.h"

namespace {

class CountingNotices final : public kvx::NoticeSink {
public:
    void notice(const std::string&) override { ++count; }
    int count = 0;
};

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
    kvx::ChannelDatabase db = sample;
    CountingNotices notices;
    const std::string_view page(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto result = kvx::mergeLyngSatPage(page, db, db.networks[0], options, notices);
    if (result.rows != result.added + result.updated || (result.rows == 0 && result.removed != 0))
        std::abort();
    if (db.transponders.size() != sample.transponders.size() + result.added - result.removed)
        std::abort();
    requireConsistent(db);
    return 0;
}
