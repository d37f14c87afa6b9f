#include <random>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidgetItemIterator>

#include "commandsfixture.h"
#include "panels/editbar.h"
#include "widgetdriver.h"

using namespace kvx;
using namespace kvx::test;

namespace {

// A few hundred random clicks, edits, keys, commands and answers on the real window, from a fixed seed.
// The window must live through them, and undoing every step must give back the opened database.
class RandomRunTest : public CommandsFixture {
protected:
    void SetUp() override
    {
        CommandsFixture::SetUp();
        QApplication::setActiveWindow(frame.get());
        prompter.improvise = [this] {
            constexpr PromptAnswer answers[] = {PromptAnswer::Yes, PromptAnswer::No, PromptAnswer::Cancel};
            return answers[pick(3)];
        };
    }

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }

    QList<QTreeWidgetItem*> visibleItems()
    {
        QList<QTreeWidgetItem*> items;
        for (QTreeWidgetItemIterator it(&tree()); *it != nullptr; ++it)
            if (!(*it)->isHidden() && (((*it)->parent() == nullptr) || (*it)->parent()->isExpanded()))
                items << *it;
        return items;
    }

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ShiftModifier)
    {
        tree().setFocus();
        QTest::keyClick(&tree(), key, modifiers);
    }

    void act()
    {
        static const CommandId commands[] = {ID_EDIT_UNDO,
                                             ID_EDIT_REDO,
                                             ID_SORT_BY_DEGREE,
                                             ID_TP_SORT_BY_FREQUENCY,
                                             ID_TP_ADD,
                                             ID_PROG_ADD,
                                             ID_TP_DELETE_ALL_IN_NET,
                                             ID_PROG_DELETE,
                                             ID_PROG_DELETE_ALL_IN_TP};
        switch (pick(8)) {
        case 0:
        case 1: {
            const QList<QTreeWidgetItem*> items = visibleItems();
            if (!items.isEmpty())
                clickOn(items[pick(static_cast<int>(items.size()))]);
            break;
        }
        case 2: {
            const QList<QLineEdit*> fields = editBar().widget()->findChildren<QLineEdit*>();
            if (!fields.isEmpty()) {
                QLineEdit* field = fields[pick(static_cast<int>(fields.size()))];
                if (field->isEnabled())
                    type(editBar().widget(), field->objectName().toLatin1().constData(),
                         QString::number(pick(20000)));
            }
            break;
        }
        case 3: QTest::keyClick(editBar().widget(), Qt::Key_Return); break;
        case 4: key(pick(2) == 0 ? Qt::Key_Up : Qt::Key_Down); break;
        case 5: key(pick(2) == 0 ? Qt::Key_Insert : Qt::Key_Delete); break;
        case 6: trigger(commands[pick(static_cast<int>(std::size(commands)))]); break;
        case 7: {
            const QList<QTreeWidgetItem*> items = visibleItems();
            if (!items.isEmpty()) {
                QTreeWidgetItem* item = items[pick(static_cast<int>(items.size()))];
                item->setExpanded(!item->isExpanded());
            }
            break;
        }
        }
    }

    std::mt19937 random{20261209};
};

} // namespace

TEST_F(RandomRunTest, TheWindowLivesAndUndoingEverythingGivesTheOpenedDatabase)
{
    const std::vector<uint8_t> opened = imageOf(db());
    constexpr int kRounds = 5;
    constexpr int kActions = 60; // fewer steps than the history keeps
    for (int round = 0; round < kRounds; ++round) {
        for (int k = 0; k < kActions; ++k)
            act();
        // Pending edits are dropped, then every step undone.
        prompter.improvise = [] { return PromptAnswer::No; };
        clickOn(tree().topLevelItem(0));
        while (frame->action(ID_EDIT_UNDO)->isEnabled())
            trigger(ID_EDIT_UNDO);
        ASSERT_EQ(imageOf(db()), opened) << "round " << round;
        EXPECT_TRUE(frame->isVisible());
        prompter.improvise = [this] {
            constexpr PromptAnswer answers[] = {PromptAnswer::Yes, PromptAnswer::No, PromptAnswer::Cancel};
            return answers[pick(3)];
        };
    }
}
