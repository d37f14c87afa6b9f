#include <gtest/gtest.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>
#include <QTabBar>
#include <QTest>

#include "panels/channellistmodel.h"
#include "panels/chlistview.h"
#include "panels/dlgchlist.h"
#include "panels/dlgfavname.h"
#include "scriptedprompter.h"
#include "support/chlistdatabase.h"
#include "widgetdriver.h"

using namespace kvx;
using namespace kvx::test;

namespace {

class DlgChListTest : public testing::Test {
protected:
    DlgChListTest()
    {
        QSettings().remove(QStringLiteral("ChannelList"));
        dialog = std::make_unique<CDlgChList>(db, encoding, prompter);
    }

    void reopen()
    {
        dialog = std::make_unique<CDlgChList>(db, encoding, prompter);
        dialog->show();
        QCoreApplication::processEvents();
    }

    QPoint centerOfRow(int row) const
    {
        return dialog->list()->visualRect(dialog->model()->index(row, 0)).center();
    }

    void sendMouse(QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QWidget* viewport = dialog->list()->viewport();
        QMouseEvent event(type, QPointF(pos), QPointF(viewport->mapToGlobal(pos)), button, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &event);
    }

    QStringList names() const
    {
        QStringList out;
        for (int row = 0; row < dialog->model()->rowCount(); ++row)
            out << dialog->model()->text(row, CHLIST_COLUMN_NAME);
        return out;
    }

    QStringList rowTexts(int row) const
    {
        QStringList out;
        for (int column = 0; column < 4; ++column)
            out << dialog->model()->text(row, column);
        return out;
    }

    int rowOf(const QString& name) const { return static_cast<int>(names().indexOf(name)); }
    QString count() const { return control<QLabel>(dialog.get(), "count")->text(); }
    QString groupChoice() const { return control<QComboBox>(dialog.get(), "group")->currentText(); }
    void chooseTab(int tab) { control<QTabBar>(dialog.get(), "tabs")->setCurrentIndex(tab); }
    void clickHeader(int column) { emit dialog->list()->header()->sectionClicked(column); }

    QAction* menuEntry(QMenu& menu, const QString& text)
    {
        for (QAction* action : menu.actions())
            if (action->text() == text)
                return action;
        ADD_FAILURE() << "no menu entry " << text.toStdString();
        return nullptr;
    }

    // Runs one menu command for the row, as the right-click menu does.
    void menuCommand(int row, const QString& text)
    {
        const std::unique_ptr<QMenu> menu = dialog->CreateFavoriteMenu(row);
        QAction* action = menuEntry(*menu, text);
        ASSERT_NE(action, nullptr);
        ASSERT_TRUE(action->isEnabled()) << text.toStdString();
        action->trigger();
    }

    // Drags a row onto another with the pointer.
    void drag(int from, int to)
    {
        CChListView* list = dialog->list();
        const QPoint start = list->visualRect(dialog->model()->index(from, 0)).center();
        const QPoint end = list->visualRect(dialog->model()->index(to, 0)).center();
        list->BeginDrag(from, start);
        ASSERT_TRUE(list->isDragging());
        ASSERT_NE(list->dragImage(), nullptr);
        list->DragMove(end);
        list->EndDrag(end);
        EXPECT_FALSE(list->isDragging());
        EXPECT_EQ(list->dragImage(), nullptr);
    }

    ChannelDatabase db = makeChannelListDatabase();
    NameEncoding encoding{"WINDOWS-1252"};
    ScriptedPrompter prompter;
    std::unique_ptr<CDlgChList> dialog;
};

} // namespace

