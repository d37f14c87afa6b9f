// The Channel List dialog on blocks of channels, opened from the View menu of a running main window:
// Ctrl and Shift clicks select, the block moves, sorts and leaves a favourite group, OK saves it and
// Undo takes it back.
#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "db/fileops.h"
#include "framefixture.h"
#include "panels/channellistmodel.h"
#include "panels/chlistview.h"
#include "panels/dlgchlist.h"
#include "support/chlistdatabase.h"
#include "widgetdriver.h"

using namespace kvx;
using namespace kvx::test;

namespace {

using Names = std::vector<std::string>;

// The channel list database with four more TV channels: programs by position Alpha, Radio One, bravo,
// Charlie, Radio Two, delta, echo, Foxtrot, golf, Hotel. "echo" is marked scrambled.
ChannelDatabase makeEightChannels()
{
    ChannelDatabase db = makeChannelListDatabase();
    struct Row {
        const char* name;
        uint16_t tp;
    };
    for (const Row& row : std::vector<Row>{{"echo", 0}, {"Foxtrot", 2}, {"golf", 1}, {"Hotel", 0}}) {
        ProgInfo prog = ProgInfo::create(row.tp, static_cast<uint16_t>(db.programs.size() + 100));
        prog.name = row.name;
        db.programs.append(std::move(prog));
    }
    db.programs[6].attributes = ATTR_SCRAMBLED;
    return db;
}

class ChannelListBlocksTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        open(writeKvx("blocks.kvx", makeEightChannels()));
        frame->show();
        QApplication::setActiveWindow(frame.get());
        // The state the test starts from, as the editor saves it.
        trigger(ID_FILE_SAVE);
        original = readFile(pathFor("blocks.kvx"));
        ASSERT_FALSE(original.isEmpty());
        before = imageOf(db());
    }

    // Opens the real dialog with the View menu's command and plays it.
    void runDialog(const std::function<void(CDlgChList&)>& play)
    {
        dialogs.answerChannelListWith(
            [&](CDlgChList& dialog) {
                dialog.activateWindow();
                QApplication::setActiveWindow(&dialog);
                shown = &dialog;
                play(dialog);
                shown = nullptr;
            },
            prompter);
        trigger(ID_VIEW_CHLIST);
    }

    CChListView* list() const { return shown->list(); }
    QPoint centerOfRow(int row) const { return list()->visualRect(shown->model()->index(row, 0)).center(); }
    QStringList names() const
    {
        QStringList out;
        for (int row = 0; row < shown->model()->rowCount(); ++row)
            out << shown->model()->text(row, CHLIST_COLUMN_NAME);
        return out;
    }
    int rowOf(const QString& name) const { return static_cast<int>(names().indexOf(name)); }
    QStringList selectedNames() const
    {
        QStringList out;
        for (int row : list()->selectedRows())
            out << names().value(row);
        return out;
    }
    QString count() const { return control<QLabel>(shown, "count")->text(); }

    // A left click on the channel's row as the mouse gives it, with the modifiers held.
    void clickOn(const QString& name, Qt::KeyboardModifiers modifiers = {})
    {
        const int row = rowOf(name);
        ASSERT_GE(row, 0) << name.toStdString();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, modifiers, centerOfRow(row));
    }
    void key(int key, Qt::KeyboardModifiers modifiers = {})
    {
        // The number dialog of Move to Number may have taken the activation with it.
        QApplication::setActiveWindow(shown);
        list()->setFocus();
        QTest::keyClick(list(), static_cast<Qt::Key>(key), modifiers);
    }
    void sendMouse(QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QWidget* viewport = list()->viewport();
        QMouseEvent event(type, QPointF(pos), QPointF(viewport->mapToGlobal(pos)), button, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &event);
    }
    // Presses on the channel's row, moves the pointer to the other's and lets go.
    void dragOnto(const QString& from, const QString& to)
    {
        const QPoint start = centerOfRow(rowOf(from));
        const QPoint end = centerOfRow(rowOf(to));
        sendMouse(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
        sendMouse(QEvent::MouseMove, start + QPoint(0, 2), Qt::NoButton, Qt::LeftButton); // not far yet
        sendMouse(QEvent::MouseMove, start + QPoint(0, 10), Qt::NoButton, Qt::LeftButton);
        ASSERT_TRUE(list()->isDragging());
        sendMouse(QEvent::MouseMove, end, Qt::NoButton, Qt::LeftButton);
        sendMouse(QEvent::MouseButtonRelease, end, Qt::LeftButton, Qt::NoButton);
    }
    // Move to Number... by its key; the number is typed into the real number dialog.
    void moveToNumber(const QString& typed, const QString& expectedLabel)
    {
        bool asked = false;
        shown->setInputRunner([&](QInputDialog& input) {
            asked = true;
            EXPECT_EQ(input.labelText(), expectedLabel);
            input.show();
            auto* spin = input.findChild<QSpinBox*>();
            EXPECT_NE(spin, nullptr);
            if (spin == nullptr)
                return false;
            EXPECT_EQ(spin->minimum(), 1);
            EXPECT_EQ(spin->maximum(), shown->model()->rowCount());
            spin->setFocus();
            spin->selectAll();
            QTest::keyClicks(spin, typed);
            QTest::keyClick(spin, Qt::Key_Return);
            return input.result() == QDialog::Accepted;
        });
        key(Qt::Key_M, Qt::ControlModifier);
        EXPECT_TRUE(asked);
    }
    void pickSort(const char* name)
    {
        auto* sort = control<QPushButton>(shown, "sort");
        ASSERT_NE(sort->menu(), nullptr);
        QAction* action = sort->menu()->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
    }

    // After OK: the saved file holds the database as it now is; Ctrl+Z brings back the bytes it had.
    ChannelDatabase saveAndReadBack()
    {
        trigger(ID_FILE_SAVE);
        ChannelDatabase saved;
        EXPECT_EQ(openDatabase(saved, pathFor("blocks.kvx").toStdString()), StatusOk);
        return saved;
    }
    void expectUndoRestoresTheOriginal()
    {
        EXPECT_EQ(frame->action(ID_EDIT_UNDO)->text(), "&Undo Channel List");
        // The main window has the keys again once the dialog is gone.
        QApplication::setActiveWindow(frame.get());
        tree().setFocus();
        QTest::keySequence(&tree(), QKeySequence(Qt::ControlModifier | Qt::Key_Z));
        EXPECT_EQ(imageOf(db()), before);
        EXPECT_FALSE(frame->action(ID_EDIT_UNDO)->isEnabled()); // the dialog's OK was one step
        trigger(ID_FILE_SAVE);
        EXPECT_EQ(readFile(pathFor("blocks.kvx")), original);
    }

    QByteArray original;
    std::vector<uint8_t> before;
    CDlgChList* shown = nullptr;
};

} // namespace

