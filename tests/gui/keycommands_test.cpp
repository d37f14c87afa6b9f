#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include "app/deletequestion.h"
#include "commandsfixture.h"
#include "panels/editbar.h"
#include "platform/nameencoding.h"
#include "widgetdriver.h"

using namespace kvx;
using namespace kvx::test;

namespace {

// Records the keys it receives.
class KeyRecorder : public QWidget {
public:
    explicit KeyRecorder(QWidget* parent)
            : QWidget(parent)
    {
        setFocusPolicy(Qt::StrongFocus);
    }
    QList<QKeyCombination> keys;

protected:
    void keyPressEvent(QKeyEvent* event) override { keys << event->keyCombination(); }
};

class KeyCommandsTest : public CommandsFixture {
protected:
    void SetUp() override
    {
        CommandsFixture::SetUp();
        QApplication::setActiveWindow(frame.get());
    }

    // A key press as the keyboard delivers it to the focused widget, shortcuts first.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::ShiftModifier)
    {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QKeyEvent down(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(target, &down);
        QKeyEvent up(QEvent::KeyRelease, key, modifiers);
        QCoreApplication::sendEvent(target, &up);
    }

    void selectOnTree(const QString& label)
    {
        select(label);
        tree().setFocus();
        ASSERT_EQ(QApplication::focusWidget(), &tree());
    }

    QTreeWidgetItem* terrestrialTransponder() { return terrestrialNetwork()->child(0); }
};

} // namespace

TEST_F(KeyCommandsTest, ShiftDeleteAsksAboutASatelliteTransponder)
{
    ChannelDatabase database = makeVariedDatabase(2, kFlags);
    database.transponders[0].frequency = 11475;
    database.transponders[0].symbolRate = 5150;
    database.transponders[0].tpFlags = 0; // vertical
    reopen(std::move(database));
    const QString question = QString::fromUtf8("Delete the transponder \"11.475  (V)  5.150\"") +
                             (findItem("TP0")->childCount() > 0 ? " and its " : "?");
    for (PromptAnswer answer : {PromptAnswer::No, PromptAnswer::Cancel}) {
        selectOnTree("TP0");
        prompter.answerQuestion(answer);
        press(Qt::Key_Delete);
        EXPECT_TRUE(prompter.shown.back().startsWith(question)) << prompter.shown.back().toStdString();
        EXPECT_EQ(prompter.icons.back(), PromptIcon::Question);
        EXPECT_NE(findItem("TP0"), nullptr);
        EXPECT_EQ(db().transponders.size(), 5u);
    }
    EXPECT_FALSE(view().modified());

    prompter.answerQuestion(PromptAnswer::Yes);
    press(Qt::Key_Delete);
    EXPECT_EQ(findItem("TP0"), nullptr);
    EXPECT_EQ(db().transponders.size(), 4u);
    EXPECT_TRUE(view().modified());
}

TEST_F(KeyCommandsTest, ShiftDeleteOnANetworkEmptiesItsSlot)
{
    selectOnTree("Hotbird");
    prompter.answerQuestion(PromptAnswer::Yes);
    press(Qt::Key_Delete);
    EXPECT_TRUE(prompter.shown.back().startsWith("Delete the network \"Hotbird\""));
    // The network stays as an empty slot, shown and selected.
    QTreeWidgetItem* emptied = tree().topLevelItem(1);
    EXPECT_EQ(emptied->text(0), "(No name)");
    EXPECT_EQ(emptied->childCount(), 0);
    EXPECT_EQ(tree().currentItem(), emptied);
    EXPECT_EQ(view().currentItem(), emptied);
    EXPECT_EQ(view().currentNet(), &db().networks[1]);
    EXPECT_EQ(text(editBar().widget(), "name"), "");
    EXPECT_EQ(db().transponders.size(), 4u);
}

TEST_F(KeyCommandsTest, ShiftDeleteLeavesTheTerrestrialNetworkAndWorksOnlyOnTheTree)
{
    tree().setCurrentItem(terrestrialNetwork());
    tree().setFocus();
    press(Qt::Key_Delete);
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_EQ(terrestrialNetwork()->childCount(), 1);

    select("TP1");
    QWidget* ok = editBar().widget()->findChild<QPushButton*>();
    ASSERT_NE(ok, nullptr);
    ok->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), ok);
    press(Qt::Key_Delete);
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_NE(findItem("TP1"), nullptr);
}

TEST_F(KeyCommandsTest, ShiftInsertInAnEditBoxReachesTheBox)
{
    select("TP1");
    QApplication::clipboard()->setText("77");
    auto* frequency = control<QLineEdit>(editBar().widget(), "frequency");
    frequency->setFocus();
    frequency->selectAll();
    press(Qt::Key_Insert);
    EXPECT_EQ(frequency->text(), "77");
    EXPECT_EQ(db().transponders.size(), 5u);
    EXPECT_EQ(findItem("Astra 1")->childCount(), 3);
}