TEST_F(DlgChListTest, OpensOnAllSatellitesWithTheRowTexts)
{
    EXPECT_EQ(dialog->windowTitle(), "Channel List");
    EXPECT_EQ(choices(dialog.get(), "group"),
              (QStringList{"All Satellites", "Astra", "Hotbird", "News", "Drama", "Hobby"}));
    EXPECT_EQ(groupChoice(), "All Satellites");
    auto* tabs = control<QTabBar>(dialog.get(), "tabs");
    EXPECT_EQ(tabs->tabText(0), "TV");
    EXPECT_EQ(tabs->tabText(1), "Radio");
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(count(), "4 channels");
    QStringList headers;
    for (int column = 0; column < 4; ++column)
        headers << dialog->model()->headerData(column, Qt::Horizontal).toString();
    EXPECT_EQ(headers, (QStringList{"Name", "CA", "Network", "Favorite"}));
    EXPECT_EQ(rowTexts(0), (QStringList{"Alpha", "Viaccess", "Astra 11000V", "News"}));
    EXPECT_EQ(rowTexts(1), (QStringList{"bravo", "Conax/Unknown", "Hotbird 12000H", "News"}));
    EXPECT_EQ(rowTexts(2), (QStringList{"Charlie", "", "Astra 11500H", "Drama"}));
    EXPECT_EQ(dialog->list()->columnWidth(0), 120);
    EXPECT_EQ(dialog->list()->columnWidth(3), 136);
    // Enter searches; OK is no default button.
    EXPECT_TRUE(control<QPushButton>(dialog.get(), "search")->isDefault());
    EXPECT_FALSE(control<QPushButton>(dialog.get(), "ok")->isDefault());
    EXPECT_FALSE(control<QPushButton>(dialog.get(), "ok")->autoDefault());
}

TEST_F(DlgChListTest, NamesAndGroupsAreDecodedAndEmptyFavouriteNamesNumbered)
{
    db.programs[0].name = "Caf\xe9";          // Windows-1252
    db.programs[3].name = "\xbf\xd5\xe0\xd2"; // ISO 8859-5 "Перв"
    db.programs[3].nameCodePage = NAME_CODE_PAGE_ISO8859_5;
    db.favourites[2].name.clear();
    dialog = std::make_unique<CDlgChList>(db, encoding, prompter);
    EXPECT_EQ(rowTexts(0).first(), QString::fromUtf8("Café"));
    EXPECT_EQ(rowTexts(2), (QStringList{QString::fromUtf8("Перв"), "", "Astra 11500H", "Fav3"}));
    EXPECT_TRUE(choices(dialog.get(), "group").contains("Fav3"));
}

TEST_F(DlgChListTest, GroupAndTabChoicesRefillTheList)
{
    pick(dialog.get(), "group", "Hotbird");
    EXPECT_EQ(names(), (QStringList{"bravo", "delta"}));
    EXPECT_EQ(count(), "2 channels");
    chooseTab(1);
    EXPECT_EQ(names(), (QStringList{"Radio Two"}));
    EXPECT_EQ(count(), "1 channels");
    pick(dialog.get(), "group", "News");
    EXPECT_EQ(names(), (QStringList{"Radio Two"}));
    chooseTab(0);
    EXPECT_EQ(names(), (QStringList{"bravo", "Alpha"}));
    EXPECT_EQ(dialog->model()->index(1, 0).data(ChannelListModel::ProgramIndexRole).toInt(), 0);
    dialog->OnGroupChosen(-1); // nothing chosen: ignored
    EXPECT_EQ(names(), (QStringList{"bravo", "Alpha"}));
    EXPECT_EQ(dialog->modifiedFlags(), 0u);
}

TEST_F(DlgChListTest, HeaderClicksSortAndTheSelectionFollowsItsRow)
{
    dialog->list()->selectRow(rowOf("Charlie"));
    clickHeader(CHLIST_COLUMN_NAME);
    clickHeader(CHLIST_COLUMN_NAME);
    EXPECT_EQ(names(), (QStringList{"delta", "Charlie", "bravo", "Alpha"}));
    EXPECT_EQ(dialog->list()->selectedRow(), 1);
    EXPECT_EQ(dialog->windowTitle(), "Channel List (Modified)");
    clickHeader(CHLIST_COLUMN_CA);
    EXPECT_EQ(names(), (QStringList{"delta", "Charlie", "Alpha", "bravo"}));
    EXPECT_EQ(dialog->list()->selectedRow(), 1);
}

