// The editor on a database above the tree's eager limit (set to none here, so that a small database
// takes that path): branches get their items as the user opens them, and the commands find the
// records of closed branches all the same.
#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QTest>

#include "app/deletequestion.h"
#include "framefixture.h"
#include "support/sampledatabase.h"

using namespace kvx;
using namespace kvx::test;

namespace {

class LazyBranchesTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        tree().setEagerLimit(0);
        frame->show();
        QApplication::setActiveWindow(frame.get());
        open(writeKvx("lazy.kvx", makeVariedDatabase(1, FLAG_PROG_CA | FLAG_TP_NAMES)));
    }

    // A click on the row, then the Right key, which opens it.
    QTreeWidgetItem* openRow(QTreeWidgetItem* row)
    {
        clickOn(row);
        QTest::keyClick(&tree(), Qt::Key_Right);
        return row;
    }
    QTreeWidgetItem* network(int n) { return tree().topLevelItem(n); }
    int programsOf(int tpIndex)
    {
        return static_cast<int>(std::count_if(db().programs.begin(), db().programs.end(),
                                              [tpIndex](const ProgInfo& p) { return p.tpIndex == tpIndex; }));
    }
};

} // namespace

TEST_F(LazyBranchesTest, OpeningABranchMakesItsItems)
{
    QTreeWidgetItem* astra = network(0);
    EXPECT_EQ(astra->childCount(), 0);
    openRow(astra);
    ASSERT_EQ(astra->childCount(), 3);
    EXPECT_EQ(astra->child(1)->text(0), "TP1");
    QTreeWidgetItem* tp = openRow(astra->child(0));
    ASSERT_EQ(tp->childCount(), programsOf(0));
    EXPECT_EQ(CKVXTree::programOf(tp->child(0)), &db().programs[0]);
    // The arrow opens a branch as the key does.
    QTreeWidgetItem* hotbird = network(1);
    const QRect row = tree().visualItemRect(hotbird);
    QTest::mouseClick(tree().viewport(), Qt::LeftButton, {}, QPoint(row.left() - 10, row.center().y()));
    EXPECT_TRUE(hotbird->isExpanded());
    EXPECT_EQ(hotbird->childCount(), 1);
}

TEST_F(LazyBranchesTest, CommandsReachTheRecordsOfClosedBranches)
{
    // Adding to a closed transponder fills it and selects the new program.
    openRow(network(0));
    clickOn(network(0)->child(1));
    const int before = programsOf(1);
    trigger(ID_PROG_ADD);
    QTreeWidgetItem* added = view().currentItem();
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->parent(), network(0)->child(1));
    EXPECT_EQ(added->parent()->childCount(), before + 1);

    // The question counts what the database holds, not the items made.
    clickOn(network(1));
    prompter.answerQuestion(PromptAnswer::Yes);
    const int programs = programsOf(3);
    ASSERT_GT(programs, 1);
    trigger(ID_PROG_DELETE_ALL_IN_NET);
    EXPECT_EQ(prompter.shown.back(),
              deleteAllProgramsQuestion(db().networks[1], programs, view().nameEncoding()));
    EXPECT_EQ(programsOf(3), 0);
}

TEST_F(LazyBranchesTest, UndoOpensTheBranchesThatWereOpenAndSelectsTheRecordAgain)
{
    QTreeWidgetItem* tp = openRow(openRow(network(0))->child(0));
    clickOn(tp->child(1));
    const std::string moved = view().currentProg()->name;
    trigger(ID_MOVE_UP);
    EXPECT_EQ(view().currentProg()->name, moved);
    trigger(ID_EDIT_UNDO);
    ASSERT_TRUE(network(0)->isExpanded());
    ASSERT_TRUE(network(0)->child(0)->isExpanded());
    EXPECT_EQ(view().currentProg()->name, moved);
    EXPECT_EQ(view().currentItem(), network(0)->child(0)->child(1));
}
