// The printed report of the largest database: laying it out and drawing its pages into a PDF file, and
// the longest stretch between two progress steps, for which the window gets no events.
#include <algorithm>

#include <QElapsedTimer>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "app/printprogress.h"
#include "app/printreport.h"
#include "platform/nameencoding.h"
#include "support/sampledatabase.h"

using namespace kvx;

namespace {

class LongestStep final : public PrintProgress {
public:
    void begin(const QString&, int) override { sinceStep_.start(); }
    bool advance() override
    {
        longestMs = std::max(longestMs, sinceStep_.restart());
        return true;
    }
    qint64 longestMs = 0;

private:
    QElapsedTimer sinceStep_;
};

void BM_PrintReportOfLargestDatabase(benchmark::State& state)
{
    const ChannelDatabase db = test::makeLargeDatabase();
    const NameEncoding encoding("WINDOWS-1252");
    const QTemporaryDir dir;
    for (auto _ : state) {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("report.pdf")));
        PrintReport report(db, encoding);
        LongestStep progress;
        benchmark::DoNotOptimize(report.print(printer, progress));
        state.counters["longestStepMs"] = static_cast<double>(progress.longestMs);
    }
}
BENCHMARK(BM_PrintReportOfLargestDatabase)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
