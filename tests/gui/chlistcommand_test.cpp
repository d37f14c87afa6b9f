#include <QAction>

#include "db/channellistwork.h"
#include "framefixture.h"
#include "support/chlistdatabase.h"
#include "widgetdriver.h"

using namespace kvx;
using namespace kvx::test;

namespace {

// The View menu's Channel List command in a running main window; the dialog itself is played by the
// scripted factory.
class ChannelListCommandTest : public FrameFixture {
protected:
    void openSample()
    {
        open(writeKvx("chlist.kvx", makeChannelListDatabase()));
        tree().expandAll();
    }

    QStringList childTexts(QTreeWidgetItem* item) const
    {
        QStringList texts;
        for (int k = 0; k < item->childCount(); ++k)
            texts << item->child(k)->text(0);
        return texts;
    }
};

} // namespace

TEST_F(ChannelListCommandTest, DoesNothingOnTheEmptyPage)
{
    EXPECT_FALSE(frame->action(ID_VIEW_CHLIST)->isEnabled());
    view().OnViewChannelList(); // no dialog is scripted: opening one would fail the test
    EXPECT_FALSE(view().channelListOpen());
    EXPECT_FALSE(view().modified());
}

TEST_F(ChannelListCommandTest, ChannelListIsOpenWhileTheDialogRunsAndAChangeMarksTheDocument)
{
    openSample();
    QTreeWidgetItem* bravo = findItem("bravo");
    ASSERT_NE(bravo, nullptr);
    tree().setCurrentItem(bravo);
    ASSERT_EQ(view().currentItem(), bravo);
    bool openDuring = false;
    bool checkedDuring = false;
    dialogs.answerChannelList([&](ChannelDatabase& database) {
        openDuring = view().channelListOpen();
        checkedDuring = frame->action(ID_VIEW_CHLIST)->isChecked();
        ChannelListWork work(database);
        work.selectGroup({GROUP_NETWORK, 1});
        work.moveRow(1, 0); // delta before bravo
        return work.apply();
    });
    trigger(ID_VIEW_CHLIST);
    EXPECT_TRUE(openDuring);
    EXPECT_TRUE(checkedDuring);
    EXPECT_FALSE(view().channelListOpen());
    EXPECT_FALSE(frame->action(ID_VIEW_CHLIST)->isChecked());
    EXPECT_TRUE(view().modified());
    EXPECT_TRUE(frame->windowTitle().contains("(Modified)"));
    EXPECT_EQ(programNames(db()),
              (std::vector<std::string>{"Alpha", "Radio One", "delta", "Charlie", "Radio Two", "bravo"}));
    // The tree shows the new order under the transponder and keeps its selection.
    EXPECT_EQ(childTexts(bravo->parent()), (QStringList{"delta", "Radio Two", "bravo"}));
    EXPECT_TRUE(bravo->parent()->isExpanded());
    EXPECT_EQ(tree().currentItem(), bravo);
    EXPECT_EQ(view().currentItem(), bravo);
    EXPECT_EQ(view().currentProg(), CKVXTree::programOf(bravo));
}

TEST_F(ChannelListCommandTest, NoChangeLeavesTheDocumentUnmodified)
{
    openSample();
    dialogs.answerChannelList([&](ChannelDatabase&) {
        EXPECT_TRUE(view().channelListOpen());
        return false;
    });
    trigger(ID_VIEW_CHLIST);
    EXPECT_FALSE(view().channelListOpen());
    EXPECT_FALSE(view().modified());
    EXPECT_TRUE(frame->action(ID_VIEW_CHLIST)->isEnabled());
}

TEST_F(ChannelListCommandTest, PendingEditsStayPendingAndUnasked)
{
    openSample();
    tree().setCurrentItem(findItem("bravo"));
    QWidget* page = editBar().widget();
    type(page, "name", "Edited");
    // No question is scripted: asking to apply would fail the test.
    dialogs.answerChannelList([](ChannelDatabase& database) {
        EXPECT_EQ(database.programs[2].name, "bravo");
        return false;
    });
    trigger(ID_VIEW_CHLIST);
    EXPECT_EQ(text(page, "name"), "Edited");
    EXPECT_EQ(db().programs[2].name, "bravo");
}