TEST_F(DlgChListTest, DraggingARowMovesItAndOkWritesTheOrder)
{
    dialog->show();
    drag(0, 2);
    EXPECT_EQ(names(), (QStringList{"bravo", "Charlie", "Alpha", "delta"}));
    EXPECT_EQ(dialog->windowTitle(), "Channel List (Modified)");
    // A drop beside the rows or on the dragged row does nothing.
    CChListView* list = dialog->list();
    list->BeginDrag(1, list->visualRect(dialog->model()->index(1, 0)).center());
    list->EndDrag(QPoint(5, list->viewport()->height() + 40));
    list->BeginDrag(1, list->visualRect(dialog->model()->index(1, 0)).center());
    list->EndDrag(list->visualRect(dialog->model()->index(1, 0)).center());
    EXPECT_EQ(names(), (QStringList{"bravo", "Charlie", "Alpha", "delta"}));

    EXPECT_EQ(programNames(db)[0], "Alpha");
    dialog->accept();
    EXPECT_TRUE(dialog->databaseChanged());
    EXPECT_EQ(programNames(db),
              (std::vector<std::string>{"bravo", "Radio One", "Charlie", "Alpha", "Radio Two", "delta"}));
    EXPECT_EQ(favouriteNames(db, db.favourites[0].tvList), (std::vector<std::string>{"bravo", "Alpha"}));
}

TEST_F(DlgChListTest, DraggingBelowTheListScrollsIt)
{
    for (int k = 0; k < 200; ++k) {
        ProgInfo prog = ProgInfo::create(0, 0);
        prog.name = "Extra " + std::to_string(k);
        db.programs.append(std::move(prog));
    }
    dialog = std::make_unique<CDlgChList>(db, encoding, prompter);
    dialog->show();
    CChListView* list = dialog->list();
    const int topBefore = list->indexAt(QPoint(1, 1)).row();
    list->BeginDrag(0, list->visualRect(dialog->model()->index(0, 0)).center());
    list->DragMove(QPoint(5, list->viewport()->height() + 10));
    list->DragMove(QPoint(5, list->viewport()->height() + 12));
    EXPECT_GT(list->indexAt(QPoint(1, 1)).row(), topBefore);
    list->DragMove(QPoint(5, -10));
    list->EndDrag(QPoint(5, -10));
    EXPECT_EQ(dialog->modifiedFlags(), 0u);
}

TEST_F(DlgChListTest, TheMenuOffersEveryGroupAndGreysWhatCannotBeDone)
{
    const std::unique_ptr<QMenu> menu = dialog->CreateFavoriteMenu(rowOf("Alpha"));
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 33);
    EXPECT_EQ(actions[0]->text(), "Add to News");
    EXPECT_EQ(actions[0]->data().toInt(), ID_CHLIST_ADD_TO_FAVORITE);
    EXPECT_FALSE(actions[0]->isEnabled());
    EXPECT_EQ(actions[15]->text(), "Add to FAV 16");
    EXPECT_TRUE(actions[15]->isEnabled());
    EXPECT_TRUE(actions[16]->isSeparator());
    EXPECT_EQ(actions[17]->text(), "Remove from News");
    EXPECT_EQ(actions[17]->data().toInt(), ID_CHLIST_REMOVE_FROM_FAVORITE);
    EXPECT_TRUE(actions[17]->isEnabled());
    EXPECT_FALSE(actions[18]->isEnabled());

    db.favourites.clear();
    dialog = std::make_unique<CDlgChList>(db, encoding, prompter);
    const std::unique_ptr<QMenu> bare = dialog->CreateFavoriteMenu(0);
    ASSERT_EQ(bare->actions().size(), 1);
    EXPECT_TRUE(bare->actions().first()->isSeparator());
}

TEST_F(DlgChListTest, AddingToAnEmptyGroupListsItInNumberOrder)
{
    menuCommand(rowOf("Charlie"), "Add to Movies");
    EXPECT_EQ(choices(dialog.get(), "group"),
              (QStringList{"All Satellites", "Astra", "Hotbird", "News", "Movies", "Drama", "Hobby"}));
    EXPECT_EQ(groupChoice(), "All Satellites");
    EXPECT_EQ(rowTexts(rowOf("Charlie")).last(), "Movies/Drama");
    EXPECT_EQ(dialog->windowTitle(), "Channel List (Modified)");
    pick(dialog.get(), "group", "Movies");
    EXPECT_EQ(names(), (QStringList{"Charlie"}));
    dialog->accept();
    EXPECT_EQ(db.favourites[1].tvList, CChList{3});
}

