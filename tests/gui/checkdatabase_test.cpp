#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "framefixture.h"
#include "reviewdriver.h"
#include "support/sampledatabase.h"

using namespace kvx;
using namespace kvx::test;

namespace {

struct Planted {
    uint16_t frequency;
    uint8_t polarity;
    std::vector<std::pair<uint16_t, std::string>> programs; // service ID, name
};

ChannelDatabase plantedDatabase(const std::vector<Planted>& tps)
{
    ChannelDatabase db = makeEmptyModel(1, FLAG_TP_EXTRA);
    db.networks[0].name = "Net 0";
    for (const Planted& planted : tps) {
        TpInfo tp = TpInfo::create(0, planted.frequency, planted.polarity);
        tp.symbolRate = 27500;
        const auto position = static_cast<uint16_t>(db.transponders.size());
        db.transponders.append(tp);
        for (const auto& [sid, name] : planted.programs) {
            ProgInfo prog = ProgInfo::create(position, sid);
            prog.name = name;
            db.programs.append(prog);
        }
    }
    return db;
}

class CheckDatabaseTest : public FrameFixture {
protected:
    // Opens the Edit menu and clicks the command's item.
    void chooseInEditMenu(CommandId id)
    {
        QMenu* edit = nullptr;
        for (QAction* entry : frame->menuBar()->actions())
            if (entry->text() == "&Edit")
                edit = entry->menu();
        ASSERT_NE(edit, nullptr);
        QAction* item = frame->action(id);
        ASSERT_TRUE(edit->actions().contains(item));
        edit->popup(frame->mapToGlobal(QPoint(20, 20)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(edit));
        QTest::mouseClick(edit, Qt::LeftButton, {}, edit->actionGeometry(item).center());
    }

    std::vector<std::string> programsOn(std::size_t tp) const
    {
        std::vector<std::string> names;
        for (const ProgInfo& prog : frame->view()->database().programs)
            if (prog.tpIndex == tp)
                names.push_back(prog.name);
        return names;
    }
};

} // namespace

TEST_F(CheckDatabaseTest, TheReviewedCleanUpIsOneUndoStep)
{
    // 11302 H repeats 11303 H (a copy of "Two" and a program of its own); 12001 V repeats 12000 V;
    // 11500 V is empty. Favourite group 0 holds the copy of "Two" and "Three".
    ChannelDatabase planted = plantedDatabase({{11303, 1, {{1, "One"}, {2, "Two"}}},
                                               {11302, 1, {{2, "Two copy"}, {3, "Three"}}},
                                               {11500, 0, {}},
                                               {12000, 0, {{5, "Five"}}},
                                               {12001, 0, {{6, "Six"}}}});
    planted.favourites[0].tvList = {2, 3};
    open(writeKvx("dups.kvx", planted));
    const std::vector<uint8_t> before = imageOf(db());

    dialogs.answerReviewWith([](CDlgReview& review) {
        auto* table = review.findChild<QTreeWidget*>("changes");
        ASSERT_EQ(table->topLevelItemCount(), 6);
        QStringList shown;
        for (int k = 0; k < table->topLevelItemCount(); ++k)
            shown << table->topLevelItem(k)->text(0) + ": " + table->topLevelItem(k)->text(1) + " | " +
                         table->topLevelItem(k)->text(2);
        EXPECT_EQ(shown, QStringList({"Duplicate transponder: 11302 H 27500 (Net 0) | 11303 H 27500 (Net 0)",
                                      "Duplicate transponder: 12001 V 27500 (Net 0) | 12000 V 27500 (Net 0)",
                                      "Moved program: Three, SID 3, 11302 H | 11303 H 27500 (Net 0)",
                                      "Moved program: Six, SID 6, 12001 V | 12000 V 27500 (Net 0)",
                                      "Duplicate program: Two copy, SID 2, 11302 H | Two, SID 2, 11303 H",
                                      "Empty transponder: 11500 V 27500 (Net 0) | "}));
        EXPECT_EQ(table->topLevelItem(5)->checkState(0), Qt::Unchecked);
        // 12001 V stays: its program's move then does nothing.
        test::clickTickBox(table, table->topLevelItem(1));
        EXPECT_EQ(review.findChild<QLabel*>("counts")->text(),
                  "1 transponder removed, 1 program removed, 1 program moved, 1 favourite entry merged; "
                  "2 changes left out");
        QTest::mouseClick(review.findChild<QPushButton*>("apply"), Qt::LeftButton);
    });
    chooseInEditMenu(ID_EDIT_CHECK_DATABASE);

    ASSERT_EQ(dialogs.reviewsShown.size(), 1);
    EXPECT_EQ(dialogs.reviewsShown[0].title, "Check Database");
    ASSERT_EQ(db().transponders.size(), 4u);
    EXPECT_EQ(programsOn(0), std::vector<std::string>({"One", "Two", "Three"}));
    EXPECT_EQ(programsOn(2), std::vector<std::string>({"Five"}));
    EXPECT_EQ(programsOn(3), std::vector<std::string>({"Six"}));
    // The group keeps "Two" in the copy's place.
    EXPECT_EQ(db().favourites[0].tvList, CChList({1, 2}));
    EXPECT_EQ(tree().topLevelItem(0)->childCount(), 4);
    EXPECT_TRUE(view().modified());
    EXPECT_EQ(frame->action(ID_EDIT_UNDO)->text(), "&Undo Clean Up");

    chooseInEditMenu(ID_EDIT_UNDO);
    EXPECT_EQ(imageOf(db()), before);
    EXPECT_EQ(tree().topLevelItem(0)->childCount(), 5);
    EXPECT_FALSE(view().modified());
}

TEST_F(CheckDatabaseTest, ACleanDatabaseIsToldSoAndLeftAsItIs)
{
    open(writeKvx("clean.kvx", plantedDatabase({{11303, 1, {{1, "One"}}}, {12000, 0, {{1, "One"}}}})));
    const std::vector<uint8_t> before = imageOf(db());
    prompter.acknowledgeMessage();
    chooseInEditMenu(ID_EDIT_CHECK_DATABASE);
    EXPECT_EQ(prompter.shown, QStringList({"The database has no duplicates or empty records."}));
    EXPECT_TRUE(dialogs.reviewsShown.isEmpty());
    EXPECT_EQ(imageOf(db()), before);
    EXPECT_FALSE(view().modified());
}
