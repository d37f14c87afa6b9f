#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "app/commandrules.h"
#include "framefixture.h"
#include "panels/editapplier.h"
#include "panels/editbar.h"
#include "support/sampledatabase.h"

using namespace kvx;
using namespace kvx::test;

namespace {

constexpr uint32_t kComboFlags = FLAG_PROG_CA | FLAG_TP_EXTRA | FLAG_PROG_EXTRA;

QStringList toolBarTexts(QToolBar* bar)
{
    QStringList texts;
    for (QAction* action : bar->actions())
        texts << (action->isSeparator() ? QStringLiteral("|") : action->toolTip());
    return texts;
}

QAction* encodingEntry(const CMainFrame& frame, const QString& codePage)
{
    for (QAction* entry : frame.encodingActions()->actions())
        if (entry->text() == codePage)
            return entry;
    ADD_FAILURE() << "no encoding " << codePage.toStdString();
    return nullptr;
}

} // namespace

using MainFrameTest = FrameFixture;

TEST_F(MainFrameTest, StartsEmptyWithTheBareTitle)
{
    EXPECT_EQ(frame->windowTitle(), "KVXEdit");
    EXPECT_EQ(tree().topLevelItemCount(), 0);
    EXPECT_EQ(view().page(), PAGE_EMPTY);
    EXPECT_FALSE(view().modified());
    EXPECT_EQ(view().currentItem(), nullptr);

    EXPECT_EQ(editBar().objectName(), "EditBar");
    EXPECT_EQ(frame->dockWidgetArea(&editBar()), Qt::RightDockWidgetArea);
    EXPECT_EQ(editBar().allowedAreas(), Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    auto* empty = qobject_cast<QLabel*>(editBar().widget());
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->text(), "Empty");
    EXPECT_EQ(editBar().windowTitle(), "");

    auto* ready = frame->statusBar()->findChild<QLabel*>("readyPane");
    ASSERT_NE(ready, nullptr);
    EXPECT_EQ(ready->text(), "Ready");
    for (const char* pane : {"CAPPane", "NUMPane", "SCRLPane"})
        EXPECT_NE(frame->statusBar()->findChild<QLabel*>(pane), nullptr) << pane;
}

