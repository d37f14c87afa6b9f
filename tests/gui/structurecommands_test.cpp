#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>

#include "app/commandrules.h"
#include "commandsfixture.h"
#include "db/fileops.h"
#include "db/stamp.h"
#include "panels/editbar.h"
#include "widgetdriver.h"

using namespace kvx;
using namespace kvx::test;

namespace {

using Favourites = std::vector<uint16_t>;

// The stored name of the sample's program 2, in ISO 8859-5.
const std::string kIsoName = "\xBF\xD5\xE0\xD2\xEB\xD9";

Favourites list(const CChList& entries)
{
    return Favourites(entries.begin(), entries.end());
}

// The commands of the Satellite, Transponder and Program menus and the move buttons.
const std::vector<CommandId> kDocumentCommands = {ID_EDIT_CHECK_DATABASE,
                                                  ID_IMPORT_SATCODX,
                                                  ID_UPDATE_LYNGSAT,
                                                  ID_SORT_BY_DEGREE,
                                                  ID_TP_SORT_BY_FREQUENCY,
                                                  ID_TP_ADD,
                                                  ID_TP_DELETE,
                                                  ID_TP_DELETE_ALL_IN_NET,
                                                  ID_PROG_ADD,
                                                  ID_PROG_DELETE,
                                                  ID_PROG_DELETE_ALL_IN_TP,
                                                  ID_PROG_DELETE_ALL_IN_NET,
                                                  ID_MOVE_UP,
                                                  ID_MOVE_DOWN,
                                                  ID_MODIFICATION_DATE,
                                                  ID_VIEW_CHLIST,
                                                  ID_EDIT_APPLY_REFERENCE};

} // namespace

using StructureCommandsTest = CommandsFixture;

