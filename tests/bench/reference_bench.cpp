#include <benchmark/benchmark.h>

#include "db/referenceplan.h"
#include "export/channelexport.h"
#include "export/referencelist.h"
#include "platform/nameencoding.h"
#include "support/rescan.h"
#include "support/sampledatabase.h"

using namespace kvx;

namespace {

// The large sample (20,000 programs in 64 networks) and its rescan: 541 programs gone, five new, 367
// with another service ID (matched by name), every transponder 1 MHz off, the slots swapped in pairs.
const ChannelDatabase& largeSample()
{
    static const ChannelDatabase db = test::makeLargeDatabase();
    return db;
}

const ChannelDatabase& rescanOfLargeSample()
{
    static const ChannelDatabase db = test::makeRescan(largeSample()).db;
    return db;
}

// Rebuilding the rescan's order and favourites after the large sample: the matching, the plan and
// applying it, on a fresh copy each time (the copy is not timed).
void BM_ApplyReferenceToRescan(benchmark::State& state)
{
    const ChannelDatabase& reference = largeSample();
    for (auto _ : state) {
        state.PauseTiming();
        ChannelDatabase db = rescanOfLargeSample();
        state.ResumeTiming();
        const ReferencePlan plan = planReference(db, reference);
        applyReferencePlan(db, plan, plan.defaultSelection());
        benchmark::ClobberMemory();
        state.PauseTiming();
        db = ChannelDatabase();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ApplyReferenceToRescan)->Unit(benchmark::kMillisecond)->Iterations(40);

// The same from the large sample's CSV export: reading the CSV against the rescan, the matching (rows
// on networks named twice pair in any network), the plan and applying it with the copies.
void BM_ApplyCsvReferenceToRescan(benchmark::State& state)
{
    const NameEncoding encoding;
    const std::string csv = exportChannelList(largeSample(), encoding, ExportFormat::Csv, "");
    for (auto _ : state) {
        state.PauseTiming();
        ChannelDatabase db = rescanOfLargeSample();
        state.ResumeTiming();
        ReferenceList reference;
        readCsvReference(csv, db, encoding, reference);
        const ReferencePlan plan = planReference(db, reference.database, reference.anyNetwork);
        ReferenceSelection selection = plan.defaultSelection();
        selection.copyMissing = true;
        applyReferencePlan(db, plan, selection);
        benchmark::ClobberMemory();
        state.PauseTiming();
        db = ChannelDatabase();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ApplyCsvReferenceToRescan)->Unit(benchmark::kMillisecond)->Iterations(20);

// The review the dialog shows for a selection, computed from the plan alone.
void BM_ReviewReferencePlan(benchmark::State& state)
{
    const ChannelDatabase& db = rescanOfLargeSample();
    const ReferencePlan plan = planReference(db, largeSample());
    const ReferenceSelection selection = plan.defaultSelection();
    for (auto _ : state)
        benchmark::DoNotOptimize(reviewReferencePlan(db, plan, selection));
}
BENCHMARK(BM_ReviewReferencePlan)->Unit(benchmark::kMillisecond);

} // namespace
