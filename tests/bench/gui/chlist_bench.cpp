// The channel list dialog on the largest databases (20,000 programs): opening and painting it, and the
// edits a user makes in it.
#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>

#include "app/childview.h"
#include "app/dialogfactory.h"
#include "app/mainframe.h"
#include "db/channellistwork.h"
#include "panels/channellistmodel.h"
#include "panels/chlistview.h"
#include "panels/dlgchlist.h"
#include "platform/clock.h"
#include "platform/nameencoding.h"
#include "support/sampledatabase.h"
#include "ui/prompter.h"

#include "benchwindow.h"

using namespace kvx;

namespace {

// Answers nothing: the benchmarks never wait for the user.
class QuietPrompter final : public Prompter {
public:
    PromptAnswer askYesNoCancel(const QString&) override { return PromptAnswer::Cancel; }
    PromptAnswer askYesNo(const QString&, PromptIcon) override { return PromptAnswer::No; }
    PromptAnswer askRetryCancel(const QString&, PromptIcon) override { return PromptAnswer::Cancel; }
    void showMessage(const QString&, PromptIcon) override {}
    std::optional<QString> chooseOpenFile(const FileDialogSpec&) override { return std::nullopt; }
    std::optional<SaveFileChoice> chooseSaveFile(const FileDialogSpec&) override { return std::nullopt; }
};

// The dialog is built, shown and painted once per iteration.
void BM_ChannelListOpenAndPaint(benchmark::State& state)
{
    ChannelDatabase db = test::makeLargeDatabase();
    const NameEncoding encoding("WINDOWS-1252");
    QuietPrompter prompter;
    for (auto _ : state) {
        CDlgChList dialog(db, encoding, prompter);
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog.model()->rowCount());
    }
    state.counters["programs"] = static_cast<double>(db.programs.size());
}
BENCHMARK(BM_ChannelListOpenAndPaint)->Unit(benchmark::kMillisecond);

// A click on the "Name" header of all TV channels, in a shown dialog (ascending and descending in turn).
void BM_ChannelListSortByName(benchmark::State& state)
{
    ChannelDatabase db = test::makeLargeDatabase();
    const NameEncoding encoding("WINDOWS-1252");
    QuietPrompter prompter;
    CDlgChList dialog(db, encoding, prompter);
    dialog.show();
    QApplication::processEvents();
    for (auto _ : state) {
        dialog.OnColumnClicked(CHLIST_COLUMN_NAME);
        QApplication::processEvents();
    }
    state.counters["rows"] = dialog.model()->rowCount();
}
BENCHMARK(BM_ChannelListSortByName)->Unit(benchmark::kMillisecond);

// Dropping the first channel on the last, then changing the tab, which writes the order back and refills.
void BM_ChannelListDragAndChangeTab(benchmark::State& state)
{
    ChannelDatabase db = test::makeLargeDatabase();
    const NameEncoding encoding("WINDOWS-1252");
    QuietPrompter prompter;
    CDlgChList dialog(db, encoding, prompter);
    dialog.show();
    QApplication::processEvents();
    int tab = 0;
    for (auto _ : state) {
        dialog.OnRowDropped(0, dialog.model()->rowCount() - 1);
        tab = 1 - tab;
        dialog.OnTabChanged(tab);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ChannelListDragAndChangeTab)->Unit(benchmark::kMillisecond);

// A search that finds nothing looks at every name.
void BM_ChannelListSearchWithoutMatch(benchmark::State& state)
{
    ChannelDatabase db = test::makeLargeDatabase();
    const NameEncoding encoding("WINDOWS-1252");
    QuietPrompter prompter;
    CDlgChList dialog(db, encoding, prompter);
    dialog.findChild<QLineEdit*>(QStringLiteral("searchText"))->setText(QStringLiteral("no such channel"));
    for (auto _ : state)
        dialog.OnSearch();
}
BENCHMARK(BM_ChannelListSearchWithoutMatch)->Unit(benchmark::kMillisecond);

// OK after the whole TV list was sorted: the program list is reordered and every favourite entry
// renumbered.
void BM_ChannelListApplyReorder(benchmark::State& state)
{
    ChannelDatabase db = test::makeLargeDatabase();
    for (auto _ : state) {
        state.PauseTiming();
        ChannelListWork work(db);
        work.sortByColumn(CHLIST_COLUMN_NAME);
        work.sortByColumn(CHLIST_COLUMN_NAME);
        state.ResumeTiming();
        benchmark::DoNotOptimize(work.apply());
    }
}
BENCHMARK(BM_ChannelListApplyReorder)->Unit(benchmark::kMillisecond);

// The command after such an OK: the tree of the open database follows the new program order.
void BM_ChannelListCommandReordersTree(benchmark::State& state)
{
    QuietPrompter prompter;
    bench::QuietDialogs dialogs;
    dialogs.channelList = bench::sortingChannelList();
    CMainFrame frame(AppServices{prompter, dialogs, SystemClock::instance()});
    CChildView& view = *frame.view();
    view.database() = test::makeLargeDatabase();
    view.tree()->Build(&view.database());
    for (auto _ : state)
        view.OnViewChannelList();
    state.counters["programs"] = static_cast<double>(view.database().programs.size());
}
BENCHMARK(BM_ChannelListCommandReordersTree)->Unit(benchmark::kMillisecond);

} // namespace
