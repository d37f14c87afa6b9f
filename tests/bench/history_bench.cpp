#include <benchmark/benchmark.h>

#include "db/databasesnapshot.h"
#include "support/sampledatabase.h"

using namespace kvx;

namespace {

// About 1 MiB as an image: 6,000 transponders and 20,000 programs over 64 networks.
const ChannelDatabase& largeDatabase()
{
    static const ChannelDatabase db = test::makeLargeDatabase();
    return db;
}

// What every editing step costs the undo history; the goal is well under 5 ms.
void BM_SnapshotTakeLargeDatabase(benchmark::State& state)
{
    std::size_t bytes = 0;
    for (auto _ : state) {
        const DatabaseSnapshot snapshot = DatabaseSnapshot::take(largeDatabase());
        bytes = snapshot.byteSize();
        benchmark::DoNotOptimize(snapshot.bytes().data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SnapshotTakeLargeDatabase)->Unit(benchmark::kMillisecond);

// What undo and redo cost, freeing the records they replace included.
void BM_SnapshotRestoreLargeDatabase(benchmark::State& state)
{
    const DatabaseSnapshot snapshot = DatabaseSnapshot::take(largeDatabase());
    ChannelDatabase db = largeDatabase();
    for (auto _ : state) {
        snapshot.restoreInto(db);
        benchmark::ClobberMemory();
    }
    state.counters["bytes"] = static_cast<double>(snapshot.byteSize());
}
BENCHMARK(BM_SnapshotRestoreLargeDatabase)->Unit(benchmark::kMillisecond);

} // namespace
