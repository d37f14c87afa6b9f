// Feeds arbitrary text to the SATCODX import and checks that the database stays consistent.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "db/channeldatabase.h"
#include "import/progresssink.h"
#include "import/satcodximport.h"
#include "support/sampledatabase.h"

namespace {

void requireConsistent(const kvx::ChannelDatabase& db)
{
    for (const kvx::TpInfo& tp : db.transponders) {
        if (tp.netIndex >= db.networks.size())
            std::abort();
        const bool imported = tp.name.empty() && tp.netIndex == 1;
        if (imported && (tp.tpFlags & ~kvx::TP_POLARITY_MASK) != 0)
            std::abort();
    }
    for (const kvx::ProgInfo& prog : db.programs)
        if (prog.tpIndex >= db.transponders.size())
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static const kvx::ChannelDatabase sample = kvx::test::makeVariedDatabase(2, kvx::FLAG_TP_EXTRA);
    kvx::ChannelDatabase db = sample;
    kvx::NullProgressSink progress;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto result = kvx::importSatcodx(db, db.networks[1], text, progress);
    if (result.status != kvx::StatusOk || db.transponders.size() != sample.transponders.size() + result.added)
        std::abort();
    requireConsistent(db);
    return 0;
}
