#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "import/lyngsatupdate.h"
#include "importdatabase.h"
#include "support/importfixtures.h"

using namespace kvx;
using test::dvbs2Row;
using test::dvbsRow;
using test::lyngSatPage;
using test::PageRowCells;

namespace {

constexpr uint8_t kSlot = 1;

struct Fixture {
    // Slot 1 is updated; slots 0 and 2 surround it in the transponder list.
    explicit Fixture(std::vector<test::TpSpec> network)
            : db(test::databaseWithNetworks({{{11000, 1, 22000, "A1"}, {11494, 1, 22000, "A2"}},
                                             std::move(network),
                                             {{11494, 1, 27500, "C1"}, {12000, 0, 27500, "C2"}}}))
    {}

    LyngSatResult merge(const std::vector<PageRowCells>& rows, LyngSatOptions options = keepAll())
    {
        return mergeLyngSatPage(lyngSatPage(rows), db, db.networks[kSlot], options);
    }

    // Neither removal nor sort, so that positions are easy to follow.
    static LyngSatOptions keepAll()
    {
        LyngSatOptions options;
        options.removeOutdated = false;
        options.sortByFrequency = false;
        return options;
    }

    const TpInfo& tp(std::size_t i) const { return *test::transpondersOf(db, kSlot).at(i); }
    std::vector<std::string> names() const { return test::transponderNames(db, kSlot); }
    void expectOtherNetworksUntouched() const
    {
        EXPECT_EQ(test::transponderNames(db, 0), (std::vector<std::string>{"A1", "A2"}));
        EXPECT_EQ(test::transponderNames(db, 2), (std::vector<std::string>{"C1", "C2"}));
        test::expectReferencesIntact(db);
    }

    LyngSatPlan plan(const std::vector<PageRowCells>& rows, LyngSatOptions options = keepAll()) const
    {
        return planLyngSatPage(lyngSatPage(rows), db, kSlot, options);
    }

    ChannelDatabase db;
};

} // namespace

TEST(LyngSatMerge, RowUpdatesTransponderWithinTwoMegahertz)
{
    // 11493 H with FEC 3/4 and a pilot bit; 11497 H lies 3 MHz off; 11494 V has the other polarity.
    Fixture f({{11493, 0x31, 22000, "B1"}, {11497, 1, 22000, "B2"}, {11494, 0, 22000, "B3"}});
    f.db.transponders[2].tpExtra[3] = TP_EXTRA_PILOT | 0x2A;
    const auto result = f.merge({dvbsRow("11494 H", "27500-5/6")});
    EXPECT_EQ(result.rows, 1);
    EXPECT_EQ(result.updated, 1);
    EXPECT_EQ(result.added, 0);
    const TpInfo& updated = f.tp(0);
    EXPECT_EQ(updated.frequency, 11494);
    EXPECT_EQ(updated.symbolRate, 27500);
    EXPECT_EQ(updated.tpFlags, 0x31); // DVB-S keeps its FEC bits
    EXPECT_EQ(updated.tpExtra[3], 0x2A);
    EXPECT_EQ(updated.tpExtra[0], 7);
    EXPECT_EQ(f.tp(1).frequency, 11497);
    EXPECT_EQ(f.tp(2).symbolRate, 22000);
    f.expectOtherNetworksUntouched();
}

TEST(LyngSatMerge, CandidatesLieWithinTwoMegahertzEitherSide)
{
    Fixture f(
        {{11000, 1, 22000, "B1"}, {11102, 1, 22000, "B2"}, {11203, 1, 22000, "B3"}, {11297, 1, 22000, "B4"}});
    const auto result =
        f.merge({dvbsRow("11002 H"), dvbsRow("11100 H"), dvbsRow("11200 H"), dvbsRow("11300 H")});
    EXPECT_EQ(result.updated, 2);
    EXPECT_EQ(result.added, 2);
    EXPECT_EQ(f.tp(0).frequency, 11002);
    EXPECT_EQ(f.tp(1).frequency, 11100);
    EXPECT_EQ(f.tp(2).frequency, 11203);
    EXPECT_EQ(f.tp(3).frequency, 11297);
}

