#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/applychanges.h"
#include "db/databasediff.h"
#include "import/lyngsatupdate.h"
#include "import/satcodximport.h"
#include "importdatabase.h"
#include "support/importfixtures.h"
#include "support/sampledatabase.h"

using namespace kvx;
using test::dvbsRow;
using test::lyngSatPage;

namespace {

constexpr uint8_t kSlot = 1;

// Slot 1 holds circular transponders and two within 2 MHz of each other; slots 0 and 2 surround it.
ChannelDatabase mixedNetwork()
{
    return test::databaseWithNetworks({{{11000, 1, 22000, "A1"}},
                                       {{10716, 1, 22000, "B1"},
                                        {10714, 1, 22000, "B2"},
                                        {11200, 2, 22000, "B3"},
                                        {11300, 3, 22000, "B4"},
                                        {11400, 0, 22000, "B5"},
                                        {11500, 0, 22000, "B6"}},
                                       {{12000, 0, 27500, "C1"}}});
}

// A page that updates B2 (exact), B3 (R → V), B4 (L, new rate), adds two and leaves B1, B5 and B6.
std::string mixedPage()
{
    return lyngSatPage({dvbsRow("10714 H"), dvbsRow("11201 V"), dvbsRow("11300 L", "30000-3/4"),
                        dvbsRow("11600 H"), dvbsRow("11700 R")});
}

int countOf(const ChangeSet& changes, ChangeKind kind)
{
    int count = 0;
    for (const Change& change : changes.changes())
        count += change.kind == kind ? 1 : 0;
    return count;
}

} // namespace

TEST(ChangeSet, PlanningChangesNothingAndApplyingAllDoesWhatThePlanSays)
{
    const ChannelDatabase db = mixedNetwork();
    const LyngSatPlan plan = planLyngSatPage(mixedPage(), db, kSlot, LyngSatOptions{});
    EXPECT_TRUE(db == mixedNetwork());
    EXPECT_EQ(countOf(plan.changes, ChangeKind::Update), 3);
    EXPECT_EQ(countOf(plan.changes, ChangeKind::Add), 2);
    EXPECT_EQ(countOf(plan.changes, ChangeKind::Remove), 3);
    EXPECT_EQ(plan.result.programsRemoved, 6);
    for (std::size_t k = 0; k < plan.changes.size(); ++k)
        EXPECT_EQ(plan.changes[k].id, static_cast<int>(k) + 1);

    ChannelDatabase after = db;
    ASSERT_EQ(applyChanges(after, plan.changes, plan.changes.defaultSelection()), StatusOk);
    test::expectReferencesIntact(after);
    EXPECT_EQ(test::transponderNames(after, kSlot), (std::vector<std::string>{"B2", "B3", "B4", "", ""}));
    EXPECT_EQ(test::transpondersOf(after, kSlot)[1]->polarity(), 0);
    EXPECT_EQ(test::transpondersOf(after, kSlot)[4]->polarity(), 2);

    // The comparison of the files before and after tells the same story.
    const DatabaseDiff diff = compareDatabases(db, after);
    EXPECT_EQ(diff.transpondersAdded.size(), 2u);
    EXPECT_EQ(diff.transpondersChanged.size(), 3u);
    EXPECT_EQ(diff.transpondersRemoved.size(), 3u);
    EXPECT_EQ(diff.programsRemoved.size(), 6u);
}

TEST(ChangeSet, ApplyingASelectionAppliesExactlyTheTickedChanges)
{
    const ChannelDatabase db = mixedNetwork();
    const LyngSatPlan plan = planLyngSatPage(mixedPage(), db, kSlot, LyngSatOptions{});
    ChangeSelection selection = plan.changes.defaultSelection();
    // Leave out the update of B3, the removal of B5 and the sort.
    for (std::size_t k = 0; k < plan.changes.size(); ++k) {
        const Change& change = plan.changes[k];
        if ((change.kind != ChangeKind::Add && change.before.name == "B3") ||
            (change.kind == ChangeKind::Remove && change.before.name == "B5") ||
            change.kind == ChangeKind::Sort)
            selection[k] = false;
    }
    ChannelDatabase after = db;
    ASSERT_EQ(applyChanges(after, plan.changes, selection), StatusOk);
    test::expectReferencesIntact(after);
    EXPECT_EQ(test::transponderNames(after, kSlot),
              (std::vector<std::string>{"B2", "B3", "B4", "B5", "", ""}));
    const auto tps = test::transpondersOf(after, kSlot);
    EXPECT_FALSE(tps[1]->differs(db.transponders[3])); // B3 untouched
    EXPECT_EQ(tps[2]->symbolRate, 30000);
    EXPECT_EQ(test::transponderNames(after, 0), (std::vector<std::string>{"A1"}));
    EXPECT_EQ(test::transponderNames(after, 2), (std::vector<std::string>{"C1"}));

    // Nothing ticked changes nothing.
    ChannelDatabase untouched = db;
    ASSERT_EQ(applyChanges(untouched, plan.changes, ChangeSelection(plan.changes.size(), false)), StatusOk);
    EXPECT_TRUE(untouched == db);
}

