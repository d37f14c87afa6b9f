// Several rows of one level selected with Ctrl and Shift clicks, and what Delete does with them.

#include <functional>

#include <QApplication>
#include <QTest>

#include "db/fileops.h"
#include "db/tables.h"

#include "app/childview.h"
#include "app/kvxtree.h"
#include "app/mainframe.h"
#include "commandsfixture.h"

namespace kvx::test {

namespace {

class MultiSelectTest : public CommandsFixture {
protected:
    void SetUp() override
    {
        CommandsFixture::SetUp();
        QApplication::setActiveWindow(frame.get());
    }
    void clickWith(const QString& label, Qt::KeyboardModifiers modifiers)
    {
        QTest::mouseClick(tree().viewport(), Qt::LeftButton, modifiers, centerOf(findItem(label)));
    }
    void keys(const char* sequence)
    {
        tree().setFocus();
        QTest::keySequence(&tree(), QKeySequence(QString::fromLatin1(sequence)));
    }
    // A drag with the real mouse: press on one row, move over another, release there.
    void dragWithMouse(const QString& from, const QString& to)
    {
        QWidget* viewport = tree().viewport();
        const QPoint start = centerOf(findItem(from));
        const QPoint end = centerOf(findItem(to));
        QTest::mousePress(viewport, Qt::LeftButton, {}, start);
        for (const QPoint& at : {start + QPoint(0, 8), end}) {
            QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                             Qt::NoModifier);
            QCoreApplication::sendEvent(viewport, &move);
        }
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, end);
    }
    // The database as the last save wrote it.
    ChannelDatabase saved()
    {
        trigger(ID_FILE_SAVE);
        ChannelDatabase database;
        EXPECT_EQ(openDatabase(database, pathFor("commands.kvx").toStdString()), StatusOk);
        return database;
    }
    static std::vector<std::string> names(const ChannelDatabase& database, std::vector<int> positions)
    {
        std::vector<std::string> out;
        for (const int position : positions)
            out.push_back(database.programs[position].name);
        return out;
    }
    QStringList selectedLabels() const
    {
        QStringList labels;
        for (const QTreeWidgetItem* item : frame->view()->tree()->selectedItems())
            labels << item->text(0);
        labels.sort();
        return labels;
    }
};

} // namespace

TEST_F(MultiSelectTest, CtrlAndShiftSelectOneLevelAndDeleteTakesThemInOneStep)
{
    clickOn(findItem("Prog 0"));
    clickWith("Prog 5", Qt::ControlModifier);
    EXPECT_EQ(selectedLabels(), QStringList({"Prog 0", "Prog 5"}));
    // Another level starts again there.
    clickWith("TP1", Qt::ControlModifier);
    EXPECT_EQ(selectedLabels(), QStringList({"TP1"}));
    clickOn(findItem("Prog 0"));
    clickWith("Prog 5", Qt::ControlModifier);

    const std::size_t programs = db().programs.size();
    prompter.answerQuestion(PromptAnswer::Yes);
    tree().setFocus();
    QTest::keyClick(&tree(), Qt::Key_Delete);
    EXPECT_EQ(prompter.shown.back(), "Delete 2 programs?");
    EXPECT_EQ(db().programs.size(), programs - 2);
    EXPECT_EQ(findItem("Prog 0"), nullptr);
    EXPECT_EQ(findItem("Prog 5"), nullptr);
    QTest::keySequence(&tree(), QKeySequence(QStringLiteral("Ctrl+Z")));
    EXPECT_EQ(db().programs.size(), programs);
    EXPECT_NE(findItem("Prog 5"), nullptr);
}