TEST_F(DlgChListTest, RemovingTheLastChannelOfAGroupDropsItFromTheChoices)
{
    menuCommand(rowOf("delta"), "Remove from Hobby");
    EXPECT_EQ(choices(dialog.get(), "group"),
              (QStringList{"All Satellites", "Astra", "Hotbird", "News", "Drama"}));
    EXPECT_EQ(groupChoice(), "All Satellites");
    EXPECT_EQ(rowTexts(rowOf("delta")).last(), "");
    EXPECT_EQ(count(), "4 channels");

    // In the shown group the row goes too; with the group's entry gone, none is chosen.
    pick(dialog.get(), "group", "Drama");
    menuCommand(0, "Remove from Drama");
    EXPECT_TRUE(names().isEmpty());
    EXPECT_EQ(count(), "0 channels");
    EXPECT_EQ(control<QComboBox>(dialog.get(), "group")->currentIndex(), -1);
    EXPECT_FALSE(choices(dialog.get(), "group").contains("Drama"));
}

TEST_F(DlgChListTest, SearchFindsTheNextNameIgnoringCaseAndWraps)
{
    chooseTab(1);
    type(dialog.get(), "searchText", "radio");
    click(dialog.get(), "search");
    EXPECT_EQ(dialog->list()->selectedRow(), 0);
    click(dialog.get(), "search");
    EXPECT_EQ(dialog->list()->selectedRow(), 1);
    click(dialog.get(), "search");
    EXPECT_EQ(dialog->list()->selectedRow(), 0);
    EXPECT_EQ(control<QLineEdit>(dialog.get(), "searchText")->selectedText(), "radio");

    chooseTab(0);
    type(dialog.get(), "searchText", "CH");
    click(dialog.get(), "search");
    EXPECT_EQ(names().value(dialog->list()->selectedRow()), "Charlie");
    // The selected row is not tested again: a lone match is no match.
    prompter.acknowledgeMessage();
    click(dialog.get(), "search");
    EXPECT_EQ(prompter.shown.back(), "No match was found...");
    EXPECT_EQ(prompter.icons.back(), PromptIcon::Warning);
    EXPECT_EQ(names().value(dialog->list()->selectedRow()), "Charlie");
}

TEST_F(DlgChListTest, RenameTakesChangedNamesOnly)
{
    CDlgFavName::Names offered;
    dialog->setRenamer([&](const CDlgFavName::Names& names) {
        offered = names;
        return std::optional<CDlgFavName::Names>(names);
    });
    click(dialog.get(), "rename");
    EXPECT_EQ(offered[0], "News");
    EXPECT_EQ(offered[15], "FAV 16");
    EXPECT_EQ(dialog->modifiedFlags(), 0u);
    EXPECT_EQ(dialog->windowTitle(), "Channel List");

    pick(dialog.get(), "group", "News");
    dialog->setRenamer([](CDlgFavName::Names names) {
        names[0] = QString::fromUtf8("Sp\u00f6rt");
        return std::optional<CDlgFavName::Names>(names);
    });
    click(dialog.get(), "rename");
    EXPECT_EQ(dialog->modifiedFlags(), CHLIST_NAMES);
    EXPECT_EQ(groupChoice(), QString::fromUtf8("Sp\u00f6rt"));
    EXPECT_EQ(control<QComboBox>(dialog.get(), "group")->currentIndex(), 3);
    EXPECT_EQ(rowTexts(0).last(), QString::fromUtf8("Sp\u00f6rt"));
    dialog->accept();
    EXPECT_EQ(db.favourites[0].name, "Sp\xf6rt");
}