TEST(LyngSatMerge, OtherClassAddsATransponderAfterTheNetworkInThePagesPolarisation)
{
    Fixture f({{11494, 0, 22000, "B1"}, {11600, 1, 22000, "B2"}});
    const auto result = f.merge({dvbsRow("11494 H"), dvbsRow("11520 R"), dvbsRow("11530 L")});
    EXPECT_EQ(result.added, 3);
    EXPECT_EQ(f.names(), (std::vector<std::string>{"B1", "B2", "", "", ""}));
    EXPECT_EQ(f.tp(2).tpFlags, 1);
    EXPECT_EQ(f.tp(2).symbolRate, 27500);
    EXPECT_EQ(f.tp(2).gmtError, NO_GMT_ERROR);
    EXPECT_EQ(f.tp(3).polarity(), 2); // circular right
    EXPECT_EQ(f.tp(4).polarity(), 3); // circular left
    EXPECT_EQ(f.db.transponders[7].name, "C1");
    f.expectOtherNetworksUntouched();
}

TEST(LyngSatMerge, MatchingStaysOnTheClassAndThePagesPolarisationIsStored)
{
    // Stored R, L, H; the page gives R, H and V for them.
    Fixture f({{11200, 2, 22000, "B1"}, {11300, 3, 22000, "B2"}, {11400, 1, 22000, "B3"}});
    const LyngSatPlan plan = f.plan({dvbsRow("11200 R", "22000"), dvbsRow("11301 H"), dvbsRow("11400 V")});
    EXPECT_EQ(plan.result.unchanged, 1); // 11200 R as stored
    EXPECT_EQ(plan.result.updated, 1);
    EXPECT_EQ(plan.result.added, 1); // V is not in the class of the stored H
    ASSERT_EQ(plan.changes.size(), 2u);
    EXPECT_EQ(plan.changes[0].kind, ChangeKind::Update);
    EXPECT_EQ(plan.changes[0].before.polarity(), 3);
    EXPECT_EQ(plan.changes[0].after.polarity(), 1);
    EXPECT_EQ(plan.changes[0].after.frequency, 11301);
    EXPECT_EQ(plan.changes[1].kind, ChangeKind::Add);
    EXPECT_EQ(plan.changes[1].after.polarity(), 0);
}

TEST(LyngSatMerge, TheNearestUnmatchedCandidateIsUpdated)
{
    struct Case {
        const char* what;
        std::vector<test::TpSpec> network;
        std::vector<PageRowCells> rows;
        std::vector<std::string> updatedNames; // in the order of the rows
    };
    const std::vector<Case> cases = {
        {"the exact match listed after a neighbour",
         {{10716, 1, 22000, "B1"}, {10714, 1, 22000, "B2"}},
         {dvbsRow("10714 H")},
         {"B2"}},
        {"equal distance takes the first in the list",
         {{10716, 1, 22000, "B1"}, {10714, 1, 22000, "B2"}},
         {dvbsRow("10715 H")},
         {"B1"}},
        {"a taken candidate leaves the next nearest",
         {{10716, 1, 22000, "B1"}, {10714, 1, 22000, "B2"}},
         {dvbsRow("10714 H"), dvbsRow("10714 H", "30000")},
         {"B2", "B1"}},
    };
    for (const Case& c : cases) {
        Fixture f(c.network);
        const LyngSatPlan plan = f.plan(c.rows);
        std::vector<std::string> updated;
        for (const Change& change : plan.changes.changes())
            if (change.kind == ChangeKind::Update)
                updated.push_back(change.before.name);
        EXPECT_EQ(updated, c.updatedNames) << c.what;
    }
}