TEST_F(KeyCommandsTest, ShiftInsertGoesOnToAFocusedControl)
{
    select("TP1");
    auto* recorder = new KeyRecorder(frame->statusBar());
    recorder->show();
    recorder->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), recorder);
    press(Qt::Key_Insert);
    EXPECT_EQ(recorder->keys, QList<QKeyCombination>{QKeyCombination(Qt::ShiftModifier, Qt::Key_Insert)});
    EXPECT_EQ(db().transponders.size(), 5u);
}

TEST_F(KeyCommandsTest, ShiftInsertOnTheTreeAddsToTheLevel)
{
    // On a network the key adds nothing.
    selectOnTree("Hotbird");
    press(Qt::Key_Insert);
    EXPECT_EQ(db().transponders.size(), 5u);
    EXPECT_FALSE(view().modified());

    selectOnTree("Prog 6");
    press(Qt::Key_Insert);
    EXPECT_EQ(childLabels(findItem("TP1")), QStringList({"Prog 1", "(No name)", "Prog 6", "Prog 11"}));

    // Last, as the new transponder has no frequency yet and so holds the selection.
    selectOnTree("TP1");
    press(Qt::Key_Insert);
    EXPECT_EQ(childLabels(findItem("Astra 1")).size(), 4);
    EXPECT_EQ(view().currentTp(), &db().transponders[1]);
    EXPECT_EQ(db().transponders[2].name, "TP1");
}

TEST_F(KeyCommandsTest, ShiftUpIsUsedUpOnATerrestrialTransponder)
{
    ChannelDatabase database = makeVariedDatabase(2, kFlags);
    database.transponders.append(TpInfo::create(TERRESTRIAL_SLOT, 506, 0));
    reopen(std::move(database));
    tree().setCurrentItem(terrestrialNetwork()->child(1));
    tree().setFocus();
    ASSERT_FALSE(frame->action(ID_MOVE_UP)->isEnabled());
    press(Qt::Key_Up);
    EXPECT_EQ(tree().currentItem(), terrestrialNetwork()->child(1));
    EXPECT_EQ(db().transponders[4].frequency, 474);
    EXPECT_FALSE(view().modified());
}

TEST_F(KeyCommandsTest, ATerrestrialProgramMovesWithShiftUpAndDown)
{
    QTreeWidgetItem* transponder = terrestrialTransponder();
    ASSERT_EQ(childLabels(transponder), QStringList({"Prog 4", "Prog 9"}));
    selectOnTree("Prog 4");
    press(Qt::Key_Down);
    EXPECT_EQ(childLabels(terrestrialTransponder()), QStringList({"Prog 9", "Prog 4"}));
    EXPECT_EQ(tree().currentItem()->text(0), "Prog 4");
    press(Qt::Key_Up);
    EXPECT_EQ(childLabels(terrestrialTransponder()), QStringList({"Prog 4", "Prog 9"}));
    EXPECT_TRUE(view().modified());
}

TEST_F(KeyCommandsTest, ShiftF10OpensNoContextMenu)
{
    selectOnTree("TP1");
    for (int key : {Qt::Key_F10, Qt::Key_F5, Qt::Key_F6, Qt::Key_F11, Qt::Key_F12})
        press(key);
    EXPECT_EQ(menusShown, 0);
    EXPECT_EQ(tree().currentItem(), findItem("TP1"));
    EXPECT_FALSE(view().modified());
    // A right click does open it.
    requestContextMenu();
    EXPECT_EQ(menusShown, 1);
}

// --- Context menus

TEST_F(KeyCommandsTest, ContextMenuFollowsThePage)
{
    select("Prog 0");
    requestContextMenu();
    EXPECT_EQ(menuShown,
              QStringList({"Add Program", "|", "Delete Program", "Delete All Program in Transponder", "|",
                           "Move Up", "Move Down", "|", "Add to &Favourite Group",
                           "&Remove from Favourite Group", "Mark &Scrambled", "&Clear Scrambled"}));
    // Nothing selected: no menu.
    trigger(ID_FILE_CLOSE);
    requestContextMenu();
    EXPECT_EQ(menusShown, 1);
}

TEST_F(KeyCommandsTest, TerrestrialContextMenuGreysImportsAndDelete)
{
    tree().setCurrentItem(terrestrialNetwork());
    chooseInContextMenu("Delete Network");
    requestContextMenu();
    EXPECT_EQ(menuShown, QStringList({"Import &SATCODX (off)", "Update from &LyngSat (off)",
                                      "Update from Scan &Table...", "Import satellites.&xml... (off)", "|",
                                      "TP Sort by &Frequency in Network", "|", "Add Transponder", "|",
                                      "Delete Network (off)", "Delete All Transponder in Network",
                                      "Delete All Program in Network"}));
    // A greyed item runs nothing.
    EXPECT_EQ(terrestrialNetwork()->childCount(), 1);
    EXPECT_FALSE(view().modified());
}