TEST_F(DlgChListTest, RenameOffersEmptyFieldsBeyondTheGroupsAndIgnoresThem)
{
    while (db.favourites.size() > 3)
        db.favourites.removeAt(db.favourites.size() - 1);
    dialog = std::make_unique<CDlgChList>(db, encoding, prompter);
    dialog->setRenamer([](CDlgFavName::Names names) {
        EXPECT_TRUE(names[3].isEmpty());
        names[5] = "typed into a field without a group";
        return std::optional<CDlgFavName::Names>(names);
    });
    click(dialog.get(), "rename");
    EXPECT_EQ(dialog->modifiedFlags(), 0u);
    dialog->setRenamer([](const CDlgFavName::Names&) { return std::optional<CDlgFavName::Names>(); });
    click(dialog.get(), "rename");
    EXPECT_EQ(dialog->modifiedFlags(), 0u);
}

TEST_F(DlgChListTest, HowToUseExplainsTheGestures)
{
    prompter.acknowledgeMessage();
    click(dialog.get(), "howToUse");
    EXPECT_EQ(prompter.icons.back(), PromptIcon::None);
    EXPECT_TRUE(prompter.shown.back().startsWith("\nTo sort the channel list\n\n\t- Click the left mouse"));
    EXPECT_TRUE(
        prompter.shown.back().endsWith("\t- Click the right mouse button on the name of a channel item\n"));
}

TEST_F(DlgChListTest, CancelLeavesTheDatabaseAsItWas)
{
    clickHeader(CHLIST_COLUMN_NAME);
    clickHeader(CHLIST_COLUMN_NAME);
    menuCommand(0, "Add to Info");
    menuCommand(rowOf("bravo"), "Remove from News");
    click(dialog.get(), "cancel");
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->databaseChanged());
    EXPECT_EQ(programNames(db), programNames(makeChannelListDatabase()));
    EXPECT_EQ(db.favourites[0].tvList, (CChList{2, 0}));
    EXPECT_TRUE(db.favourites[7].tvList.empty());
}

TEST_F(DlgChListTest, OkWithoutARealChangeReportsNone)
{
    pick(dialog.get(), "group", "Hotbird");
    clickHeader(CHLIST_COLUMN_NAME); // bravo, delta: the order they had
    click(dialog.get(), "ok");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->modifiedFlags(), CHLIST_ORDER);
    EXPECT_FALSE(dialog->databaseChanged());
}

TEST_F(DlgChListTest, CanBeMaximisedAndReopensAsItWasLeft)
{
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowMaximizeButtonHint);
    dialog->show();
    dialog->resize(900, 640);
    QCoreApplication::processEvents();
    dialog->reject();
    reopen();
    EXPECT_EQ(dialog->size(), QSize(900, 640));
    dialog->showMaximized();
    QCoreApplication::processEvents();
    dialog->accept();
    reopen();
    EXPECT_TRUE(dialog->isMaximized());
}

TEST_F(DlgChListTest, ALongFavouriteNameIsCutShortAndLeavesRoomToSearch)
{
    const QString longName(300, QLatin1Char('N'));
    db.favourites[0].name = longName.toStdString();
    reopen();
    auto* groups = control<QComboBox>(dialog.get(), "group");
    int found = -1;
    for (int k = 0; k < groups->count(); ++k)
        if (groups->itemData(k, Qt::ToolTipRole).toString() == longName)
            found = k;
    ASSERT_GE(found, 0);
    EXPECT_TRUE(groups->itemText(found).endsWith(QChar(0x2026)));
    EXPECT_LT(groups->itemText(found).size(), 60);
    EXPECT_LT(groups->width(), dialog->width() / 2);
    EXPECT_GE(control<QLineEdit>(dialog.get(), "searchText")->width(), 100);
}

TEST_F(DlgChListTest, ARightClickSelectsTheRowItsMenuActsOn)
{
    dialog->show();
    dialog->list()->selectRow(0);
    dialog->setMenuRunner([this](QMenu& menu, QPoint) {
        // Checked while the menu is open, as the user sees it.
        EXPECT_EQ(dialog->list()->selectedRow(), rowOf("Charlie"));
        if (QAction* add = menuEntry(menu, "Add to Movies"))
            add->trigger();
    });
    // The menu event comes on its own: some systems send it on the release, after a long touch, or
    // without a press that selects.
    const QPoint pos = centerOfRow(rowOf("Charlie"));
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, pos, dialog->list()->viewport()->mapToGlobal(pos));
    QCoreApplication::sendEvent(dialog->list()->viewport(), &menuEvent);
    EXPECT_EQ(dialog->list()->selectedRow(), rowOf("Charlie"));
    EXPECT_TRUE(dialog->work().inFavourite(rowOf("Charlie"), 1));
}