TEST(LyngSatMerge, RowsThatRepeatATakenTransponderAreOfferedUnticked)
{
    Fixture f({{11494, 1, 22000, "B1"}});
    std::vector<PageRowCells> rows = {dvbsRow("11494 H"), dvbsRow("11495 H", "30000-3/4")};
    rows.insert(rows.end(), 8, dvbsRow("11675 H"));
    const LyngSatPlan plan = f.plan(rows, LyngSatOptions{});
    EXPECT_EQ(plan.result.updated, 1);
    EXPECT_EQ(plan.result.added, 1);
    EXPECT_EQ(plan.result.repeats, 8);
    ASSERT_EQ(plan.changes.size(), 10u); // update, repeat of row 1, 11675 H, 7 repeats of row 3
    EXPECT_EQ(plan.changes[1].repeatsRow, 1);
    // The repeat lands 1 MHz from the stored 11494 H (position 2); 11675 H next to none.
    EXPECT_EQ(plan.changes[1].possibleDuplicate, (NearTransponder{2, 11494, 1}));
    EXPECT_EQ(plan.changes[2].possibleDuplicate.position, NO_POSITION);
    EXPECT_EQ(plan.changes[2].repeatsRow, 0);
    for (std::size_t k = 3; k < plan.changes.size(); ++k)
        EXPECT_EQ(plan.changes[k].repeatsRow, 3);
    const ChangeSelection defaults = plan.changes.defaultSelection();
    EXPECT_EQ(std::count(defaults.begin(), defaults.end(), true), 2);
    EXPECT_EQ(plan.changes.countsOf(defaults).added, 1);

    f.merge(rows, LyngSatOptions{});
    ASSERT_EQ(f.names().size(), 2u);
    EXPECT_EQ(f.tp(1).frequency, 11675);
}

TEST(LyngSatMerge, SecondRowUpdatesAnotherUnmatchedCandidate)
{
    Fixture f({{11494, 1, 22000, "B1"}, {11495, 1, 22000, "B2"}});
    const auto result = f.merge({dvbsRow("11494 H", "27500"), dvbsRow("11494 H", "30000")});
    EXPECT_EQ(result.updated, 2);
    EXPECT_EQ(result.added, 0);
    EXPECT_EQ(result.repeats, 0);
    EXPECT_EQ(f.tp(1).frequency, 11494);
    EXPECT_EQ(f.tp(1).symbolRate, 30000);
}

TEST(LyngSatMerge, Dvbs2RowsSetSystemModulationFecAndPilot)
{
    // B1 was stored as DVB-S2 8PSK 2/3; the page now lists it as QPSK 3/5.
    Fixture f({{12000, 0x2C, 22000, "B1"}, {12100, 0x30, 22000, "B2"}});
    LyngSatOptions options = Fixture::keepAll();
    options.includeDvbS2 = true;
    f.merge({dvbs2Row("12000 V", "QPSK", "29900-3/5"), dvbsRow("12100 V", "27500-7/8"),
             dvbs2Row("12200 H", "8PSK", "30000-9/10")},
            options);
    EXPECT_EQ(f.tp(0).tpFlags, TP_DVBS2 | (7 << 4)); // 8PSK cleared for a QPSK row
    EXPECT_EQ(f.tp(0).tpExtra[3], TP_EXTRA_PILOT);
    EXPECT_EQ(f.tp(1).tpFlags, 0x30); // a DVB-S row keeps FEC and clears the DVB-S2 bit
    EXPECT_EQ(f.tp(1).tpExtra[3], 0);
    EXPECT_EQ(f.tp(2).tpFlags, 1 | TP_DVBS2 | TP_8PSK | (9 << 4));
    EXPECT_EQ(f.tp(2).tpExtra[3], TP_EXTRA_PILOT);
    EXPECT_EQ(f.tp(2).symbolRate, 30000);
}

TEST(LyngSatMerge, RemovesExactlyTheUnmatchedTranspondersWithTheirPrograms)
{
    // B2, B3 and B5 are no longer on the page; B2 and B3 stand next to each other.
    Fixture f({{10800, 0, 22000, "B1"},
               {10900, 0, 22000, "B2"},
               {11000, 1, 22000, "B3"},
               {11100, 1, 22000, "B4"},
               {11200, 0, 22000, "B5"}});
    LyngSatOptions options = Fixture::keepAll();
    options.removeOutdated = true;
    const auto result = f.merge({dvbsRow("11100 H"), dvbsRow("10800 V"), dvbsRow("12500 V")}, options);
    EXPECT_EQ(result.updated, 2);
    EXPECT_EQ(result.added, 1);
    EXPECT_EQ(result.removed, 3);
    EXPECT_EQ(f.names(), (std::vector<std::string>{"B1", "B4", ""}));
    for (const ProgInfo& prog : f.db.programs)
        EXPECT_TRUE(prog.name.rfind("B2/", 0) && prog.name.rfind("B3/", 0) && prog.name.rfind("B5/", 0))
            << prog.name;
    EXPECT_EQ(f.db.programs.size(), 2u * 6);
    EXPECT_EQ(f.db.favourites[0].tvList.size() + f.db.favourites[0].radioList.size(), 2u * 6);
    f.expectOtherNetworksUntouched();
}

