// Several program rows selected in the main window's tree of the large database, deleted with the
// Delete key and brought back with Ctrl+Z, each as a user does it.
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

#include "app/childview.h"
#include "app/dialogfactory.h"
#include "app/kvxtree.h"
#include "app/mainframe.h"
#include "platform/clock.h"
#include "support/sampledatabase.h"

#include "benchwindow.h"

using namespace kvx;

namespace {

constexpr int kSelected = 1000;

// A shown main window with that database opened from a file; it answers Yes to "Delete N programs?".
class SelectionWindow {
public:
    SelectionWindow()
            : prompter_(PromptAnswer::Yes)
            , frame_(AppServices{prompter_, dialogs_, SystemClock::instance()})
    {
        ChannelDatabase db = bench::largeDatabaseWithFullTransponder(kSelected);
        const QString path = bench::writeDatabaseFile(dir_, db, QStringLiteral("large.kvx"));
        frame_.resize(1000, 700);
        frame_.show();
        QApplication::setActiveWindow(&frame_);
        opened_ = frame_.view()->OpenFile(path) == StatusOk;
        QApplication::processEvents();
    }

    bool opened() const { return opened_; }
    CChildView& view() { return *frame_.view(); }
    CKVXTree& tree() { return *frame_.view()->tree(); }
    std::size_t programCount() { return view().database().programs.size(); }

    // A click on the first program of the full transponder, then a Shift+click on its 1,000th; each
    // row is scrolled into sight first, as a user scrolls to it.
    void selectBlock()
    {
        QTreeWidgetItem* transponder = CKVXTree::itemOf(view().database().transponders[0].treeItem);
        clickOn(transponder->child(0), Qt::NoModifier);
        clickOn(transponder->child(kSelected - 1), Qt::ShiftModifier);
        QApplication::processEvents();
    }

    void pressDelete()
    {
        QTest::keyClick(&tree(), Qt::Key_Delete);
        QApplication::processEvents();
    }

    void pressUndo()
    {
        QTest::keySequence(&tree(), QKeySequence(QStringLiteral("Ctrl+Z")));
        QApplication::processEvents();
    }

private:
    void clickOn(QTreeWidgetItem* item, Qt::KeyboardModifiers modifiers)
    {
        tree().scrollToItem(item);
        QTest::mouseClick(tree().viewport(), Qt::LeftButton, modifiers, tree().visualItemRect(item).center());
    }

    QTemporaryDir dir_;
    bench::SilentPrompter prompter_;
    QtDialogFactory dialogs_;
    CMainFrame frame_;
    bool opened_ = false;
};

void BM_SelectThousandProgramsWithShiftClick(benchmark::State& state)
{
    SelectionWindow window;
    if (!window.opened())
        state.SkipWithError("open failed");
    for (auto _ : state)
        window.selectBlock();
    if (window.tree().selectedItems().size() != kSelected)
        state.SkipWithError("the Shift+click did not select the block");
}
BENCHMARK(BM_SelectThousandProgramsWithShiftClick)->Unit(benchmark::kMillisecond);

// The Delete key on 1,000 selected programs: the question, the deletion and the tree's refresh.
void BM_DeleteThousandSelectedPrograms(benchmark::State& state)
{
    SelectionWindow window;
    if (!window.opened())
        state.SkipWithError("open failed");
    const std::size_t programs = window.programCount();
    for (auto _ : state) {
        state.PauseTiming();
        window.selectBlock();
        state.ResumeTiming();
        window.pressDelete();
        state.PauseTiming();
        if (window.programCount() != programs - kSelected)
            state.SkipWithError("Delete did not take the selected programs");
        window.pressUndo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeleteThousandSelectedPrograms)->Unit(benchmark::kMillisecond);

// Ctrl+Z after deleting 1,000 selected programs: the database comes back and the tree is rebuilt.
void BM_UndoDeletingThousandPrograms(benchmark::State& state)
{
    SelectionWindow window;
    if (!window.opened())
        state.SkipWithError("open failed");
    const std::size_t programs = window.programCount();
    for (auto _ : state) {
        state.PauseTiming();
        window.selectBlock();
        window.pressDelete();
        state.ResumeTiming();
        window.pressUndo();
        state.PauseTiming();
        if (window.programCount() != programs)
            state.SkipWithError("Ctrl+Z did not bring the programs back");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoDeletingThousandPrograms)->Unit(benchmark::kMillisecond);

} // namespace
