// Several rows of one level selected with Ctrl and Shift clicks, and what Delete does with them.

#include <QApplication>
#include <QTest>

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

} // namespace kvx::test