TEST(LyngSatMerge, PageWithoutTransponderRowsRemovesNothing)
{
    Fixture f({{10800, 0, 22000, "B1"}, {10900, 0, 22000, "B2"}});
    const LyngSatOptions defaults; // remove outdated and sort on
    for (const std::string page : {"", "<html><body>Page not found</body></html>",
                                   "<table><tr><td>10800 V</td><td>27500</td></tr></table>"}) {
        const auto result = mergeLyngSatPage(page, f.db, f.db.networks[kSlot], defaults);
        EXPECT_EQ(result.rows, 0);
        EXPECT_EQ(result.removed, 0);
        EXPECT_EQ(f.names(), (std::vector<std::string>{"B1", "B2"}));
    }
    // Rows that the chosen band filters out leave nothing to go by either.
    LyngSatOptions cBand;
    cBand.band = LyngSatBand::C;
    EXPECT_EQ(f.merge({dvbsRow("11494 H")}, cBand).removed, 0);
    EXPECT_EQ(f.names().size(), 2u);
    f.expectOtherNetworksUntouched();
}

TEST(LyngSatMerge, SortOrdersTheNetworkAndProgramsFollow)
{
    Fixture f({{11475, 1, 22000, "B1"}, {11475, 0, 22000, "B2"}, {10750, 1, 22000, "B3"}});
    LyngSatOptions options = Fixture::keepAll();
    options.sortByFrequency = true;
    f.merge({dvbsRow("11000 H"), dvbsRow("11475 V"), dvbsRow("11000 V")}, options);
    std::vector<std::pair<int, int>> order;
    for (const TpInfo* tp : test::transpondersOf(f.db, kSlot))
        order.emplace_back(tp->frequency, tp->tpFlags & 1);
    EXPECT_EQ(order,
              (std::vector<std::pair<int, int>>{{10750, 1}, {11000, 0}, {11000, 1}, {11475, 0}, {11475, 1}}));
    EXPECT_EQ(f.names(), (std::vector<std::string>{"B3", "", "", "B2", "B1"}));
    f.expectOtherNetworksUntouched();
}

TEST(LyngSatMerge, DefaultOptionsUpdateRemoveAndSortTogether)
{
    Fixture f({{12500, 1, 22000, "B1"}, {11000, 0, 22000, "B2"}, {11800, 0, 22000, "B3"}});
    const auto result =
        f.merge({dvbsRow("11801 V"), dvbsRow("10950 H"), dvbsRow("12501 H")}, LyngSatOptions{});
    EXPECT_EQ(result.rows, 3);
    EXPECT_EQ(result.updated, 2);
    EXPECT_EQ(result.added, 1);
    EXPECT_EQ(result.removed, 1);
    EXPECT_EQ(f.names(), (std::vector<std::string>{"", "B3", "B1"}));
    f.expectOtherNetworksUntouched();
}

TEST(LyngSatMerge, NetworkWithoutTranspondersGetsThePageInItsOrder)
{
    Fixture f(std::vector<test::TpSpec>{});
    const auto result = f.merge({dvbsRow("12000 V"), dvbsRow("11000 H")}, LyngSatOptions{});
    EXPECT_EQ(result.added, 2);
    ASSERT_EQ(f.names().size(), 2u);
    EXPECT_EQ(f.tp(0).frequency, 11000); // sorted
    EXPECT_EQ(f.tp(1).frequency, 12000);
    f.expectOtherNetworksUntouched();
}
