#include <benchmark/benchmark.h>

#include "db/databasecheck.h"
#include "support/sampledatabase.h"

using namespace kvx;

namespace {

// 6,000 transponders over 64 networks, 20,000 programs, 16 favourite groups of 400 entries. The
// sample's transponders lie 7 MHz apart within a network, so many repeat one another across the
// wrapped frequency range, and the chain and favourite walks do real work.
void BM_CheckLargeDatabase(benchmark::State& state)
{
    static const ChannelDatabase db = test::makeLargeDatabase();
    for (auto _ : state) {
        DatabaseCheck check = checkDatabase(db);
        benchmark::DoNotOptimize(check);
    }
}
BENCHMARK(BM_CheckLargeDatabase)->Unit(benchmark::kMillisecond);

} // namespace