TEST_F(MainFrameTest, CommandsCarryTheirTextsKeysAndToolbarPlaces)
{
    EXPECT_EQ(frame->action(ID_FILE_NEW)->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(frame->action(ID_FILE_OPEN)->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(frame->action(ID_FILE_SAVE)->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(frame->action(ID_FILE_SAVE_AS)->text(), "Save &As...");
    EXPECT_EQ(frame->action(ID_APP_EXIT)->statusTip(), "Quit the application; prompts to save the KVX file");
    EXPECT_EQ(frame->action(ID_FILE_NEW)->statusTip(), "Creates a new KVX file");
    EXPECT_EQ(toolBarTexts(frame->toolBar()), QStringList({"New",
                                                           "Open",
                                                           "Save",
                                                           "Undo",
                                                           "Redo",
                                                           "|",
                                                           "Print",
                                                           "|",
                                                           "Add Tp(Shift + Insert)",
                                                           "Delete Tp(Shift + Delete)",
                                                           "|",
                                                           "Add Prog(Shift + Insert)",
                                                           "Delete Prog(Shift + Delete)",
                                                           "|",
                                                           "Move up(Shift + Up)",
                                                           "Move down(Shift + Down)",
                                                           "|",
                                                           "Toggle EditBar",
                                                           "Ch List",
                                                           "|",
                                                           "About"}));
    for (QAction* button : frame->toolBar()->actions())
        EXPECT_TRUE(button->isSeparator() || !button->icon().isNull()) << button->toolTip().toStdString();

    EXPECT_TRUE(frame->action(ID_VIEW_EDITBAR)->isChecked());
    trigger(ID_VIEW_EDITBAR);
    EXPECT_TRUE(editBar().isHidden());
    EXPECT_FALSE(frame->action(ID_VIEW_EDITBAR)->isChecked());
    trigger(ID_VIEW_EDITBAR);
    EXPECT_FALSE(editBar().isHidden());

    trigger(ID_APP_ABOUT);
    EXPECT_EQ(dialogs.aboutShown, 1);
}

TEST_F(MainFrameTest, NewSatelliteOnlyDatabase)
{
    dialogs.answerModel(ReceiverModel::SatelliteOnly);
    trigger(ID_FILE_NEW);
    EXPECT_EQ(tree().topLevelItemCount(), 64);
    EXPECT_EQ(frame->windowTitle(), "No Name - KVXEdit : N(64) T(0) P(0) F(16)");
    EXPECT_EQ(db().version, 1);
    EXPECT_EQ(db().layoutFlags, FLAG_PROG_CA);
    EXPECT_EQ(view().page(), PAGE_NETWORK);
    EXPECT_EQ(view().currentItem(), tree().topLevelItem(0));
    EXPECT_EQ(view().currentNet(), &db().networks[0]);
    EXPECT_EQ(view().currentAnt(), &db().antennas[0]);
    EXPECT_EQ(editBar().windowTitle(), "Network");
    EXPECT_FALSE(view().modified());
}

TEST_F(MainFrameTest, NewComboDatabaseHasTheTerrestrialNetworkInBold)
{
    dialogs.answerModel(ReceiverModel::Combo);
    trigger(ID_FILE_NEW);
    ASSERT_EQ(tree().topLevelItemCount(), 65);
    EXPECT_EQ(tree().topLevelItem(64)->text(0), "Terrestrial");
    EXPECT_TRUE(tree().topLevelItem(64)->font(0).bold());
    EXPECT_EQ(tree().topLevelItem(63)->text(0), "(No name)");
    EXPECT_EQ(frame->windowTitle(), "No Name - KVXEdit : N(65) T(0) P(0) F(16)");
    EXPECT_EQ(db().layoutFlags, 0x1Cu);

    // Selecting the terrestrial network puts the bar in terrestrial mode.
    tree().setCurrentItem(tree().topLevelItem(64));
    EXPECT_TRUE(editBar().terrestrialMode());
    EXPECT_EQ(view().currentNet(), &db().networks[64]);
}

TEST_F(MainFrameTest, CancelledModelDialogLeavesTheOpenDatabase)
{
    dialogs.answerModel(ReceiverModel::Combo);
    trigger(ID_FILE_NEW);
    dialogs.answerModel(std::nullopt);
    trigger(ID_FILE_NEW);
    EXPECT_EQ(tree().topLevelItemCount(), 65);
    EXPECT_EQ(db().networks.size(), 65u);
    EXPECT_EQ(frame->windowTitle(), "No Name - KVXEdit : N(65) T(0) P(0) F(16)");
}

TEST_F(MainFrameTest, SelectionChoosesThePageAndTheCurrentRecord)
{
    open(writeKvx("varied.kvx", makeVariedDatabase(2, kComboFlags | FLAG_TP_NAMES)));
    QTreeWidgetItem* tp = findItem("TP1");
    ASSERT_NE(tp, nullptr);
    tree().setCurrentItem(tp);
    EXPECT_EQ(view().page(), PAGE_TRANSPONDER);
    EXPECT_EQ(view().currentTp(), &db().transponders[1]);
    EXPECT_EQ(editBar().windowTitle(), "Transponder");
    EXPECT_FALSE(editBar().terrestrialMode());
    auto* frequency = editBar().widget()->findChild<QLineEdit*>("frequency");
    ASSERT_NE(frequency, nullptr);
    EXPECT_EQ(frequency->text(), "11037");
    EXPECT_EQ(editBar().widget()->findChild<QLineEdit*>("symbolRate")->text(), "27500");

    tree().setCurrentItem(tp->child(0));
    EXPECT_EQ(view().page(), PAGE_PROGRAM);
    EXPECT_EQ(view().currentProg(), CKVXTree::programOf(tp->child(0)));
    EXPECT_EQ(editBar().windowTitle(), "Program");
    ASSERT_NE(editBar().widget()->findChild<QLineEdit*>("serviceId"), nullptr);
    EXPECT_FALSE(view().currentProg()->differs(editBar().workProg(), view().nameEncoding()));

    QTreeWidgetItem* terrestrialTp = tree().topLevelItem(64)->child(0);
    tree().setCurrentItem(terrestrialTp);
    EXPECT_TRUE(editBar().terrestrialMode());
}

TEST_F(MainFrameTest, TitleRules)
{
    open(writeKvx("mylist.kvx", makeVariedDatabase(1, FLAG_PROG_CA)));
    EXPECT_EQ(frame->windowTitle(), "mylist.kvx - KVXEdit : N(64) T(4) P(12) F(16)");
    view().MarkModified("Edit");
    EXPECT_EQ(frame->windowTitle(), "mylist.kvx (Modified) - KVXEdit : N(64) T(4) P(12) F(16)");
    // The counts are those of the last recomputation.
    db().programs.removeAt(11);
    view().MarkModified("Edit");
    EXPECT_EQ(frame->windowTitle(), "mylist.kvx (Modified) - KVXEdit : N(64) T(4) P(12) F(16)");
    view().UpdateTitle();
    EXPECT_EQ(frame->windowTitle(), "mylist.kvx (Modified) - KVXEdit : N(64) T(4) P(11) F(16)");
    // A name without a separator is shown whole.
    db().fileName = "plain.kvx";
    view().UpdateTitle();
    EXPECT_EQ(frame->windowTitle(), "plain.kvx (Modified) - KVXEdit : N(64) T(4) P(11) F(16)");
    db().fileName = "C:\\lists\\dos.kvx";
    view().UpdateTitle();
    EXPECT_EQ(frame->windowTitle(), "dos.kvx (Modified) - KVXEdit : N(64) T(4) P(11) F(16)");
}

TEST_F(MainFrameTest, DatabaseWithoutNetworksKeepsTheBareTitle)
{
    ChannelDatabase empty;
    empty.version = 1;
    empty.layoutFlags = FLAG_PROG_CA;
    empty.favourites.setDefaults();
    open(writeKvx("empty.kvx", std::move(empty)));
    EXPECT_EQ(tree().topLevelItemCount(), 0);
    EXPECT_EQ(view().page(), PAGE_EMPTY);
    EXPECT_EQ(frame->windowTitle(), "KVXEdit");
}

TEST_F(MainFrameTest, CommandRulesFollowThePage)
{
    DocumentState none;
    EXPECT_FALSE(commandState(ID_TP_ADD, none).enabled);
    EXPECT_FALSE(commandState(ID_MOVE_UP, none).enabled);
    EXPECT_FALSE(commandState(ID_FILE_CLOSE, none).enabled);
    DocumentState opened;
    opened.documentOpen = true;
    EXPECT_TRUE(commandState(ID_FILE_CLOSE, opened).enabled);
    DocumentState terrestrial{PAGE_NETWORK, true};
    EXPECT_FALSE(commandState(ID_IMPORT_SATCODX, terrestrial).enabled);
    EXPECT_FALSE(commandState(ID_MOVE_DOWN, terrestrial).enabled);
    EXPECT_TRUE(commandState(ID_TP_SORT_BY_FREQUENCY, terrestrial).enabled);
    DocumentState program{PAGE_PROGRAM};
    EXPECT_TRUE(commandState(ID_PROG_DELETE, program).enabled);
    EXPECT_TRUE(commandState(ID_MOVE_UP, program).enabled);
    EXPECT_FALSE(commandState(ID_TP_SORT_BY_FREQUENCY, program).enabled);
    DocumentState listOpen{PAGE_NETWORK, false, true};
    EXPECT_TRUE(commandState(ID_VIEW_CHLIST, listOpen).checked);
}

TEST_F(MainFrameTest, NameEncodingChoiceIsKeptAndRelabelsTheTree)
{
    ChannelDatabase database = makeVariedDatabase(1, FLAG_PROG_CA);
    database.networks[0].name = "\xC0\xE1";
    open(writeKvx("enc.kvx", std::move(database)));
    QAction* cyrillic = nullptr;
    QAction* western = nullptr;
    for (QAction* entry : frame->encodingActions()->actions()) {
        if (entry->text() == "WINDOWS-1251")
            cyrillic = entry;
        if (entry->text() == "WINDOWS-1252")
            western = entry;
    }
    ASSERT_NE(cyrillic, nullptr);
    ASSERT_NE(western, nullptr);
    western->trigger();
    EXPECT_EQ(tree().topLevelItem(0)->text(0), QString::fromUtf8("Àá"));
    cyrillic->trigger();
    EXPECT_EQ(tree().topLevelItem(0)->text(0), QString::fromUtf8("Аб"));
    EXPECT_EQ(editBar().widget()->findChild<QLineEdit*>("name")->text(), QString::fromUtf8("Аб"));
    EXPECT_EQ(QSettings().value("nameEncoding").toString(), "WINDOWS-1251");

    // The next window starts with the stored choice.
    frame.reset();
    frame = std::make_unique<CMainFrame>(AppServices{prompter, dialogs, clock});
    EXPECT_EQ(frame->view()->nameEncoding().codePage(), "WINDOWS-1251");
    bool checked = false;
    for (QAction* entry : frame->encodingActions()->actions())
        checked |= entry->isChecked() && entry->text() == "WINDOWS-1251";
    EXPECT_TRUE(checked);
}

TEST_F(MainFrameTest, NameEncodingChoiceAsksAboutThePendingEditsFirst)
{
    open(writeKvx("enc.kvx", makeVariedDatabase(1, FLAG_PROG_CA)));
    frame->show();
    QAction* western = encodingEntry(*frame, "WINDOWS-1252");
    QAction* cyrillic = encodingEntry(*frame, "WINDOWS-1251");
    western->trigger();
    clickOn(tree().topLevelItem(0)->child(0)->child(0));
    const ProgInfo* prog = view().currentProg();
    const QString stored = QString::fromStdString(prog->name);
    struct Case {
        PromptAnswer answer;
        QAction* chosen;
        const char* encodingAfter;
    };
    for (const Case& c : {Case{PromptAnswer::Cancel, cyrillic, "WINDOWS-1252"},
                          Case{PromptAnswer::No, cyrillic, "WINDOWS-1251"},
                          Case{PromptAnswer::Yes, western, "WINDOWS-1252"}}) {
        auto* name = editBar().widget()->findChild<QLineEdit*>("name");
        QTest::keyClicks(name, "X");
        const QString typed = name->text();
        prompter.answerQuestion(c.answer);
        c.chosen->trigger();
        ASSERT_TRUE(prompter.scriptDone());
        EXPECT_EQ(prompter.shown.back(), EditApplier::kProgramQuestion);
        EXPECT_EQ(view().nameEncoding().codePage(), c.encodingAfter);
        EXPECT_EQ(frame->encodingActions()->checkedAction()->text(), c.encodingAfter);
        EXPECT_EQ(QSettings().value("nameEncoding").toString(), c.encodingAfter);
        const QString shown = editBar().widget()->findChild<QLineEdit*>("name")->text();
        EXPECT_EQ(shown, c.answer == PromptAnswer::No ? stored : typed);
        EXPECT_EQ(QString::fromStdString(prog->name), c.answer == PromptAnswer::Yes ? typed : stored);
    }
}

TEST_F(MainFrameTest, WindowStateIsSavedWhenTheWindowCloses)
{
    frame->show();
    editBar().hide();
    EXPECT_TRUE(frame->close());
    QSettings settings;
    EXPECT_TRUE(settings.contains("MainFrame/geometry"));
    EXPECT_TRUE(settings.contains("MainFrame/state"));

    auto next = std::make_unique<CMainFrame>(AppServices{prompter, dialogs, clock});
    next->show();
    EXPECT_TRUE(next->editBar()->isHidden());
}

TEST_F(MainFrameTest, ThePageSwitchKeepsTheEditBarInPlace)
{
    open(writeKvx("varied.kvx", makeVariedDatabase(1, FLAG_PROG_CA)));
    frame->show();
    QTreeWidgetItem* program = tree().topLevelItem(0)->child(0)->child(0);
    tree().setCurrentItem(program);
    QCoreApplication::processEvents();
    const QRect before = editBar().geometry();
    tree().setCurrentItem(tree().topLevelItem(1));
    QCoreApplication::processEvents();
    EXPECT_EQ(view().page(), PAGE_NETWORK);
    EXPECT_EQ(frame->dockWidgetArea(&editBar()), Qt::RightDockWidgetArea);
    EXPECT_EQ(editBar().geometry(), before);
}

TEST_F(MainFrameTest, ExitIsTheCloseRequest)
{
    open(writeKvx("varied.kvx", makeVariedDatabase(1, FLAG_PROG_CA)));
    frame->show();
    view().MarkModified("Edit");
    prompter.answerQuestion(PromptAnswer::Cancel);
    trigger(ID_APP_EXIT);
    EXPECT_TRUE(frame->isVisible());
    prompter.answerQuestion(PromptAnswer::No);
    trigger(ID_APP_EXIT);
    EXPECT_FALSE(frame->isVisible());
}