TEST_F(KeyCommandsTest, ContextMenuItemsRunTheirCommands)
{
    select("TP0");
    chooseInContextMenu("Delete Transponder");
    requestContextMenu();
    EXPECT_EQ(findItem("TP0"), nullptr);
    EXPECT_TRUE(prompter.shown.isEmpty());

    select("Astra 1");
    prompter.answerQuestion(PromptAnswer::Yes);
    chooseInContextMenu("Delete Network");
    requestContextMenu();
    EXPECT_TRUE(prompter.shown.back().startsWith("Delete the network \"Astra 1\""));
    EXPECT_EQ(db().networks[0].name, "");
    EXPECT_EQ(tree().topLevelItem(0)->childCount(), 0);
    EXPECT_EQ(tree().currentItem(), tree().topLevelItem(0));

    select("Hotbird");
    chooseInContextMenu("Add Transponder");
    requestContextMenu();
    EXPECT_EQ(findItem("Hotbird")->childCount(), 2);
    EXPECT_EQ(view().page(), PAGE_TRANSPONDER);
}

TEST_F(KeyCommandsTest, NetworkContextMenuReachesBothImports)
{
    select("Hotbird");
    prompter.cancelFileDialog();
    chooseInContextMenu("Import &SATCODX");
    requestContextMenu();
    dialogs.answerLyngSat(std::nullopt);
    chooseInContextMenu("Update from &LyngSat");
    requestContextMenu();
    EXPECT_EQ(dialogs.lyngSatDialogs.size(), 1);
    EXPECT_FALSE(view().modified());
}

TEST(DeleteQuestion, TextsOfEachLevelNameTheRecordAndWhatGoesWithIt)
{
    const NameEncoding encoding;
    NetInfo net;
    net.reset(TERRESTRIAL_SLOT);
    EXPECT_FALSE(deleteQuestion(PAGE_NETWORK, true, &net, nullptr, nullptr, {}, encoding));
    EXPECT_FALSE(deleteQuestion(PAGE_EMPTY, false, &net, nullptr, nullptr, {}, encoding));
    NetInfo unnamed;
    unnamed.reset(1);
    TpInfo tp = TpInfo::create(3, 12188, 3);
    tp.symbolRate = 27500;
    TpInfo terrestrial = TpInfo::create(TERRESTRIAL_SLOT, 474, 0);
    terrestrial.symbolRate = 1;
    // A program marked as ISO 8859-5 is named as the tree shows it.
    ProgInfo prog = ProgInfo::create(0, 1);
    prog.name = "\xC0\xE1";
    prog.nameCodePage = NAME_CODE_PAGE_ISO8859_5;
    const std::pair<std::optional<QString>, const char*> cases[] = {
        {deleteQuestion(PAGE_NETWORK, false, &unnamed, nullptr, nullptr, {}, encoding),
         "Delete the network \"(No name)\"?"},
        {deleteQuestion(PAGE_NETWORK, false, &unnamed, nullptr, nullptr, {2, 1}, encoding),
         "Delete the network \"(No name)\" with its 2 transponders and 1 program?"},
        {deleteQuestion(PAGE_TRANSPONDER, false, nullptr, &tp, nullptr, {0, 3}, encoding),
         "Delete the transponder \"12.188  (L)  27.500\" and its 3 programs?"},
        {deleteQuestion(PAGE_TRANSPONDER, true, nullptr, &terrestrial, nullptr, {}, encoding),
         "Delete the transponder \"0.474 (7 Mhz)\"?"},
        {deleteQuestion(PAGE_PROGRAM, false, nullptr, nullptr, &prog, {}, NameEncoding("WINDOWS-1252")),
         "Delete the program \"\u0420\u0441\"?"},
        {deleteAllTranspondersQuestion(unnamed, {1, 0}, encoding),
         "Delete the 1 transponder in the network \"(No name)\"?"},
        {deleteAllTranspondersQuestion(unnamed, {4, 9}, encoding),
         "Delete all 4 transponders in the network \"(No name)\" and their 9 programs?"},
        {deleteAllProgramsQuestion(unnamed, 9, encoding),
         "Delete all 9 programs in the network \"(No name)\"?"},
        {deleteAllProgramsQuestion(tp, 1),
         "Delete the 1 program in the transponder \"12.188  (L)  27.500\"?"},
    };
    for (const auto& [question, expected] : cases)
        EXPECT_EQ(question.value_or("none"), QString::fromUtf8(expected));
}
