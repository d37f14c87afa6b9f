#include <benchmark/benchmark.h>

#include "db/editops.h"
#include "support/sampledatabase.h"

using namespace kvx;

namespace {

// About 1 MiB as an image: 6,000 transponders in three networks of 2,000, 20,000 programs, sixteen
// favourite groups of 400 entries.
const ChannelDatabase& fewNetworks()
{
    static const ChannelDatabase db = [] {
        test::LargeShape shape;
        shape.networks = 3;
        return test::makeLargeDatabase(shape);
    }();
    return db;
}

// The same size spread over all 64 satellite slots.
const ChannelDatabase& allNetworks()
{
    static const ChannelDatabase db = test::makeLargeDatabase();
    return db;
}

// Runs `edit` on a fresh copy of `source` each time; only the edit is timed.
template <class Edit>
void timeOnCopies(benchmark::State& state, const ChannelDatabase& source, Edit edit)
{
    for (auto _ : state) {
        state.PauseTiming();
        ChannelDatabase db = source;
        state.ResumeTiming();
        edit(db);
        benchmark::ClobberMemory();
        state.PauseTiming();
        db = ChannelDatabase(); // freeing the copy is not part of the edit
        state.ResumeTiming();
    }
}

void BM_DeleteTranspondersOfBiggestNetwork(benchmark::State& state)
{
    timeOnCopies(state, fewNetworks(), [](ChannelDatabase& db) { deleteTranspondersOfNetwork(db, 1); });
}
BENCHMARK(BM_DeleteTranspondersOfBiggestNetwork)->Unit(benchmark::kMillisecond);

void BM_DeleteThousandTransponders(benchmark::State& state)
{
    timeOnCopies(state, fewNetworks(), [](ChannelDatabase& db) {
        std::vector<const TpInfo*> set;
        for (std::size_t i = 0; i < 6000; i += 6)
            set.push_back(&db.transponders[i]);
        deleteTransponders(db, set);
    });
}
BENCHMARK(BM_DeleteThousandTransponders)->Unit(benchmark::kMillisecond);

void BM_EmptyNetworkSlot(benchmark::State& state)
{
    timeOnCopies(state, fewNetworks(), [](ChannelDatabase& db) { emptyNetworkSlot(db, 0); });
}
BENCHMARK(BM_EmptyNetworkSlot)->Unit(benchmark::kMillisecond);

void BM_SortTwoThousandTransponders(benchmark::State& state)
{
    timeOnCopies(state, fewNetworks(), [](ChannelDatabase& db) { sortTranspondersByFrequency(db, 1); });
}
BENCHMARK(BM_SortTwoThousandTransponders)->Unit(benchmark::kMillisecond);

void BM_SortNetworks(benchmark::State& state)
{
    timeOnCopies(state, allNetworks(), [](ChannelDatabase& db) { sortNetworksByDegree(db, 1800); });
}
BENCHMARK(BM_SortNetworks)->Unit(benchmark::kMillisecond);

void BM_MoveProgramAcrossFiveThousand(benchmark::State& state)
{
    ChannelDatabase db = fewNetworks();
    // Three programs of one transponder: two at the front, one 5,000 places behind.
    db.programs[1].tpIndex = db.programs[0].tpIndex;
    db.programs[5000].tpIndex = db.programs[0].tpIndex;
    ProgInfo& a = db.programs[0];
    ProgInfo& c = db.programs[1];
    ProgInfo& b = db.programs[5000];
    for (auto _ : state) {
        moveProgram(db, a, b); // a to 5000, c to 0; then a back to 0, which restores the order
        moveProgram(db, a, c);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * 2);
}
BENCHMARK(BM_MoveProgramAcrossFiveThousand)->Unit(benchmark::kMillisecond);

void BM_DeleteFirstProgram(benchmark::State& state)
{
    timeOnCopies(state, fewNetworks(), [](ChannelDatabase& db) { deleteProgram(db, 0); });
}
BENCHMARK(BM_DeleteFirstProgram)->Unit(benchmark::kMillisecond);

void BM_AddProgramAtFront(benchmark::State& state)
{
    timeOnCopies(state, fewNetworks(), [](ChannelDatabase& db) { addProgram(db, 0, 0); });
}
BENCHMARK(BM_AddProgramAtFront)->Unit(benchmark::kMillisecond);

void BM_AddTransponder(benchmark::State& state)
{
    timeOnCopies(state, fewNetworks(), [](ChannelDatabase& db) { addTransponder(db, 0, NO_POSITION); });
}
BENCHMARK(BM_AddTransponder)->Unit(benchmark::kMillisecond);

void BM_MoveTransponderAcrossItsNetwork(benchmark::State& state)
{
    ChannelDatabase db = fewNetworks();
    const uint16_t first = firstTransponderOfNetwork(db, 1);
    const uint16_t last = endOfNetworkTransponders(db, 1) - 1;
    TpInfo& a = db.transponders[first];
    TpInfo& b = db.transponders[last];
    for (auto _ : state) {
        moveTransponder(db, a, b);
        moveTransponder(db, b, a);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * 2);
}
BENCHMARK(BM_MoveTransponderAcrossItsNetwork)->Unit(benchmark::kMillisecond);

} // namespace