TEST(ChangeSet, ADatabaseChangedSincePlanningIsRefusedWhole)
{
    ChannelDatabase db = mixedNetwork();
    const LyngSatPlan plan = planLyngSatPage(mixedPage(), db, kSlot, LyngSatOptions{});
    db.transponders[2].symbolRate = 1234; // B2, which the plan updates
    const ChannelDatabase changed = db;
    EXPECT_EQ(applyChanges(db, plan.changes, plan.changes.allSelected()), StatusChangesOutdated);
    EXPECT_TRUE(db == changed);
}

TEST(ChangeSet, SatcodxPlanAddsNewTranspondersThenRenamesTheNetwork)
{
    const ChannelDatabase db = mixedNetwork();
    std::string text;
    for (const auto& [frequency, polarisation] : std::vector<std::pair<std::string, std::string>>{
             {"010714", "1"}, {"011900", "3"}, {"011900", "3"}}) {
        test::SdxFields fields;
        fields.frequency = frequency;
        fields.polarisation = polarisation;
        fields.symbolRate = "22000";
        text += test::sdxLine(fields) + "\r\n";
    }
    test::RecordingProgress progress;
    const SatcodxPlan plan = planSatcodxImport(db, kSlot, text, progress);
    ASSERT_EQ(plan.changes.size(), 2u); // 10714 H 22000 is held; 11900 L is listed twice
    EXPECT_EQ(plan.changes[0].kind, ChangeKind::Add);
    EXPECT_EQ(plan.changes[0].after.polarity(), 3);
    EXPECT_EQ(plan.changes[0].row, 2);
    EXPECT_EQ(plan.changes[1].kind, ChangeKind::Network);
    EXPECT_EQ(plan.changes[1].networkBefore, (NetworkValues{"Net 1", 0}));
    EXPECT_EQ(plan.changes[1].networkAfter, (NetworkValues{"Astra 19.2E", 192}));

    ChannelDatabase after = db;
    ASSERT_EQ(applyChanges(after, plan.changes, {false, true}), StatusOk);
    EXPECT_EQ(after.networks[kSlot].name, "Astra 19.2E");
    EXPECT_EQ(test::transponderNames(after, kSlot).size(), 6u);
}

TEST(ChangeSet, NoTransponderMessageSaysWhichOptionsLeftRowsOut)
{
    const ChannelDatabase db = mixedNetwork();
    const std::string page = lyngSatPage({test::dvbs2Row("11494 H", "8PSK", "27500-3/4"),
                                          test::dvbs2Row("11495 H", "8PSK", "27500-3/4"), dvbsRow("3800 H")});
    const LyngSatPlan plan = planLyngSatPage(page, db, kSlot, LyngSatOptions{});
    EXPECT_EQ(plan.result.rows, 0);
    EXPECT_EQ(noTransponderFoundMessage(plan.result.excluded),
              "No transponders were found on the page.\n3 rows were left out by the options: 2 DVB-S2 rows "
              "(\"Include DVB-S2\" is off), 1 row outside the chosen band.");
    EXPECT_EQ(noTransponderFoundMessage({}), "No transponders were found on the page");
}

TEST(ChangeSet, ASelectionWhoseResultIsTooLargeForAFileIsToldBeforeApplying)
{
    const ChannelDatabase db = test::makeLargeDatabase();
    std::string text;
    for (int k = 0; k < 6000; ++k) {
        test::SdxFields fields;
        fields.frequency = "0" + std::to_string(10700 + k % 2000);
        fields.polarisation = std::to_string(k / 2000);
        text += test::sdxLine(fields) + "\n";
    }
    test::RecordingProgress progress;
    const SatcodxPlan plan = planSatcodxImport(db, 1, text, progress);
    ASSERT_EQ(plan.result.added, 6000);
    EXPECT_EQ(checkChangesFit(db, plan.changes, plan.changes.allSelected()), StatusTooLarge);
    ChangeSelection few(plan.changes.size(), false);
    few[0] = true;
    EXPECT_EQ(checkChangesFit(db, plan.changes, few), StatusOk);
}
