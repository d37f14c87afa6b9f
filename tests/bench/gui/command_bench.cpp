// Every interactive command on the largest databases, as a user gives it in a shown main window: the
// command, the tree's refresh and the repaint. A command that changes the database is undone outside
// the timing, so that each iteration starts from the same state.
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

#include "app/childview.h"
#include "app/kvxtree.h"
#include "app/mainframe.h"
#include "db/channellistwork.h"
#include "panels/editbar.h"
#include "platform/clock.h"
#include "support/importfixtures.h"
#include "support/sampledatabase.h"

#include "benchwindow.h"

using namespace kvx;

namespace {

constexpr int kSelected = 1000;

// A shown main window with the large database opened through File > Open, its first network and that
// network's first transponder (which holds the first 1,000 programs) open.
class CommandWindow {
public:
    CommandWindow()
            : prompter_(PromptAnswer::Yes)
            , frame_(AppServices{prompter_, dialogs_, SystemClock::instance()})
    {
        ChannelDatabase db = bench::largeDatabaseWithFullTransponder(kSelected);
        prompter_.setOpenFile(bench::writeDatabaseFile(dir_, db, QStringLiteral("large.kvx")));
        frame_.resize(1000, 700);
        frame_.show();
        QApplication::setActiveWindow(&frame_);
        trigger(ID_FILE_OPEN);
        click(network(0));
        key(Qt::Key_Right);
        click(transponder(0));
        key(Qt::Key_Right);
    }

    CChildView& view() { return *frame_.view(); }
    CKVXTree& tree() { return *view().tree(); }
    bench::SilentPrompter& prompter() { return prompter_; }
    bench::QuietDialogs& dialogs() { return dialogs_; }
    QString sdxFile()
    {
        std::ofstream out(dir_.filePath(QStringLiteral("import.sdx")).toStdString());
        for (int k = 0; k < 40; ++k)
            out << test::sdxLine({.frequency = "0" + std::to_string(10702 + k * 13), .polarisation = "1"})
                << "\r\n";
        return dir_.filePath(QStringLiteral("import.sdx"));
    }

    QTreeWidgetItem* network(int n) { return tree().topLevelItem(n); }
    QTreeWidgetItem* transponder(int t) { return network(0)->child(t); }
    QTreeWidgetItem* program(int p) { return transponder(0)->child(p); }