TEST_F(StructureCommandsTest, MenusCarryTheirItemsInOrder)
{
    QStringList titles;
    for (QAction* menu : frame->menuBar()->actions())
        titles << menu->text();
    EXPECT_EQ(titles,
              QStringList({"&File", "&Edit", "&View", "&Satellite", "&Transponder", "&Program", "&Help"}));
    const auto items = [this](int menu) { return menuTexts(*frame->menuBar()->actions()[menu]->menu()); };
    EXPECT_EQ(items(0), QStringList({"&New...", "&Open...", "&Close", "|", "&Save", "Save &As...", "|",
                                     "&Export Channel List...", "Export sa&tellites.xml...", "|", "&Print...",
                                     "Print Pre&view", "|", "Modification &Date...", "|",
                                     "&1 " + pathFor("commands.kvx"), "|", "E&xit"}));
    // Nothing done yet.
    EXPECT_EQ(items(1), QStringList({"&Undo (off)", "&Redo (off)", "|", "&Apply Reference List...",
                                     "&Check Database..."}));
    EXPECT_EQ(items(3), QStringList({"Import &SATCODX", "Update from &Lyngsat", "Update from Scan &Table...",
                                     "Import satellites.&xml...", "|", "Sort by &Degree",
                                     "TP Sort by &Frequency in Network", "|", "Delete Network"}));
    // A network is selected: what needs a transponder or a program is off.
    EXPECT_EQ(items(4),
              QStringList({"&Add New", "|", "&Delete Selected (off)", "Delete All in &Network", "|"}));
    EXPECT_EQ(items(5), QStringList({"&Add New (off)", "|", "&Delete Selected (off)",
                                     "Delete All in &Transponder (off)", "Delete All in &Network", "|",
                                     "Mark &Scrambled (off)", "&Clear Scrambled (off)", "|",
                                     "Add to &Favourite Group", "&Remove from Favourite Group"}));
    EXPECT_EQ(frame->action(ID_FILE_PRINT)->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_EQ(frame->action(ID_TP_DELETE)->statusTip(), "Delete the selected transponder");
    EXPECT_EQ(frame->action(ID_TP_DELETE)->toolTip(), "Delete Tp(Shift + Delete)");
    EXPECT_EQ(frame->action(ID_MOVE_DOWN)->toolTip(), "Move down(Shift + Down)");
    EXPECT_EQ(frame->action(ID_MODIFICATION_DATE)->statusTip(), "Show/Edit the recent modification date");

    // The highlighted item's prompt shows in the status bar.
    QMenu* transponderMenu = frame->menuBar()->actions()[3]->menu();
    transponderMenu->popup(QPoint(10, 10));
    transponderMenu->setActiveAction(frame->action(ID_TP_DELETE_ALL_IN_NET));
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Delete all transponders in the selected network");
    transponderMenu->hide();
}

TEST_F(StructureCommandsTest, NothingSelectedDisablesTheDocumentCommands)
{
    trigger(ID_FILE_CLOSE);
    ASSERT_EQ(view().page(), PAGE_EMPTY);
    for (CommandId id : kDocumentCommands) {
        EXPECT_FALSE(frame->action(id)->isEnabled()) << id;
        // A disabled command does not run when triggered; the scripts hold no answer for any prompt.
        frame->action(id)->trigger();
    }
    EXPECT_EQ(tree().topLevelItemCount(), 0);
    EXPECT_FALSE(view().modified());
    // Close on the empty page does nothing.
    trigger(ID_FILE_CLOSE);
    EXPECT_EQ(frame->windowTitle(), "KVXEdit");
}

TEST_F(StructureCommandsTest, TerrestrialNetworkDisablesImportsAndMovesButNotTheFrequencySort)
{
    tree().setCurrentItem(terrestrialNetwork());
    ASSERT_TRUE(editBar().terrestrialMode());
    for (CommandId id : {ID_IMPORT_SATCODX, ID_UPDATE_LYNGSAT, ID_MOVE_UP, ID_MOVE_DOWN})
        EXPECT_FALSE(frame->action(id)->isEnabled()) << id;
    EXPECT_TRUE(frame->action(ID_TP_SORT_BY_FREQUENCY)->isEnabled());
    EXPECT_TRUE(frame->action(ID_TP_ADD)->isEnabled());

    // Moving up from the terrestrial network is refused even when asked for directly.
    view().OnMoveUp();
    EXPECT_EQ(db().networks[TERRESTRIAL_SLOT].name, "Terrestrial");
    EXPECT_FALSE(view().modified());
}

TEST_F(StructureCommandsTest, DeletingATransponderTakesItsProgramsFromTreeAndFavourites)
{
    select("TP0");
    trigger(ID_TP_DELETE);
    // Nothing is asked from the menu.
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_EQ(db().transponders.size(), 4u);
    EXPECT_EQ(childLabels(findItem("Astra 1")), QStringList({"TP1", "TP2"}));
    for (const char* gone : {"TP0", "Prog 0", "Prog 5", "Prog 10"})
        EXPECT_EQ(findItem(gone), nullptr) << gone;
    EXPECT_EQ(programNames(), (std::vector<std::string>{"Prog 1", kIsoName, "Prog 3", "Prog 4", "Prog 6",
                                                        "Prog 7", "Prog 8", "Prog 9", "Prog 11"}));
    // Favourite entries follow the renumbered programs; those of deleted programs go.
    EXPECT_EQ(list(db().favourites[0].tvList), (Favourites{0, 1}));
    EXPECT_EQ(list(db().favourites[0].radioList), (Favourites{2, 5}));
    EXPECT_TRUE(db().favourites[2].tvList.empty());
    // The tree's new selection is shown like any other.
    ASSERT_NE(tree().currentItem(), nullptr);
    EXPECT_EQ(view().currentItem(), tree().currentItem());
    EXPECT_NE(view().page(), PAGE_EMPTY);
    EXPECT_TRUE(view().modified());
}

TEST_F(StructureCommandsTest, AddProgramAppendsToATransponderOrGoesAboveAProgram)
{
    select("TP0");
    trigger(ID_PROG_ADD);
    QTreeWidgetItem* tp0 = findItem("TP0");
    EXPECT_EQ(childLabels(tp0), QStringList({"Prog 0", "Prog 5", "Prog 10", "(No name)"}));
    EXPECT_EQ(tree().currentItem(), tp0->child(3));
    EXPECT_EQ(view().page(), PAGE_PROGRAM);
    EXPECT_EQ(view().currentProg(), &db().programs[12]);
    EXPECT_EQ(db().programs[12].tpIndex, 0);
    EXPECT_TRUE(view().modified());

    select("Prog 5");
    trigger(ID_PROG_ADD);
    EXPECT_EQ(childLabels(tp0), QStringList({"Prog 0", "(No name)", "Prog 5", "Prog 10", "(No name)"}));
    EXPECT_EQ(tree().currentItem(), tp0->child(1));
    EXPECT_EQ(view().currentProg(), &db().programs[5]);
    EXPECT_EQ(db().programs[6].name, "Prog 5");
    EXPECT_EQ(list(db().favourites[2].tvList), (Favourites{6}));
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(StructureCommandsTest, AddTransponderAppendsToANetworkOrGoesBeforeTheProgramsTransponder)
{
    select("Hotbird");
    trigger(ID_TP_ADD);
    QTreeWidgetItem* hotbird = findItem("Hotbird");
    ASSERT_EQ(hotbird->childCount(), 2);
    EXPECT_EQ(tree().currentItem(), hotbird->child(1));
    EXPECT_EQ(view().currentTp(), &db().transponders[4]);
    // The terrestrial transponder behind it and its programs were renumbered.
    EXPECT_EQ(db().programs[4].tpIndex, 5);

    // The new transponder has no frequency yet, so the selection cannot leave it: it is deleted.
    trigger(ID_TP_DELETE);
    EXPECT_EQ(hotbird->childCount(), 1);
    select("Prog 7");
    trigger(ID_TP_ADD);
    QTreeWidgetItem* astra = findItem("Astra 1");
    EXPECT_EQ(childLabels(astra).mid(3), QStringList{"TP2"});
    EXPECT_EQ(tree().currentItem(), astra->child(2));
    EXPECT_EQ(view().page(), PAGE_TRANSPONDER);
    EXPECT_EQ(view().currentTp(), &db().transponders[2]);
    EXPECT_EQ(db().programs[7].tpIndex, 3);
}

TEST_F(StructureCommandsTest, CancelledApplyStopsTheAdd)
{
    select("TP1");
    type(editBar().widget(), "frequency", "12345");
    prompter.answerQuestion(PromptAnswer::Cancel);
    trigger(ID_PROG_ADD);
    EXPECT_EQ(db().programs.size(), 12u);
    EXPECT_EQ(findItem("TP1")->childCount(), 3);
    EXPECT_FALSE(view().modified());
}

TEST_F(StructureCommandsTest, SortByDegreeOnASortedListChangesNothing)
{
    reopen(makeEmptyModel(1, kFlags));
    QTreeWidgetItem* first = tree().topLevelItem(0);
    trigger(ID_SORT_BY_DEGREE);
    EXPECT_FALSE(view().modified());
    EXPECT_EQ(tree().topLevelItem(0), first);

    // Unsorted: Hotbird (13.0) goes before Astra (19.2) and takes its transponders along.
    reopen(makeVariedDatabase(1, kFlags));
    select("Prog 1");
    trigger(ID_SORT_BY_DEGREE);
    EXPECT_TRUE(view().modified());
    EXPECT_EQ(db().networks[0].name, "Hotbird");
    EXPECT_EQ(db().networks[1].name, "Astra 1");
    EXPECT_EQ(tree().topLevelItem(1)->childCount(), 3);
    // The selection stays on the program, after the sort and after its undo.
    for (CommandId command : {ID_SORT_BY_DEGREE, ID_EDIT_UNDO}) {
        if (command == ID_EDIT_UNDO)
            trigger(ID_EDIT_UNDO);
        EXPECT_EQ(tree().currentItem(), findItem("Prog 1"));
        EXPECT_EQ(view().currentItem(), findItem("Prog 1"));
        EXPECT_EQ(view().page(), PAGE_PROGRAM);
    }
    EXPECT_EQ(db().networks[0].name, "Astra 1");
}

TEST_F(StructureCommandsTest, FrequencySortRebuildsAndKeepsTheNetworkSelected)
{
    ChannelDatabase database = makeVariedDatabase(2, kFlags);
    database.transponders[0].frequency = 12000;
    reopen(std::move(database));
    tree().collapseAll();
    select("Astra 1");
    trigger(ID_TP_SORT_BY_FREQUENCY);
    QTreeWidgetItem* astra = findItem("Astra 1");
    EXPECT_EQ(childLabels(astra), QStringList({"TP1", "TP2", "TP0"}));
    EXPECT_EQ(tree().currentItem(), astra);
    EXPECT_TRUE(astra->isExpanded());
    EXPECT_EQ(view().currentNet(), &db().networks[0]);
    EXPECT_TRUE(view().modified());
    // The programs stayed with their transponders.
    EXPECT_EQ(childLabels(astra->child(2)), QStringList({"Prog 0", "Prog 5", "Prog 10"}));

    // Sorted already: nothing happens.
    select("Hotbird");
    const QTreeWidgetItem* hotbird = findItem("Hotbird");
    trigger(ID_TP_SORT_BY_FREQUENCY);
    EXPECT_EQ(findItem("Hotbird"), hotbird);
}

TEST_F(StructureCommandsTest, DeleteAllProgramsInNetworkKeepsTheShownTransponder)
{
    select("TP1");
    TpInfo* shown = view().currentTp();
    // The question names how many go; No deletes nothing.
    const std::vector<std::string> before = programNames();
    prompter.answerQuestion(PromptAnswer::No);
    trigger(ID_PROG_DELETE_ALL_IN_NET);
    EXPECT_EQ(prompter.shown.back(), "Delete all 8 programs in the network \"Astra 1\"?");
    EXPECT_EQ(programNames(), before);
    prompter.answerQuestion(PromptAnswer::Yes);
    trigger(ID_PROG_DELETE_ALL_IN_NET);
    QTreeWidgetItem* astra = findItem("Astra 1");
    ASSERT_EQ(astra->childCount(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(astra->child(i)->childCount(), 0);
    EXPECT_EQ(programNames(), (std::vector<std::string>{"Prog 3", "Prog 4", "Prog 8", "Prog 9"}));
    EXPECT_EQ(view().page(), PAGE_TRANSPONDER);
    EXPECT_EQ(view().currentTp(), shown);
    EXPECT_EQ(tree().currentItem(), findItem("TP1"));
}

TEST_F(StructureCommandsTest, MoveUpAndDownOnEveryLevel)
{
    select("TP1");
    trigger(ID_MOVE_UP);
    EXPECT_EQ(childLabels(findItem("Astra 1")), QStringList({"TP1", "TP0", "TP2"}));
    EXPECT_EQ(tree().currentItem(), findItem("TP1"));
    // The first child has nothing above it.
    trigger(ID_MOVE_UP);
    EXPECT_EQ(childLabels(findItem("Astra 1")), QStringList({"TP1", "TP0", "TP2"}));

    select("Astra 1");
    trigger(ID_MOVE_DOWN);
    EXPECT_EQ(db().networks[1].name, "Astra 1");
    EXPECT_EQ(view().currentNet(), &db().networks[1]);

    // The last satellite slot does not swap with the terrestrial network.
    tree().setCurrentItem(tree().topLevelItem(63));
    trigger(ID_MOVE_DOWN);
    EXPECT_EQ(db().networks[TERRESTRIAL_SLOT].name, "Terrestrial");
}

// --- Modification date

TEST_F(StructureCommandsTest, DateDialogStartsFromTheStamp)
{
    dialogs.answerDate(std::nullopt);
    trigger(ID_MODIFICATION_DATE);
    ASSERT_EQ(dialogs.datesShown.size(), 1);
    EXPECT_EQ(dialogs.datesShown[0].radio, CDlgDate::RADIO_DATE);
    EXPECT_EQ(dialogs.datesShown[0].date, (LocalDate{2009, 4, 14}));
    EXPECT_EQ(dialogs.datesShown[0].versionText, "");
    // Cancel changes nothing.
    EXPECT_FALSE(view().modified());
    EXPECT_FALSE(db().keepStamp);

    for (const auto& [stamp, radio, text] : {std::tuple{Stamp{0, 1, 2}, CDlgDate::RADIO_VERSION, "B002"},
                                             std::tuple{Stamp{0x80 | 100, 1, 1}, CDlgDate::RADIO_DATE, ""}}) {
        db().stamp = stamp;
        dialogs.answerDate(std::nullopt);
        trigger(ID_MODIFICATION_DATE);
        EXPECT_EQ(dialogs.datesShown.back().radio, radio);
        EXPECT_EQ(dialogs.datesShown.back().versionText, text);
        // No date in the stamp: the dialog shows today.
        EXPECT_EQ(dialogs.datesShown.back().date, clock.today());
    }
}

TEST_F(StructureCommandsTest, ConfirmingAnUnchangedDateKeepsTheStampOnSave)
{
    dialogs.answerDate(DateDialogValues{CDlgDate::RADIO_DATE, {2009, 4, 14}, QString()});
    trigger(ID_MODIFICATION_DATE);
    EXPECT_FALSE(view().modified());
    EXPECT_TRUE(db().keepStamp);
    trigger(ID_FILE_SAVE);
    const QByteArray saved = readFile(pathFor("commands.kvx"));
    ASSERT_GT(saved.size(), 12);
    EXPECT_EQ(saved.mid(9, 3), QByteArray("\x89\x04\x0E", 3));
}

TEST_F(StructureCommandsTest, ConfirmingAVersionStoresItAndMarksTheDocument)
{
    dialogs.answerDate(DateDialogValues{CDlgDate::RADIO_VERSION, {2009, 4, 14}, "b2"});
    trigger(ID_MODIFICATION_DATE);
    EXPECT_EQ(db().stamp, (Stamp{0, 1, 2}));
    EXPECT_TRUE(view().modified());
    EXPECT_TRUE(db().keepStamp);
    EXPECT_TRUE(frame->windowTitle().startsWith("commands.kvx (Modified)"));

    dialogs.answerDate(DateDialogValues{CDlgDate::RADIO_DATE, {2031, 12, 24}, "B002"});
    trigger(ID_MODIFICATION_DATE);
    EXPECT_EQ(db().stamp, (Stamp{0x80 | 31, 12, 24}));
}
