#include <functional>

#include <QApplication>
#include <QTest>

#include "commandsfixture.h"
#include "db/fileops.h"
#include "panels/editapplier.h"
#include "panels/editbar.h"
#include "widgetdriver.h"

using namespace kvx;
using namespace kvx::test;

namespace {

// Shift+Down and Shift+Up while the page holds a typed name: the page's question comes before the move,
// Cancel stops it, and Yes and No move the record the page was on (Yes with the new name).
class MoveWithEditsTest : public CommandsFixture {
protected:
    void SetUp() override
    {
        CommandsFixture::SetUp();
        QApplication::setActiveWindow(frame.get());
    }

    void keyOnTree(Qt::Key key)
    {
        tree().setFocus();
        QTest::keyClick(&tree(), key, Qt::ShiftModifier);
    }

    static int indexOf(QTreeWidgetItem* item)
    {
        return item->parent() != nullptr ? item->parent()->indexOfChild(item)
                                         : item->treeWidget()->indexOfTopLevelItem(item);
    }
};

struct Level {
    const char* name;
    std::function<QTreeWidgetItem*(CKVXTree&)> item; // one with a sibling after it
    std::function<std::string(QTreeWidgetItem*)> recordName;
    const char* question;
};

} // namespace

TEST_F(MoveWithEditsTest, ThePagesQuestionComesFirstAndEveryAnswerKeepsTheWindowAndTheFileRight)
{
    const std::vector<Level> levels = {
        {"network", [](CKVXTree& t) { return t.topLevelItem(0); },
         [](QTreeWidgetItem* i) { return CKVXTree::networkOf(i)->name; }, EditApplier::kNetworkQuestion},
        {"transponder", [](CKVXTree& t) { return t.topLevelItem(0)->child(0); },
         [](QTreeWidgetItem* i) { return CKVXTree::transponderOf(i)->name; },
         EditApplier::kTransponderQuestion},
        {"program", [](CKVXTree& t) { return t.topLevelItem(0)->child(0)->child(0); },
         [](QTreeWidgetItem* i) { return CKVXTree::programOf(i)->name; }, EditApplier::kProgramQuestion},
    };
    for (const Level& level : levels) {
        for (const PromptAnswer answer : {PromptAnswer::Yes, PromptAnswer::No, PromptAnswer::Cancel}) {
            SCOPED_TRACE(std::string(level.name) + " answered " + std::to_string(static_cast<int>(answer)));
            reopen(makeVariedDatabase(2, kFlags));
            QTreeWidgetItem* item = level.item(tree());
            ASSERT_NE(item, nullptr);
            const std::string before = level.recordName(item);
            void* record = CKVXTree::levelOf(item) == TreeLevel::Network
                               ? static_cast<void*>(CKVXTree::networkOf(item))
                           : CKVXTree::levelOf(item) == TreeLevel::Transponder
                               ? static_cast<void*>(CKVXTree::transponderOf(item))
                               : static_cast<void*>(CKVXTree::programOf(item));
            clickOn(item);
            type(editBar().widget(), "name", "Edited");
            prompter.answerQuestion(answer);
            keyOnTree(Qt::Key_Down);
            ASSERT_FALSE(prompter.shown.isEmpty());
            EXPECT_EQ(prompter.shown.back(), level.question);

            QTreeWidgetItem* current = tree().currentItem();
            ASSERT_NE(current, nullptr);
            EXPECT_EQ(view().currentItem(), current);
            const bool moved = answer != PromptAnswer::Cancel;
            EXPECT_EQ(indexOf(current), moved ? 1 : 0);
            EXPECT_EQ(level.recordName(current), answer == PromptAnswer::Yes ? "Edited" : before);
            if (!moved) {
                EXPECT_EQ(text(editBar().widget(), "name"), "Edited");
                EXPECT_FALSE(view().modified());
                prompter.answerQuestion(PromptAnswer::No); // opening another file settles the name
                reopen(makeVariedDatabase(2, kFlags));
                continue;
            }
            // The record the page was on is the one that moved, and it moves back with Shift+Up.
            const auto* shown = CKVXTree::levelOf(current) == TreeLevel::Network
                                    ? static_cast<const void*>(CKVXTree::networkOf(current))
                                : CKVXTree::levelOf(current) == TreeLevel::Transponder
                                    ? static_cast<const void*>(CKVXTree::transponderOf(current))
                                    : static_cast<const void*>(CKVXTree::programOf(current));
            EXPECT_EQ(shown, record);
            keyOnTree(Qt::Key_Up);
            EXPECT_EQ(indexOf(tree().currentItem()), 0);

            trigger(ID_FILE_SAVE);
            ChannelDatabase saved;
            ASSERT_EQ(openDatabase(saved, pathFor("commands.kvx").toStdString()), StatusOk);
            EXPECT_EQ(imageOf(saved), imageOf(db()));
            EXPECT_TRUE(prompter.scriptDone());
        }
    }
}