    QPoint centerOf(QTreeWidgetItem* item)
    {
        tree().scrollToItem(item);
        return tree().visualItemRect(item).center();
    }
    void click(QTreeWidgetItem* item, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(tree().viewport(), Qt::LeftButton, modifiers, centerOf(item));
        settle();
    }
    // A press on one row, a move with the button held to another, the release there.
    void drag(QTreeWidgetItem* from, QTreeWidgetItem* to)
    {
        QWidget* port = tree().viewport();
        const QPoint start = centerOf(from);
        const QPoint end = centerOf(to);
        QTest::mousePress(port, Qt::LeftButton, {}, start);
        QMouseEvent move(QEvent::MouseMove, end, port->mapToGlobal(end), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(port, &move);
        QTest::mouseRelease(port, Qt::LeftButton, {}, end);
        settle();
    }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(&tree(), static_cast<Qt::Key>(key), modifiers);
        settle();
    }
    void trigger(CommandId id)
    {
        frame_.action(id)->trigger();
        settle();
    }
    void typeName(const QString& name)
    {
        auto* field = frame_.editBar()->widget()->findChild<QLineEdit*>(QStringLiteral("name"));
        field->selectAll();
        field->insert(name);
    }
    void pressOk()
    {
        QTest::mouseClick(frame_.editBar()->widget()->findChild<QPushButton*>(QStringLiteral("ok")),
                          Qt::LeftButton);
        settle();
    }
    void undo() { key(Qt::Key_Z, Qt::ControlModifier); }
    void redo() { key(Qt::Key_Y, Qt::ControlModifier); }
    QString undoText() { return frame_.action(ID_EDIT_UNDO)->text(); }
    static void settle() { QApplication::processEvents(); }

private:
    QTemporaryDir dir_;
    bench::SilentPrompter prompter_;
    bench::QuietDialogs dialogs_;
    CMainFrame frame_;
};

// One command: what readies it (untimed), the command itself, what takes it back (untimed), and the
// check, after the first run, that it did what it stands for.
struct Command {
    const char* name;
    std::function<void(CommandWindow&, int run)> prepare;
    std::function<void(CommandWindow&, int run)> act;
    std::function<void(CommandWindow&)> restore;
    std::function<bool(CommandWindow&)> done;
};

void nothing(CommandWindow&) {}
void nothingYet(CommandWindow&, int) {}
void undo(CommandWindow& w)
{
    w.undo();
}

auto steps(const char* undoText)
{
    return [undoText](CommandWindow& w) { return w.undoText() == QString::fromUtf8(undoText); };
}
auto runs(CommandId id)
{
    return [id](CommandWindow& w, int) { w.trigger(id); };
}
auto clicks(std::function<QTreeWidgetItem*(CommandWindow&)> row)
{
    return [row](CommandWindow& w, int) { w.click(row(w)); };
}
QTreeWidgetItem* firstNetwork(CommandWindow& w)
{
    return w.network(0);
}
QTreeWidgetItem* secondTransponder(CommandWindow& w)
{
    return w.transponder(1);
}
QTreeWidgetItem* secondProgram(CommandWindow& w)
{
    return w.program(1);
}
// The row's name is typed, another each run, for OK to store.
auto renames(std::function<QTreeWidgetItem*(CommandWindow&)> row)
{
    return [row](CommandWindow& w, int run) {
        w.click(row(w));
        w.typeName(run % 2 ? QStringLiteral("Renamed odd") : QStringLiteral("Renamed even"));
    };
}
// The channel list sorted by name, the other way round each run, waiting for OK.
void sortsInChannelList(CommandWindow& w, int run)
{
    auto work = std::make_shared<ChannelListWork>(w.view().database());
    work->sortByColumn(CHLIST_COLUMN_NAME);
    if (run % 2 == 1)
        work->sortByColumn(CHLIST_COLUMN_NAME);
    w.dialogs().channelList = [work](ChannelDatabase&) { return work->apply(); };
}
auto pressesOk = [](CommandWindow& w, int) { w.pressOk(); };

const std::vector<Command>& commands()
{
    static const std::vector<Command> table = {
        {"open", nothingYet, runs(ID_FILE_OPEN), nothing,
         [](CommandWindow& w) { return w.view().database().programs.size() == 20000; }},
        {"select_program", nothingYet, [](CommandWindow& w, int run) { w.click(w.program(1 + run % 2)); },
         nothing,
         [](CommandWindow& w) { return w.view().currentProg() == CKVXTree::programOf(w.program(1)); }},
        {"ok_network_page", renames(firstNetwork), pressesOk, nothing, steps("&Undo Network Changes")},
        {"ok_transponder_page", renames(secondTransponder), pressesOk, nothing,
         steps("&Undo Transponder Changes")},
        {"ok_program_page", renames(secondProgram), pressesOk, nothing, steps("&Undo Program Changes")},
        {"add_transponder", clicks(secondTransponder), runs(ID_TP_ADD), undo, steps("&Undo Add Transponder")},
        {"delete_transponder", clicks(secondTransponder), runs(ID_TP_DELETE), undo,
         steps("&Undo Delete Transponder")},
        {"add_program", clicks(secondProgram), runs(ID_PROG_ADD), undo, steps("&Undo Add Program")},
        {"delete_program", clicks(secondProgram), runs(ID_PROG_DELETE), undo, steps("&Undo Delete Program")},
        {"delete_all_in_network", clicks([](CommandWindow& w) { return w.network(1); }),
         runs(ID_TP_DELETE_ALL_IN_NET), undo, steps("&Undo Delete All Transponders in Network")},
        {"move_up", clicks(secondProgram), runs(ID_MOVE_UP), undo, steps("&Undo Move")},
        {"move_down", clicks(secondProgram), runs(ID_MOVE_DOWN), undo, steps("&Undo Move")},
        {"drag_move", nothingYet, [](CommandWindow& w, int) { w.drag(w.program(1), w.program(3)); }, undo,
         steps("&Undo Move")},
        {"sort_by_degree", nothingYet, runs(ID_SORT_BY_DEGREE), undo, steps("&Undo Sort by Degree")},
        // The fourth network's frequencies wrap around, so it is not sorted yet.
        {"sort_by_frequency", clicks([](CommandWindow& w) { return w.network(3); }),
         runs(ID_TP_SORT_BY_FREQUENCY), undo, steps("&Undo Sort by Frequency")},
        // The sort is what the user does in the dialog; OK applies it.
        {"channel_list_ok_reorder", sortsInChannelList, runs(ID_VIEW_CHLIST), nothing,
         steps("&Undo Channel List")},
        {"undo",
         [](CommandWindow& w, int run) {
             if (run == 0) {
                 w.click(w.program(1));
                 w.trigger(ID_MOVE_DOWN);
             }
         },
         [](CommandWindow& w, int) { w.undo(); }, [](CommandWindow& w) { w.redo(); },
         [](CommandWindow& w) { return w.view().canRedo(); }},
        {"redo",
         [](CommandWindow& w, int run) {
             if (run == 0) {
                 w.click(w.program(1));
                 w.trigger(ID_MOVE_DOWN);
                 w.undo();
             }
         },
         [](CommandWindow& w, int) { w.redo(); }, undo,
         [](CommandWindow& w) { return w.view().canUndo() && !w.view().canRedo(); }},
        {"import_review_apply",
         [](CommandWindow& w, int) {
             w.prompter().setOpenFile(w.sdxFile());
             w.click(w.network(2));
         },
         runs(ID_IMPORT_SATCODX), undo, steps("&Undo Import SATCODX")},
        {"delete_1000_selected",
         [](CommandWindow& w, int) {
             w.click(w.program(0));
             w.click(w.program(kSelected - 1), Qt::ShiftModifier);
         },
         [](CommandWindow& w, int) { w.key(Qt::Key_Delete); }, undo,
         [](CommandWindow& w) { return w.view().database().programs.size() == 20000 - kSelected; }},
    };
    return table;
}

void runCommand(benchmark::State& state, const Command& command)
{
    CommandWindow window;
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        command.prepare(window, run);
        state.ResumeTiming();
        command.act(window, run);
        state.PauseTiming();
        if (run == 0 && !command.done(window)) {
            state.SkipWithError("the command did not do what it stands for");
            break;
        }
        command.restore(window);
        ++run;
        state.ResumeTiming();
    }
}

const bool registered = [] {
    for (const Command& command : commands())
        benchmark::RegisterBenchmark((std::string("BM_Command/") + command.name).c_str(),
                                     [&command](benchmark::State& state) { runCommand(state, command); })
            ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
