#include <QApplication>
#include <QTest>

#include "commandsfixture.h"
#include "panels/editapplier.h"
#include "panels/editbar.h"
#include "widgetdriver.h"

using namespace kvx;
using namespace kvx::test;

namespace {

// Moving in the tree, by mouse or keys, while the page holds edits: the page's question comes before
// anything moves, so that a refusal leaves the highlight, the current item, the page and the commands
// together on the record being edited.
class RefusedMoveTest : public CommandsFixture {
protected:
    void SetUp() override
    {
        CommandsFixture::SetUp();
        QApplication::setActiveWindow(frame.get());
    }

    QWidget* page() { return editBar().widget(); }
    QTreeWidgetItem* network(int slot) { return tree().topLevelItem(slot); }

    void keyOnTree(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        tree().setFocus();
        QTest::keyClick(&tree(), key, modifiers);
    }

    // Everything that tells which record is shown names the item.
    void expectShown(QTreeWidgetItem* item)
    {
        EXPECT_EQ(tree().currentItem(), item);
        EXPECT_EQ(tree().selectedItems(), QList<QTreeWidgetItem*>{item});
        EXPECT_EQ(view().currentItem(), item);
        if (CKVXTree::levelOf(item) == TreeLevel::Network) {
            EXPECT_EQ(view().page(), PAGE_NETWORK);
            EXPECT_EQ(view().currentNet(), CKVXTree::networkOf(item));
        } else {
            EXPECT_EQ(view().page(), PAGE_TRANSPONDER);
            EXPECT_EQ(view().currentTp(), CKVXTree::transponderOf(item));
        }
    }
};

TEST_F(RefusedMoveTest, CancelAfterAClickKeepsEverythingOnTheEditedNetwork)
{
    clickOn(network(0));
    type(page(), "degree", "7");
    prompter.answerQuestion(PromptAnswer::Cancel);
    clickOn(network(1));
    EXPECT_EQ(prompter.shown.back(), EditApplier::kNetworkQuestion);
    expectShown(network(0));
    EXPECT_EQ(text(page(), "degree"), "7");

    prompter.answerQuestion(PromptAnswer::Yes);
    trigger(ID_TP_DELETE_ALL_IN_NET);
    EXPECT_EQ(network(0)->childCount(), 0);
    EXPECT_EQ(childLabels(network(1)), QStringList({"TP3"}));
}

TEST_F(RefusedMoveTest, RefusedTransponderPageKeepsTheClickAndShiftDeleteOnIt)
{
    QTreeWidgetItem* edited = findItem("TP0");
    clickOn(edited);
    type(page(), "frequency", "");
    prompter.acknowledgeMessage();
    clickOn(findItem("TP3"));
    EXPECT_EQ(prompter.shown.back(), EditApplier::kInvalidTransponder);
    expectShown(edited);

    prompter.answerQuestion(PromptAnswer::Cancel);
    keyOnTree(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_TRUE(prompter.shown.back().contains("11.000")) << prompter.shown.back().toStdString();
}

TEST_F(RefusedMoveTest, CancelKeepsTheNetworkWhicheverKeyMoves)
{
    clickOn(network(1));
    type(page(), "degree", "7");
    // Up and Down, the page and end keys, and a letter that finds "Astra 1".
    for (Qt::Key key :
         {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_A}) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        prompter.answerQuestion(PromptAnswer::Cancel);
        keyOnTree(key);
        EXPECT_TRUE(prompter.scriptDone());
        expectShown(network(1));
    }
    prompter.answerQuestion(PromptAnswer::Cancel);
    keyOnTree(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_TRUE(prompter.shown.back().startsWith("Delete the network \"Hotbird\""));
}

TEST_F(RefusedMoveTest, YesAndNoMoveEverythingToTheClickedItem)
{
    struct Case {
        PromptAnswer answer;
        const char* typed;
        uint16_t storedDegree;
    };
    for (const Case& c : {Case{PromptAnswer::No, "8", 192}, Case{PromptAnswer::Yes, "7", 70}}) {
        clickOn(network(0));
        type(page(), "degree", c.typed);
        prompter.answerQuestion(c.answer);
        clickOn(network(1));
        EXPECT_TRUE(prompter.scriptDone());
        expectShown(network(1));
        EXPECT_EQ(db().networks[0].degree, c.storedDegree);
    }
    // With nothing pending, a key moves the highlight along with everything else.
    keyOnTree(Qt::Key_Home);
    expectShown(network(0));
}

} // namespace