TEST_F(ChannelListBlocksTest, ClicksSelectABlockThatKeysAndMoveToNumberMoveAndOkSavesAsOneStep)
{
    runDialog([&](CDlgChList& dialog) {
        EXPECT_EQ(names(),
                  (QStringList{"Alpha", "bravo", "Charlie", "delta", "echo", "Foxtrot", "golf", "Hotel"}));
        EXPECT_EQ(count(), "8 channels");
        clickOn("bravo");
        EXPECT_EQ(count(), "8 channels, 1 selected");
        clickOn("delta", Qt::ShiftModifier);
        EXPECT_EQ(selectedNames(), (QStringList{"bravo", "Charlie", "delta"}));
        clickOn("Charlie", Qt::ControlModifier); // out again
        clickOn("golf", Qt::ControlModifier);
        EXPECT_EQ(selectedNames(), (QStringList{"bravo", "delta", "golf"}));
        EXPECT_EQ(count(), "8 channels, 3 selected");

        // Each selected row passes its neighbour; the selection goes along.
        key(Qt::Key_Down, Qt::ControlModifier);
        EXPECT_EQ(names(),
                  (QStringList{"Alpha", "Charlie", "bravo", "echo", "delta", "Foxtrot", "Hotel", "golf"}));
        EXPECT_EQ(selectedNames(), (QStringList{"bravo", "delta", "golf"}));
        key(Qt::Key_Down, Qt::ControlModifier); // golf is last: the others still move
        EXPECT_EQ(names(),
                  (QStringList{"Alpha", "Charlie", "echo", "bravo", "Foxtrot", "delta", "Hotel", "golf"}));
        key(Qt::Key_Up, Qt::ControlModifier);
        EXPECT_EQ(names(),
                  (QStringList{"Alpha", "Charlie", "bravo", "echo", "delta", "Foxtrot", "golf", "Hotel"}));

        // Move to Number gathers the three, in their order, from number 1 on.
        moveToNumber("1", "Channel number of the first of the 3 selected channels (1 to 8):");
        EXPECT_EQ(names(),
                  (QStringList{"bravo", "delta", "golf", "Alpha", "Charlie", "echo", "Foxtrot", "Hotel"}));
        EXPECT_EQ(selectedNames(), (QStringList{"bravo", "delta", "golf"}));
        // Numbers past the end put the block last.
        moveToNumber("8", "Channel number of the first of the 3 selected channels (1 to 8):");
        EXPECT_EQ(names(),
                  (QStringList{"Alpha", "Charlie", "echo", "Foxtrot", "Hotel", "bravo", "delta", "golf"}));
        moveToNumber("2", "Channel number of the first of the 3 selected channels (1 to 8):");
        EXPECT_EQ(names(),
                  (QStringList{"Alpha", "bravo", "delta", "golf", "Charlie", "echo", "Foxtrot", "Hotel"}));
        EXPECT_EQ(selectedNames(), (QStringList{"bravo", "delta", "golf"}));
        EXPECT_EQ(dialog.windowTitle(), "Channel List (Modified)");
        click(&dialog, "ok");
    });
    EXPECT_TRUE(view().modified());
    const ChannelDatabase saved = saveAndReadBack();
    // The TV channels take the TV positions in their new order; the radio ones stay at 1 and 4.
    EXPECT_EQ(programNames(saved), (Names{"Alpha", "Radio One", "bravo", "delta", "Radio Two", "golf",
                                          "Charlie", "echo", "Foxtrot", "Hotel"}));
    EXPECT_EQ(favouriteNames(saved, saved.favourites[0].tvList), (Names{"bravo", "Alpha"}));
    EXPECT_EQ(favouriteNames(saved, saved.favourites[3].tvList), (Names{"delta"}));
    expectUndoRestoresTheOriginal();
}

