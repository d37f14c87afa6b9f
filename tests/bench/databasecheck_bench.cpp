#include <benchmark/benchmark.h>

#include "db/cleanup.h"
#include "db/databasecheck.h"
#include "support/sampledatabase.h"

using namespace kvx;

namespace {

// 6,000 transponders over 64 networks, 20,000 programs, 16 favourite groups of 400 entries.
const ChannelDatabase& largeDatabase()
{
    static const ChannelDatabase db = test::makeLargeDatabase();
    return db;
}

// The large database with every transponder again, 1 MHz higher, behind the others.
ChannelDatabase withTranspondersRepeated()
{
    ChannelDatabase copy = largeDatabase();
    const std::size_t tps = copy.transponders.size();
    for (std::size_t i = 0; i < tps; ++i) {
        TpInfo tp = copy.transponders[i];
        ++tp.frequency;
        copy.transponders.append(tp);
    }
    return copy;
}

// The same after a rescan gone wrong: every transponder again 1 MHz higher, every program again on
// its transponder, every favourite entry twice; half of the records are findings.
const ChannelDatabase& repeatedDatabase()
{
    static const ChannelDatabase db = [] {
        ChannelDatabase copy = withTranspondersRepeated();
        const std::size_t progs = copy.programs.size();
        for (std::size_t i = 0; i < progs; ++i)
            copy.programs.append(ProgInfo(copy.programs[i]));
        for (FavInfo& fav : copy.favourites)
            for (CChList* list : {&fav.tvList, &fav.radioList})
                list->insert(list->end(), list->begin(), list->end());
        return copy;
    }();
    return db;
}

// A rescan gone wrong the other way: every transponder again 1 MHz higher with copies of its programs,
// every other copy with a service ID of its own (so it moves to the kept transponder), and the copies
// in the favourite groups beside the originals.
const ChannelDatabase& rescannedDatabase()
{
    static const ChannelDatabase db = [] {
        ChannelDatabase copy = withTranspondersRepeated();
        const std::size_t tps = largeDatabase().transponders.size();
        const std::size_t progs = copy.programs.size();
        for (std::size_t i = 0; i < progs; ++i) {
            ProgInfo prog = copy.programs[i];
            prog.tpIndex = static_cast<uint16_t>(prog.tpIndex + tps);
            if (i % 2 == 1)
                prog.serviceId = static_cast<uint16_t>(prog.serviceId ^ 0x8000);
            copy.programs.append(prog);
        }
        for (FavInfo& fav : copy.favourites)
            for (CChList* list : {&fav.tvList, &fav.radioList})
                for (std::size_t k = 0, n = list->size(); k < n; ++k)
                    list->push_back(static_cast<uint16_t>((*list)[k] + progs));
        return copy;
    }();
    return db;
}

void BM_CheckLargeDatabase(benchmark::State& state)
{
    for (auto _ : state) {
        DatabaseCheck check = checkDatabase(largeDatabase());
        benchmark::DoNotOptimize(check);
    }
}
BENCHMARK(BM_CheckLargeDatabase)->Unit(benchmark::kMillisecond);

void BM_CheckRepeatedLargeDatabase(benchmark::State& state)
{
    for (auto _ : state) {
        DatabaseCheck check = checkDatabase(repeatedDatabase());
        benchmark::DoNotOptimize(check);
    }
    const DatabaseCheck check = checkDatabase(repeatedDatabase());
    state.counters["duplicateTransponders"] = static_cast<double>(check.duplicateTransponders.size());
    state.counters["duplicatePrograms"] = static_cast<double>(check.duplicatePrograms.size());
}
BENCHMARK(BM_CheckRepeatedLargeDatabase)->Unit(benchmark::kMillisecond);

// Check, plan and apply on a copy of one of the databases above; the copy is not timed.
void cleanUp(benchmark::State& state, const ChannelDatabase& planted)
{
    CleanupCounts counts;
    for (auto _ : state) {
        state.PauseTiming();
        ChannelDatabase db = planted;
        state.ResumeTiming();
        const CleanupPlan plan = planCleanup(db, checkDatabase(db));
        counts = plan.countsOf(plan.allSelected());
        if (applyCleanup(db, plan, plan.allSelected()) != StatusOk)
            state.SkipWithError("the plan was refused");
        benchmark::DoNotOptimize(db);
    }
    state.counters["transpondersRemoved"] = counts.transpondersRemoved;
    state.counters["programsRemoved"] = counts.programsRemoved;
    state.counters["programsMoved"] = counts.programsMoved;
    state.counters["favouriteEntriesMerged"] = counts.favouriteEntriesMerged;
}

void BM_CleanUpRepeatedLargeDatabase(benchmark::State& state)
{
    cleanUp(state, repeatedDatabase());
}
BENCHMARK(BM_CleanUpRepeatedLargeDatabase)->Unit(benchmark::kMillisecond);

void BM_CleanUpRescannedLargeDatabase(benchmark::State& state)
{
    cleanUp(state, rescannedDatabase());
}
BENCHMARK(BM_CleanUpRescannedLargeDatabase)->Unit(benchmark::kMillisecond);

} // namespace
