#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "db/applychanges.h"
#include "db/databasediff.h"
#include "import/lyngsatupdate.h"
#include "import/progresssink.h"
#include "import/satcodximport.h"
#include "support/importfixtures.h"
#include "support/sampledatabase.h"

using namespace kvx;

namespace {

// About 1 MiB as an image: 6,000 transponders in three networks of 2,000, 20,000 programs.
const ChannelDatabase& largeDatabase()
{
    static const ChannelDatabase db = [] {
        test::LargeShape shape;
        shape.networks = 3;
        return test::makeLargeDatabase(shape);
    }();
    return db;
}

// A full satellite's list: 400 transponders with 25 channels each, all new to the network.
const std::string& largeSdxFile()
{
    static const std::string text = [] {
        std::string out;
        for (int t = 0; t < 400; ++t) {
            const std::string frequency = std::to_string(100000 + 10700 + t * 5).substr(1);
            for (int channel = 0; channel < 25; ++channel)
                out += test::sdxLine({.frequency = frequency, .polarisation = t % 2 ? "1" : "0"}) + "\r\n";
        }
        return out;
    }();
    return text;
}

// A satellite page of 300 transponder rows.
const std::string& largePage()
{
    static const std::string page = [] {
        std::vector<test::PageRowCells> rows;
        for (int t = 0; t < 300; ++t)
            rows.push_back(test::dvbsRow(std::to_string(10700 + t * 7) + (t % 2 ? " H" : " V")));
        return test::lyngSatPage(rows);
    }();
    return page;
}

template <class Edit>
void timeOnCopies(benchmark::State& state, Edit edit)
{
    for (auto _ : state) {
        state.PauseTiming();
        ChannelDatabase db = largeDatabase();
        state.ResumeTiming();
        edit(db);
        benchmark::ClobberMemory();
        state.PauseTiming();
        db = ChannelDatabase();
        state.ResumeTiming();
    }
}

void BM_SatcodxImport10000Lines(benchmark::State& state)
{
    timeOnCopies(state, [](ChannelDatabase& db) {
        NullProgressSink progress;
        benchmark::DoNotOptimize(importSatcodx(db, db.networks[1], largeSdxFile(), progress));
    });
}
BENCHMARK(BM_SatcodxImport10000Lines)->Unit(benchmark::kMillisecond);

void BM_LyngSatMerge300Rows(benchmark::State& state)
{
    timeOnCopies(state, [](ChannelDatabase& db) {
        benchmark::DoNotOptimize(mergeLyngSatPage(largePage(), db, db.networks[1], LyngSatOptions{}));
    });
}
BENCHMARK(BM_LyngSatMerge300Rows)->Unit(benchmark::kMillisecond);

// What the editor does before its review: plan the page's changes on the database as it is.
void BM_LyngSatReview300Rows(benchmark::State& state)
{
    const ChannelDatabase& db = largeDatabase();
    for (auto _ : state) {
        const LyngSatPlan plan = planLyngSatPage(largePage(), db, 1, LyngSatOptions{});
        benchmark::DoNotOptimize(plan.changes.size());
    }
}
BENCHMARK(BM_LyngSatReview300Rows)->Unit(benchmark::kMillisecond);

void BM_CompareLargeDatabaseWithItself(benchmark::State& state)
{
    const ChannelDatabase& db = largeDatabase();
    for (auto _ : state)
        benchmark::DoNotOptimize(compareDatabases(db, db).empty());
}
BENCHMARK(BM_CompareLargeDatabaseWithItself)->Unit(benchmark::kMillisecond);

} // namespace