TEST_F(ChannelListBlocksTest, TheMenuAddsTheSelectionToAGroupAndDeleteTakesItOutOfTheGroupShown)
{
    runDialog([&](CDlgChList& dialog) {
        clickOn("Charlie");
        clickOn("echo", Qt::ControlModifier);
        clickOn("Hotel", Qt::ControlModifier);
        int menus = 0;
        dialog.setMenuRunner([&](QMenu& menu, QPoint) {
            ++menus;
            for (QAction* action : menu.actions())
                if (action->text() == "Add to News") {
                    EXPECT_TRUE(action->isEnabled());
                    action->trigger();
                }
        });
        key(Qt::Key_F10, Qt::ShiftModifier);
        EXPECT_EQ(menus, 1);
        EXPECT_EQ(selectedNames(), (QStringList{"Charlie", "echo", "Hotel"}));
        EXPECT_EQ(shown->model()->text(rowOf("Hotel"), CHLIST_COLUMN_FAVORITE), "News");
        EXPECT_EQ(shown->model()->text(rowOf("Charlie"), CHLIST_COLUMN_FAVORITE), "News/Drama");

        // Outside a favourite group Delete does nothing.
        key(Qt::Key_Delete);
        EXPECT_EQ(names().size(), 8);
        EXPECT_EQ(count(), "8 channels, 3 selected");

        pick(&dialog, "group", "News");
        EXPECT_EQ(names(), (QStringList{"bravo", "Alpha", "Charlie", "echo", "Hotel"}));
        clickOn("Alpha");
        clickOn("Charlie", Qt::ShiftModifier);
        clickOn("Hotel", Qt::ControlModifier);
        key(Qt::Key_Delete);
        EXPECT_EQ(names(), (QStringList{"bravo", "echo"}));
        // The channel that took the first one's place is selected.
        EXPECT_EQ(selectedNames(), (QStringList{"echo"}));
        EXPECT_EQ(count(), "2 channels, 1 selected");
        // The channels are still in the database, only out of the group.
        pick(&dialog, "group", "All Satellites");
        EXPECT_EQ(names().size(), 8);
        EXPECT_EQ(shown->model()->text(rowOf("Alpha"), CHLIST_COLUMN_FAVORITE), "");
        EXPECT_EQ(shown->model()->text(rowOf("Charlie"), CHLIST_COLUMN_FAVORITE), "Drama");
        click(&dialog, "ok");
    });
    const ChannelDatabase saved = saveAndReadBack();
    EXPECT_EQ(saved.programs.size(), 10u);
    EXPECT_EQ(favouriteNames(saved, saved.favourites[0].tvList), (Names{"bravo", "echo"}));
    EXPECT_EQ(favouriteNames(saved, saved.favourites[0].radioList), (Names{"Radio Two"}));
    EXPECT_EQ(favouriteNames(saved, saved.favourites[2].tvList), (Names{"Charlie"}));
    EXPECT_EQ(programNames(saved), programNames(makeEightChannels()));
    expectUndoRestoresTheOriginal();
}