TEST_F(DlgChListTest, ARowDraggedByTheMouseStaysSelectedAtItsNewPlace)
{
    dialog->show();
    const QPoint start = centerOfRow(0);
    const QPoint end = centerOfRow(2);
    sendMouse(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    sendMouse(QEvent::MouseMove, start + QPoint(0, 10), Qt::NoButton, Qt::LeftButton);
    ASSERT_TRUE(dialog->list()->isDragging());
    sendMouse(QEvent::MouseMove, end, Qt::NoButton, Qt::LeftButton);
    sendMouse(QEvent::MouseButtonRelease, end, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(names(), (QStringList{"bravo", "Charlie", "Alpha", "delta"}));
    EXPECT_EQ(dialog->list()->selectedRow(), 2);
}

TEST_F(DlgChListTest, CtrlUpAndDownMoveTheSelectedChannelAndTheMenuKeysOpenItsMenu)
{
    dialog->show();
    CChListView* list = dialog->list();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centerOfRow(rowOf("bravo")));
    const struct {
        Qt::Key key;
        QStringList names; // bravo stays selected wherever it goes
    } moves[] = {
        {Qt::Key_Down, {"Alpha", "Charlie", "bravo", "delta"}},
        {Qt::Key_Down, {"Alpha", "Charlie", "delta", "bravo"}},
        {Qt::Key_Down, {"Alpha", "Charlie", "delta", "bravo"}}, // already last
        {Qt::Key_Up, {"Alpha", "Charlie", "bravo", "delta"}},
    };
    for (const auto& move : moves) {
        QTest::keyClick(list, move.key, Qt::ControlModifier);
        EXPECT_EQ(names(), move.names);
        EXPECT_EQ(list->selectedRow(), rowOf("bravo"));
    }
    EXPECT_EQ(dialog->windowTitle(), "Channel List (Modified)");

    int menus = 0;
    dialog->setMenuRunner([&](QMenu& menu, QPoint globalPos) {
        ++menus;
        EXPECT_EQ(list->indexAt(list->viewport()->mapFromGlobal(globalPos)).row(), rowOf("bravo"));
        if (QAction* add = menuEntry(menu, "Add to Movies"); add != nullptr && menus == 1)
            add->trigger();
    });
    QTest::keyClick(list, Qt::Key_F10, Qt::ShiftModifier);
    QTest::keyClick(list, Qt::Key_Menu);
    EXPECT_EQ(menus, 2);
    EXPECT_TRUE(dialog->work().inFavourite(rowOf("bravo"), 1));
    // Plain arrows still only move the selection.
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(names(), moves[3].names);
    EXPECT_EQ(list->selectedRow(), rowOf("Charlie"));
}

TEST(DlgFavNameTest, OkTakesTheFieldsAsTypedAndCancelKeepsTheNames)
{
    CDlgFavName::Names names;
    names[0] = "News";
    names[1] = "Movies";
    CDlgFavName dialog;
    dialog.setNames(names);
    EXPECT_EQ(text(&dialog, "name1"), "News");
    EXPECT_EQ(text(&dialog, "name16"), "");
    EXPECT_EQ(dialog.windowTitle(), "Favorite Group Name");
    type(&dialog, "name2", "");
    type(&dialog, "name16", "  Late night  ");
    click(&dialog, "cancel");
    EXPECT_EQ(dialog.names(), names);

    dialog.setNames(names);
    type(&dialog, "name2", "");
    type(&dialog, "name16", "  Late night  ");
    click(&dialog, "ok");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.names()[0], "News");
    EXPECT_EQ(dialog.names()[1], "");
    EXPECT_EQ(dialog.names()[15], "  Late night  ");
    EXPECT_TRUE(control<QPushButton>(&dialog, "ok")->isDefault());
}
