// Building the satellite tree of the largest databases, and opening such a file in the main window.
#include <cstdlib>

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "app/childview.h"
#include "app/dialogfactory.h"
#include "app/kvxtree.h"
#include "app/mainframe.h"
#include "platform/clock.h"
#include "platform/nameencoding.h"
#include "res/resources.h"
#include "support/sampledatabase.h"

#include "benchwindow.h"

using namespace kvx;

namespace {

using bench::SilentPrompter;

// The large database as a KVX file in the folder.
QString writeLargeFile(const QTemporaryDir& dir)
{
    ChannelDatabase db = test::makeLargeDatabase();
    return bench::writeDatabaseFile(dir, db, QStringLiteral("large.kvx"));
}

int itemCount(const ChannelDatabase& db)
{
    return static_cast<int>(db.networks.size() + db.transponders.size() + db.programs.size());
}

void BM_TreeBuildLargeDatabase(benchmark::State& state)
{
    ChannelDatabase db = test::makeLargeDatabase();
    const NameEncoding encoding("WINDOWS-1252");
    CKVXTree tree(encoding);
    for (auto _ : state) {
        tree.Build(&db);
        benchmark::DoNotOptimize(tree.topLevelItemCount());
    }
    state.counters["items"] = itemCount(db);
    state.counters["imageBytes"] = static_cast<double>(test::imageOf(db).size());
}
BENCHMARK(BM_TreeBuildLargeDatabase)->Unit(benchmark::kMillisecond);

void BM_TreeClearLargeDatabase(benchmark::State& state)
{
    ChannelDatabase db = test::makeLargeDatabase();
    const NameEncoding encoding("WINDOWS-1252");
    CKVXTree tree(encoding);
    for (auto _ : state) {
        state.PauseTiming();
        tree.Build(&db);
        state.ResumeTiming();
        tree.Clear();
    }
}
BENCHMARK(BM_TreeClearLargeDatabase)->Unit(benchmark::kMillisecond);

// A shown main window opens a 1 MiB file: read, validate, load, build the tree, paint.
void BM_OpenLargeFileInWindow(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = writeLargeFile(dir);

    SilentPrompter prompter;
    QtDialogFactory dialogs;
    CMainFrame frame(AppServices{prompter, dialogs, SystemClock::instance()});
    frame.resize(1000, 700);
    frame.show();
    QApplication::processEvents();
    for (auto _ : state) {
        if (frame.view()->OpenFile(path) != StatusOk)
            state.SkipWithError("open failed");
        QApplication::processEvents();
    }
    state.counters["items"] = itemCount(frame.view()->database());
}
BENCHMARK(BM_OpenLargeFileInWindow)->Unit(benchmark::kMillisecond);

// Moving a program rebuilds the whole tree of the large database.
void BM_MoveProgramAndRebuild(benchmark::State& state)
{
    SilentPrompter prompter;
    QtDialogFactory dialogs;
    CMainFrame frame(AppServices{prompter, dialogs, SystemClock::instance()});
    CChildView& view = *frame.view();
    view.database() = test::makeLargeDatabase();
    view.tree()->Build(&view.database());
    for (auto _ : state) {
        ProgInfo& first = view.database().programs[0];
        QTreeWidgetItem* a = CKVXTree::itemOf(first.treeItem);
        QTreeWidgetItem* b = a->parent()->child(1);
        view.MoveItem(a, b);
    }
}
BENCHMARK(BM_MoveProgramAndRebuild)->Unit(benchmark::kMillisecond);

// Undo then Redo of one step on the large database in a shown window: each restores the whole
// database and rebuilds and paints the tree, so one iteration is two steps.
void BM_UndoThenRedoLargeDatabase(benchmark::State& state)
{
    SilentPrompter prompter;
    QtDialogFactory dialogs;
    CMainFrame frame(AppServices{prompter, dialogs, SystemClock::instance()});
    frame.resize(1000, 700);
    frame.show();
    CChildView& view = *frame.view();
    QTemporaryDir dir;
    const QString path = writeLargeFile(dir);
    if (view.OpenFile(path) != StatusOk)
        state.SkipWithError("open failed");
    QTreeWidgetItem* first = CKVXTree::itemOf(view.database().programs[0].treeItem);
    view.MoveItem(first, first->parent()->child(1));
    QApplication::processEvents();
    for (auto _ : state) {
        view.OnEditUndo();
        QApplication::processEvents();
        view.OnEditRedo();
        QApplication::processEvents();
    }
    if (view.canRedo() || !view.canUndo())
        state.SkipWithError("the step was not undone and redone");
}
BENCHMARK(BM_UndoThenRedoLargeDatabase)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quellor"));
    QApplication::setApplicationName(QStringLiteral("KVXEdit bench"));
    initResources();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