TEST_F(ChannelListBlocksTest, SortKeepsToTheSelectionAndADraggedBlockLandsAroundTheDropRow)
{
    runDialog([&](CDlgChList& dialog) {
        // With one row selected the whole list is sorted: the scrambled ones (Viaccess, Conax and the
        // marked echo) go last, the others keep their order.
        clickOn("delta");
        pickSort("scrambledLast");
        EXPECT_EQ(names(),
                  (QStringList{"Charlie", "delta", "Foxtrot", "golf", "Hotel", "Alpha", "bravo", "echo"}));
        EXPECT_EQ(selectedNames(), (QStringList{"delta"}));
        // With several, only they are sorted, in the places they had.
        clickOn("Hotel", Qt::ControlModifier);
        clickOn("echo", Qt::ControlModifier);
        clickOn("Charlie", Qt::ControlModifier);
        pickSort("byName");
        EXPECT_EQ(names(),
                  (QStringList{"Charlie", "delta", "Foxtrot", "golf", "echo", "Alpha", "bravo", "Hotel"}));
        EXPECT_EQ(selectedNames(), (QStringList{"Charlie", "delta", "echo", "Hotel"}));

        // Ctrl+A, then a drag of the block by one of its rows: all rows move together, nothing changes.
        key(Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(count(), "8 channels, 8 selected");
        clickOn("golf"); // a plain click selects one row again
        clickOn("Alpha", Qt::ShiftModifier);
        clickOn("Charlie", Qt::ControlModifier);
        EXPECT_EQ(selectedNames(), (QStringList{"Charlie", "golf", "echo", "Alpha"}));
        // Dragged by echo onto bravo: echo takes bravo's place, the others of the block around it in
        // their order.
        dragOnto("echo", "bravo");
        EXPECT_EQ(names(),
                  (QStringList{"delta", "Foxtrot", "bravo", "Hotel", "Charlie", "golf", "echo", "Alpha"}));
        EXPECT_EQ(selectedNames(), (QStringList{"Charlie", "golf", "echo", "Alpha"}));
        EXPECT_EQ(list()->currentIndex().row(), rowOf("echo"));
        click(&dialog, "ok");
    });
    const ChannelDatabase saved = saveAndReadBack();
    EXPECT_EQ(programNames(saved), (Names{"delta", "Radio One", "Foxtrot", "bravo", "Radio Two", "Hotel",
                                          "Charlie", "golf", "echo", "Alpha"}));
    EXPECT_EQ(favouriteNames(saved, saved.favourites[0].tvList), (Names{"bravo", "Alpha"}));
    expectUndoRestoresTheOriginal();
}

TEST_F(ChannelListBlocksTest, CancelAfterBlockEditsLeavesTheDatabaseAsItWas)
{
    runDialog([&](CDlgChList& dialog) {
        key(Qt::Key_A, Qt::ControlModifier);
        pickSort("byServiceId");
        clickOn("bravo");
        clickOn("Hotel", Qt::ControlModifier);
        moveToNumber("1", "Channel number of the first of the 2 selected channels (1 to 8):");
        pick(&dialog, "group", "News");
        key(Qt::Key_A, Qt::ControlModifier);
        key(Qt::Key_Delete);
        EXPECT_TRUE(names().isEmpty());
        click(&dialog, "cancel");
    });
    EXPECT_FALSE(view().modified());
    EXPECT_EQ(imageOf(db()), before);
    EXPECT_FALSE(frame->action(ID_EDIT_UNDO)->isEnabled());
}
