#include <QLineEdit>
#include <QTreeWidget>

#include "framefixture.h"
#include "panels/editapplier.h"
#include "panels/editbar.h"
#include "support/sampledatabase.h"
#include "widgetdriver.h"

using namespace kvx;
using namespace kvx::test;

namespace {

// Editing through the edit bar of a running main window: the view applies the page when the selection
// moves, when a command needs the database, and when the page's OK is pressed.
class ApplyEditsTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        open(writeKvx("edit.kvx", makeVariedDatabase(1, FLAG_PROG_CA | FLAG_TP_NAMES)));
        frame->show();
    }

    QWidget* page() { return editBar().widget(); }
    QTreeWidgetItem* network(int slot) { return tree().topLevelItem(slot); }
};

TEST_F(ApplyEditsTest, NoDiscardsNetworkAndAntennaEditsAlike)
{
    const NetInfo storedNet = db().networks[0];
    const AntInfo storedAnt = db().antennas[0];
    type(page(), "degree", "-5");
    pick(page(), "lnbPower", "OFF");
    prompter.answerQuestion(PromptAnswer::No);
    clickOn(network(1));
    EXPECT_EQ(prompter.shown.back(), EditApplier::kNetworkQuestion);
    EXPECT_EQ(view().currentItem(), network(1));
    EXPECT_EQ(db().networks[0].degree, storedNet.degree);
    EXPECT_EQ(db().antennas[0], storedAnt);
    EXPECT_FALSE(view().modified());

    // Going back shows the stored values again.
    clickOn(network(0));
    EXPECT_EQ(text(page(), "degree"), QString::fromStdString(storedNet.degreeText()));
}

TEST_F(ApplyEditsTest, YesAppliesAndRelabelsTheNetwork)
{
    type(page(), "name", "Renamed");
    type(page(), "degree", "19.25");
    prompter.answerQuestion(PromptAnswer::Yes);
    clickOn(network(1));
    EXPECT_EQ(db().networks[0].name, "Renamed");
    EXPECT_EQ(db().networks[0].degree, 192);
    EXPECT_TRUE(network(0)->text(0).contains("Renamed"));
    EXPECT_TRUE(view().modified());
}

TEST_F(ApplyEditsTest, CancelKeepsThePreviousSelectionAndTheTypedValues)
{
    type(page(), "degree", "7");
    prompter.answerQuestion(PromptAnswer::Cancel);
    tree().setCurrentItem(network(1)); // a move made by the program is refused like a click
    EXPECT_EQ(view().currentItem(), network(0));
    EXPECT_EQ(tree().currentItem(), network(0));
    EXPECT_EQ(tree().selectedItems(), QList<QTreeWidgetItem*>{network(0)});
    EXPECT_EQ(text(page(), "degree"), "7");
}

TEST_F(ApplyEditsTest, InvalidTransponderBlocksTheSelectionChangeAndSave)
{
    QTreeWidgetItem* tp = network(0)->child(0);
    ASSERT_NE(tp, nullptr);
    clickOn(tp);
    const TpInfo stored = *view().currentTp();
    type(page(), "frequency", "");
    prompter.acknowledgeMessage();
    clickOn(network(1));
    EXPECT_EQ(prompter.shown.back(), EditApplier::kInvalidTransponder);
    EXPECT_EQ(view().currentItem(), tp);

    prompter.acknowledgeMessage();
    trigger(ID_FILE_SAVE);
    EXPECT_EQ(prompter.shown.back(), EditApplier::kInvalidTransponder);
    EXPECT_FALSE(view().currentTp()->differs(stored));
    EXPECT_TRUE(prompter.fileDialogs.isEmpty());
}

TEST_F(ApplyEditsTest, OkAppliesWithoutAskingAndRelabelsTheTransponder)
{
    QTreeWidgetItem* tp = network(0)->child(0);
    clickOn(tp);
    type(page(), "frequency", "12345");
    type(page(), "name", "Mux 9");
    click(page(), "ok");
    EXPECT_EQ(view().currentTp()->frequency, 12345);
    EXPECT_EQ(tp->text(0), "Mux 9"); // transponders show their names in this file
    EXPECT_TRUE(view().modified());
    clickOn(network(1)); // nothing left to ask
    EXPECT_EQ(view().currentItem(), network(1));
}

TEST_F(ApplyEditsTest, RadioChangeMovesTheProgramBetweenChannelLists)
{
    QTreeWidgetItem* item = network(0)->child(0)->child(0);
    ASSERT_NE(item, nullptr);
    clickOn(item);
    ProgInfo* prog = view().currentProg();
    const bool wasRadio = prog->isRadio();
    const auto position = static_cast<uint16_t>(db().programs.indexOf(prog));
    // Put the program into group 0 so that the move can be seen.
    db().favourites[0].tvList.clear();
    db().favourites[0].radioList.clear();
    (wasRadio ? db().favourites[0].radioList : db().favourites[0].tvList).push_back(position);
    click(page(), wasRadio ? "serviceTypeTv" : "serviceTypeRadio");
    click(page(), "ok");
    EXPECT_EQ(prog->isRadio(), !wasRadio);
    const CChList& now = wasRadio ? db().favourites[0].tvList : db().favourites[0].radioList;
    ASSERT_EQ(now.size(), 1u);
    EXPECT_EQ(now[0], position);
}

} // namespace