// Programs 0, 5 and 10 are TP0's; 1, 6 and 11 TP1's.
TEST_F(MultiSelectTest, BlockCommandsAreOneStepEachAndUndoToTheSavedBytes)
{
    struct Case {
        const char* step;
        std::function<void()> act;
        std::function<void(const ChannelDatabase&)> check;
    };
    const auto pick = [this](const QString& first, const QString& other, Qt::KeyboardModifiers modifiers) {
        clickOn(findItem(first));
        clickWith(other, modifiers);
    };
    const Case cases[] = {
        {"Move",
         [&] {
             pick("Prog 5", "Prog 10", Qt::ShiftModifier);
             keys("Shift+Up");
         },
         [&](const ChannelDatabase& file) {
             // The block passes Prog 0; the other transponders' programs keep their numbers.
             EXPECT_EQ(names(file, {0, 5, 10, 1}),
                       (std::vector<std::string>{"Prog 5", "Prog 10", "Prog 0", "Prog 1"}));
             EXPECT_EQ(selectedLabels(), QStringList({"Prog 10", "Prog 5"}));
         }},
        {"Move",
         [&] {
             pick("Prog 0", "Prog 5", Qt::ControlModifier);
             dragWithMouse("Prog 0", "Prog 10");
         },
         [&](const ChannelDatabase& file) {
             EXPECT_EQ(names(file, {0, 5, 10}), (std::vector<std::string>{"Prog 10", "Prog 0", "Prog 5"}));
         }},
        {"Move",
         [&] {
             pick("TP0", "TP1", Qt::ShiftModifier);
             chooseInContextMenu("Move Down");
             requestContextMenu();
         },
         [&](const ChannelDatabase& file) {
             EXPECT_EQ(file.transponders[0].name, "TP2");
             EXPECT_EQ(file.programs[2].tpIndex, 0); // TP2's program went with it
         }},
        {"Add to Favourite Group",
         [&] {
             pick("Prog 0", "Prog 10", Qt::ControlModifier);
             chooseInContextMenu("Add to &Favourite Group/&2 Movies");
             requestContextMenu();
         },
         [&](const ChannelDatabase& file) {
             EXPECT_EQ(file.favourites[1].tvList, (CChList{0, 10}));
         }},
        {"Mark Scrambled",
         [&] {
             pick("Prog 1", "Prog 6", Qt::ControlModifier);
             trigger(ID_PROG_CLEAR_SCRAMBLED);
             trigger(ID_PROG_MARK_SCRAMBLED);
         },
         [&](const ChannelDatabase& file) {
             for (const int position : {1, 6})
                 EXPECT_EQ(file.programs[position].caSystems & CA_SYSTEM_BITS, 1u << CA_UNKNOWN_BIT);
         }},
        {"Delete Programs",
         [&] {
             clickOn(findItem("Prog 5"));
             keys("Ctrl+A"); // the siblings only
             prompter.answerQuestion(PromptAnswer::Yes);
             keys("Shift+Del");
             EXPECT_EQ(prompter.shown.back(), "Delete 3 programs?");
         },
         [&](const ChannelDatabase& file) {
             EXPECT_EQ(file.programs.size(), 9u);
             EXPECT_EQ(file.programs[0].name, "Prog 1");
         }},
        {"Delete Transponders",
         [&] {
             clickOn(findItem("TP0"));
             keys("Ctrl+Shift+Down");
             keys("Ctrl+Shift+Down");
             keys("Ctrl+Shift+Up");
             EXPECT_EQ(selectedLabels(), QStringList({"TP0", "TP1"}));
             prompter.answerQuestion(PromptAnswer::Yes);
             trigger(ID_TP_DELETE);
             EXPECT_EQ(prompter.shown.back(), "Delete 2 transponders and their programs?");
         },
         [&](const ChannelDatabase& file) { EXPECT_EQ(file.transponders.size(), 3u); }},
        {"Delete All Transponders in Network",
         [&] {
             pick("Astra 1", "Hotbird", Qt::ControlModifier);
             prompter.answerQuestion(PromptAnswer::Yes);
             trigger(ID_TP_DELETE_ALL_IN_NET);
             EXPECT_EQ(prompter.shown.back(), "Delete all 4 transponders and 10 programs in 2 networks?");
         },
         [&](const ChannelDatabase& file) { EXPECT_EQ(file.transponders.size(), 1u); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        reopen(makeVariedDatabase(2, kFlags));
        const QByteArray before = (trigger(ID_FILE_SAVE), readFile(pathFor("commands.kvx")));
        c.act();
        EXPECT_EQ(frame->action(ID_EDIT_UNDO)->text(), QString("&Undo %1").arg(c.step));
        c.check(saved());
        keys("Ctrl+Z");
        trigger(ID_FILE_SAVE);
        EXPECT_EQ(readFile(pathFor("commands.kvx")), before);
    }
}

} // namespace kvx::test
