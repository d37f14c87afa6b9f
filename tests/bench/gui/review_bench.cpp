// The review of a 300-row page on the largest database: plan the changes, build the rows, show and
// paint the dialog.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "app/importreview.h"
#include "import/lyngsatupdate.h"
#include "panels/dlgreview.h"
#include "platform/nameencoding.h"
#include "support/importfixtures.h"
#include "support/sampledatabase.h"

using namespace kvx;

namespace {

void BM_ReviewOf300RowPage(benchmark::State& state)
{
    const ChannelDatabase db = test::makeLargeDatabase();
    std::vector<test::PageRowCells> rows;
    for (int t = 0; t < 300; ++t)
        rows.push_back(test::dvbsRow(std::to_string(10700 + t * 7) + (t % 2 ? " H" : " V")));
    const std::string page = test::lyngSatPage(rows);
    const NameEncoding encoding("WINDOWS-1252");
    for (auto _ : state) {
        const LyngSatPlan plan = planLyngSatPage(page, db, 1, LyngSatOptions{});
        CDlgReview dialog(reviewOf(plan.changes, encoding));
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog.selection().size());
        state.counters["changes"] = static_cast<double>(plan.changes.size());
    }
}
BENCHMARK(BM_ReviewOf300RowPage)->Unit(benchmark::kMillisecond);

} // namespace
