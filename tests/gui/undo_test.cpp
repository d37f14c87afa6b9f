#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "commandsfixture.h"
#include "panels/dlgdate.h"
#include "panels/editbar.h"
#include "widgetdriver.h"

using namespace kvx;
using namespace kvx::test;

namespace {

// Changes made through the real commands, taken back and made again with the Edit menu's keys.
class UndoTest : public CommandsFixture {
protected:
    void SetUp() override
    {
        CommandsFixture::SetUp();
        QApplication::setActiveWindow(frame.get());
        path = view().database().fileName;
        original = readFile(QString::fromStdString(path));
    }

    QAction* undoAction() { return frame->action(ID_EDIT_UNDO); }
    QAction* redoAction() { return frame->action(ID_EDIT_REDO); }
    void key(QKeySequence keys)
    {
        tree().setFocus();
        QTest::keySequence(&tree(), keys);
    }
    bool titleModified() const { return frame->windowTitle().contains("(Modified)"); }

    std::string path;
    QByteArray original;
};

struct Change {
    const char* select;
    const char* step;
    std::function<void()> make;
};

TEST_F(UndoTest, EachCommandIsOneStepThatUndoesToTheSavedBytes)
{
    const auto command = [this](CommandId id) { return [this, id] { trigger(id); }; };
    // A bulk delete asks first.
    const auto confirmed = [this](CommandId id) {
        return [this, id] {
            prompter.answerQuestion(PromptAnswer::Yes);
            trigger(id);
        };
    };
    const Change changes[] = {
        {"TP1", "Delete Transponder", command(ID_TP_DELETE)},
        {"TP1", "Delete All Transponders in Network", confirmed(ID_TP_DELETE_ALL_IN_NET)},
        {"TP1", "Add Program", command(ID_PROG_ADD)},
        {"TP1", "Add Transponder", command(ID_TP_ADD)},
        {"Prog 1", "Delete Program", command(ID_PROG_DELETE)},
        {"TP0", "Delete All Programs in Network", confirmed(ID_PROG_DELETE_ALL_IN_NET)},
        {"TP0", "Sort by Degree", command(ID_SORT_BY_DEGREE)},
        {"TP0", "Channel List",
         [this] {
             dialogs.answerChannelList([](ChannelDatabase& database) {
                 database.favourites[1].tvList.push_back(0);
                 return true;
             });
             trigger(ID_VIEW_CHLIST);
         }},
        {"TP0", "Modification Date",
         [this] {
             dialogs.answerDate(DateDialogValues{CDlgDate::RADIO_VERSION, {}, QStringLiteral("B002")});
             trigger(ID_MODIFICATION_DATE);
         }},
        {"Prog 1", "Move", [this] { key(QKeySequence(Qt::ShiftModifier | Qt::Key_Down)); }},
        {"TP1", "Transponder Changes",
         [this] {
             type(editBar().widget(), "frequency", "12345");
             QTest::mouseClick(editBar().widget()->findChild<QPushButton*>("ok"), Qt::LeftButton);
         }},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.step);
        reopen(makeVariedDatabase(2, kFlags));
        select(change.select);
        EXPECT_FALSE(undoAction()->isEnabled());
        trigger(ID_FILE_SAVE);
        const QByteArray saved = readFile(pathFor("commands.kvx"));
        const std::vector<uint8_t> before = imageOf(db());

        change.make();
        const std::vector<uint8_t> changed = imageOf(db());
        EXPECT_NE(changed, before);
        EXPECT_EQ(undoAction()->text(), QString("&Undo %1").arg(change.step));
        EXPECT_TRUE(titleModified());

        key(QKeySequence(Qt::ControlModifier | Qt::Key_Z));
        EXPECT_EQ(imageOf(db()), before);
        EXPECT_FALSE(titleModified()); // back at the saved state
        EXPECT_EQ(tree().currentItem(), view().currentItem());
        EXPECT_NE(view().currentItem(), nullptr);
        EXPECT_EQ(redoAction()->text(), QString("&Redo %1").arg(change.step));
        EXPECT_EQ(undoAction()->text(), "&Undo");
        EXPECT_FALSE(undoAction()->isEnabled());
        trigger(ID_FILE_SAVE);
        EXPECT_EQ(readFile(pathFor("commands.kvx")), saved);

        key(QKeySequence(Qt::ControlModifier | Qt::Key_Y));
        EXPECT_EQ(imageOf(db()), changed);
        EXPECT_TRUE(titleModified());
        EXPECT_FALSE(redoAction()->isEnabled());
        key(QKeySequence(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z)); // nothing left to redo
        EXPECT_EQ(imageOf(db()), changed);
        key(QKeySequence(Qt::ControlModifier | Qt::Key_Z));
        EXPECT_FALSE(view().modified());
    }
}

// Ctrl+Z in a field takes back typing; the window's Undo acts on the database.
TEST_F(UndoTest, TypingIsUndoneByTheFieldAndTheHistoryEndsAtOpenAndClose)
{
    select("TP1");
    trigger(ID_TP_DELETE);
    select("TP0");
    auto* frequency = editBar().widget()->findChild<QLineEdit*>("frequency");
    frequency->setFocus();
    QTest::keyClicks(frequency, "9");
    const std::vector<uint8_t> deleted = imageOf(db());
    QTest::keySequence(frequency, QKeySequence(Qt::ControlModifier | Qt::Key_Z));
    EXPECT_EQ(frequency->text(), "11000");
    EXPECT_EQ(imageOf(db()), deleted);
    EXPECT_TRUE(undoAction()->isEnabled());

    prompter.answerQuestion(PromptAnswer::No); // the save question
    trigger(ID_FILE_CLOSE);
    EXPECT_FALSE(undoAction()->isEnabled());
}

} // namespace
