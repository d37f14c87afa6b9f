// The channel list's work on blocks of rows: moves, steps, the Sort menu's orders and favourite edits
// of several rows at once.
#include <gtest/gtest.h>

#include <numeric>

#include "db/channellistwork.h"
#include "support/chlistdatabase.h"

using namespace kvx;
using namespace kvx::test;

namespace {

using Names = std::vector<std::string>;
using Rows = std::vector<int>;

constexpr ChannelGroup kAll{GROUP_ALL, 0};

constexpr ChannelGroup favourite(int g)
{
    return {GROUP_FAVORITE, static_cast<uint8_t>(g)};
}

// Eight TV channels and a radio one. Programs, by position:
//   0 "Echo"    TV    Hotbird 12000 H  SID 50
//   1 "Radio"   radio Astra   11000 V  SID 1
//   2 "alpha"   TV    Astra   11000 V  SID 30  marked scrambled
//   3 "Delta"   TV    Astra   11000 H  SID 10  Viaccess
//   4 "bravo"   TV    Hotbird 11500 V  SID 40
//   5 "Charlie" TV    Astra   11000 V  SID 20  Unknown CA
//   6 "Foxtrot" TV    Hotbird 12000 H  SID 10
//   7 "Golf"    TV    (no transponder) SID 70
//   8 "Hotel"   TV    Astra   11000 H  SID 60  a CA bit the CA column does not name
// Favourites: "News" TV [4, 0, 2]; "Movies" TV [5].
ChannelDatabase makeBlockDatabase()
{
    ChannelDatabase db = makeEmptyModel(1, FLAG_PROG_CA | FLAG_TP_NAMES);
    db.networks[0].name = "Astra";
    db.networks[1].name = "Hotbird";
    db.transponders.append(TpInfo::create(0, 11000, 0));
    db.transponders.append(TpInfo::create(0, 11000, 1));
    db.transponders.append(TpInfo::create(1, 12000, 1));
    db.transponders.append(TpInfo::create(1, 11500, 0));
    struct Row {
        const char* name;
        uint16_t tp;
        uint16_t sid;
        uint8_t attributes;
        uint32_t ca;
    };
    for (const Row& row : std::vector<Row>{{"Echo", 2, 50, 0, 0},
                                           {"Radio", 0, 1, ATTR_RADIO, 0},
                                           {"alpha", 0, 30, ATTR_SCRAMBLED, 0},
                                           {"Delta", 1, 10, 0, 0x1},
                                           {"bravo", 3, 40, 0, 0},
                                           {"Charlie", 0, 20, 0, 0x40000000},
                                           {"Foxtrot", 2, 10, 0, 0},
                                           {"Golf", 99, 70, 0, 0},
                                           {"Hotel", 1, 60, 0, 0x00010000}}) {
        ProgInfo prog = ProgInfo::create(row.tp, row.sid);
        prog.name = row.name;
        prog.attributes = row.attributes;
        prog.caSystems = row.ca;
        db.programs.append(std::move(prog));
    }
    db.favourites[0].name = "News";
    db.favourites[0].tvList = {4, 0, 2};
    db.favourites[1].name = "Movies";
    db.favourites[1].tvList = {5};
    return db;
}

const Names kTvOrder{"Echo", "alpha", "Delta", "bravo", "Charlie", "Foxtrot", "Golf", "Hotel"};

Names rowNames(const ChannelListWork& work)
{
    Names names;
    for (const ChannelRow& row : work.rows())
        names.push_back(row.prog->name);
    return names;
}

// The TV order as names, picked from kTvOrder by the rows' old positions.
Names pick(const Rows& oldRows)
{
    Names names;
    for (int row : oldRows)
        names.push_back(kTvOrder[static_cast<std::size_t>(row)]);
    return names;
}

class ChannelListBlockTest : public testing::Test {
protected:
    ChannelDatabase db = makeBlockDatabase();
};

} // namespace

TEST_F(ChannelListBlockTest, MoveRowsGathersTheRowsInTheirOrderAtTheTarget)
{
    struct Case {
        const char* what;
        Rows rows;
        int target;
        Rows order; // the old rows, in their new order
        Rows now;   // what moveRows returns
    };
    const Case cases[] = {
        {"one row down", {2}, 5, {0, 1, 3, 4, 5, 2, 6, 7}, {5}},
        {"a block to the first number", {1, 2, 3}, 0, {1, 2, 3, 0, 4, 5, 6, 7}, {0, 1, 2}},
        {"a block down", {1, 2, 3}, 4, {0, 4, 5, 6, 1, 2, 3, 7}, {4, 5, 6}},
        {"rows here and there", {1, 4, 6}, 2, {0, 2, 1, 4, 6, 3, 5, 7}, {2, 3, 4}},
        {"in any order, repeated, beside the list",
         {6, 1, 4, 1, -1, 9},
         2,
         {0, 2, 1, 4, 6, 3, 5, 7},
         {2, 3, 4}},
        {"to the first number", {3, 7}, 0, {3, 7, 0, 1, 2, 4, 5, 6}, {0, 1}},
        {"to the last number the block fits", {0, 2}, 6, {1, 3, 4, 5, 6, 7, 0, 2}, {6, 7}},
        {"past the end: the block ends last", {0, 2}, 7, {1, 3, 4, 5, 6, 7, 0, 2}, {6, 7}},
        {"before the start: the block starts first", {3}, -5, {3, 0, 1, 2, 4, 5, 6, 7}, {0}},
        {"gathering around its first row", {2, 4}, 2, {0, 1, 2, 4, 3, 5, 6, 7}, {2, 3}},
        {"a block where it is", {2, 3}, 2, {0, 1, 2, 3, 4, 5, 6, 7}, {}},
        {"the last row to the end", {7}, 7, {0, 1, 2, 3, 4, 5, 6, 7}, {}},
        {"no rows", {}, 3, {0, 1, 2, 3, 4, 5, 6, 7}, {}},
        {"every row", {0, 1, 2, 3, 4, 5, 6, 7}, 3, {0, 1, 2, 3, 4, 5, 6, 7}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ChannelListWork work(db);
        ASSERT_EQ(rowNames(work), kTvOrder);
        Rows oldRowOf{-1};
        EXPECT_EQ(work.moveRows(c.rows, c.target, &oldRowOf), c.now);
        EXPECT_EQ(rowNames(work), pick(c.order));
        EXPECT_EQ(oldRowOf, c.now.empty() ? Rows{} : c.order);
        EXPECT_EQ(work.modifiedFlags(), c.now.empty() ? 0u : CHLIST_ORDER);
        EXPECT_EQ(work.orderDirty(), !c.now.empty());
    }
}

TEST_F(ChannelListBlockTest, StepRowsPassesEachRowOverItsUnselectedNeighbour)
{
    struct Case {
        Rows rows;
        int step;
        Rows order;
        Rows now;
    };
    const Case cases[] = {
        {{2, 3}, -1, {0, 2, 3, 1, 4, 5, 6, 7}, {1, 2}},
        {{0, 2}, -1, {0, 2, 1, 3, 4, 5, 6, 7}, {0, 1}}, // the first stays at the top
        {{1, 4}, +1, {0, 2, 1, 3, 5, 4, 6, 7}, {2, 5}},
        {{5, 7}, +1, {0, 1, 2, 3, 4, 6, 5, 7}, {6, 7}}, // the last stays at the bottom
        {{6, 7}, +1, {0, 1, 2, 3, 4, 5, 6, 7}, {}},
        {{0, 1}, -1, {0, 1, 2, 3, 4, 5, 6, 7}, {}},
        {{}, -1, {0, 1, 2, 3, 4, 5, 6, 7}, {}},
    };
    for (const Case& c : cases) {
        ChannelListWork work(db);
        Rows oldRowOf;
        EXPECT_EQ(work.stepRows(c.rows, c.step, &oldRowOf), c.now);
        EXPECT_EQ(rowNames(work), pick(c.order));
        EXPECT_EQ(oldRowOf, c.now.empty() ? Rows{} : c.order);
    }
}

TEST_F(ChannelListBlockTest, AMovedBlockReachesTheProgramListAndTheFavouritesFollowOnOk)
{
    ChannelListWork work(db);
    ASSERT_EQ(work.moveRows({1, 4, 6}, 0), (Rows{0, 1, 2}));        // alpha, Charlie, Golf first
    EXPECT_EQ(programNames(db), programNames(makeBlockDatabase())); // nothing before OK
    EXPECT_TRUE(work.apply());
    // The TV channels take the TV positions; the radio channel keeps position 1.
    EXPECT_EQ(programNames(db),
              (Names{"alpha", "Radio", "Charlie", "Golf", "Echo", "Delta", "bravo", "Foxtrot", "Hotel"}));
    EXPECT_EQ(favouriteNames(db, db.favourites[0].tvList), (Names{"bravo", "Echo", "alpha"}));
    EXPECT_EQ(favouriteNames(db, db.favourites[1].tvList), (Names{"Charlie"}));
}

TEST_F(ChannelListBlockTest, ReorderingAFavouriteViewChangesOnlyItsList)
{
    struct Case {
        const char* what;
        std::function<void(ChannelListWork&)> edit;
        Names list;
    };
    const Case cases[] = {
        {"a block to the first number",
         [](ChannelListWork& w) {
             w.moveRows({1, 2}, 0);
         },
         {"Echo", "alpha", "bravo"}},
        {"the first to the last number",
         [](ChannelListWork& w) { w.moveRows({0}, 2); },
         {"Echo", "alpha", "bravo"}},
        {"a step down", [](ChannelListWork& w) { w.stepRows({0}, +1); }, {"Echo", "bravo", "alpha"}},
        {"sorted by name",
         [](ChannelListWork& w) { w.sortRows(ChannelSort::Name); },
         {"alpha", "bravo", "Echo"}},
        {"two rows by service ID",
         [](ChannelListWork& w) {
             w.sortRows(ChannelSort::ServiceId, {1, 2});
         },
         {"bravo", "alpha", "Echo"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        db = makeBlockDatabase();
        ChannelListWork work(db);
        work.selectGroup(favourite(0));
        ASSERT_EQ(rowNames(work), (Names{"bravo", "Echo", "alpha"}));
        c.edit(work);
        EXPECT_EQ(rowNames(work), c.list);
        EXPECT_EQ(work.modifiedFlags(), CHLIST_FAVORITES);
        // The order is written back when the view changes, and survives a return.
        work.selectGroup(kAll);
        work.selectGroup(favourite(0));
        EXPECT_EQ(rowNames(work), c.list);
        EXPECT_TRUE(work.apply());
        EXPECT_EQ(favouriteNames(db, db.favourites[0].tvList), c.list);
        EXPECT_EQ(programNames(db), programNames(makeBlockDatabase()));
    }
}

TEST_F(ChannelListBlockTest, SortMenuOrdersAreStableAndKeepToTheGivenRows)
{
    struct Case {
        const char* what;
        ChannelSort sort;
        Rows rows;
        Names names;
    };
    const Case cases[] = {
        {"by name, letter case ignored",
         ChannelSort::Name,
         {},
         {"alpha", "bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf", "Hotel"}},
        // Astra 11000 V, Astra 11000 H, Hotbird 11500 V, Hotbird 12000 H; without a transponder last.
        {"by network and frequency",
         ChannelSort::NetworkFrequency,
         {},
         {"alpha", "Charlie", "Delta", "Hotel", "bravo", "Echo", "Foxtrot", "Golf"}},
        {"by service ID, equal IDs in their order",
         ChannelSort::ServiceId,
         {},
         {"Delta", "Foxtrot", "Charlie", "alpha", "bravo", "Echo", "Hotel", "Golf"}},
        // Marked scrambled or a CA system named; Hotel's CA bit names none.
        {"scrambled last",
         ChannelSort::ScrambledLast,
         {},
         {"Echo", "bravo", "Foxtrot", "Golf", "Hotel", "alpha", "Delta", "Charlie"}},
        {"the selected rows keep their places",
         ChannelSort::ServiceId,
         {1, 3, 4, 7},
         {"Echo", "Charlie", "Delta", "alpha", "bravo", "Foxtrot", "Golf", "Hotel"}},
        {"selected in any order",
         ChannelSort::Name,
         {7, 0, 3},
         {"bravo", "alpha", "Delta", "Echo", "Charlie", "Foxtrot", "Golf", "Hotel"}},
        {"one row given: every row",
         ChannelSort::Name,
         {5},
         {"alpha", "bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf", "Hotel"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ChannelListWork work(db);
        const Rows oldRowOf = work.sortRows(c.sort, c.rows);
        EXPECT_EQ(rowNames(work), c.names);
        EXPECT_EQ(oldRowOf.size(), kTvOrder.size());
        if (oldRowOf.size() == kTvOrder.size()) {
            EXPECT_EQ(pick(oldRowOf), c.names);
        }
        EXPECT_EQ(work.modifiedFlags(), CHLIST_ORDER);
    }
}

TEST_F(ChannelListBlockTest, ASortThatMovesNothingChangesNothing)
{
    ChannelListWork work(db);
    work.sortByColumn(CHLIST_COLUMN_NAME);
    ASSERT_EQ(work.sortKey(), 0u);
    work.sortRows(ChannelSort::ServiceId); // a menu sort forgets the column sort
    EXPECT_EQ(work.sortKey(), SORT_NONE);

    ChannelListWork fresh(db);
    EXPECT_TRUE(fresh.sortRows(ChannelSort::Name, {1, 3, 5}).empty()); // alpha, bravo, Foxtrot
    EXPECT_EQ(rowNames(fresh), kTvOrder);
    EXPECT_EQ(fresh.modifiedFlags(), 0u);
    fresh.selectTab(1); // a single radio channel
    EXPECT_TRUE(fresh.sortRows(ChannelSort::Name).empty());
    EXPECT_EQ(fresh.modifiedFlags(), 0u);
    EXPECT_FALSE(fresh.apply());
}

TEST(ChannelScrambled, TheCaColumnOrTheScrambledMarkMakeAChannelScrambled)
{
    ProgInfo prog;
    EXPECT_FALSE(isScrambled(prog));
    prog.caSystems = 0x00010000; // no system the CA column names
    EXPECT_FALSE(isScrambled(prog));
    prog.caSystems = 0x80; // Conax
    EXPECT_TRUE(isScrambled(prog));
    prog.caSystems = 1u << CA_UNKNOWN_BIT;
    EXPECT_TRUE(isScrambled(prog));
    prog.caSystems = 0;
    prog.attributes = ATTR_SCRAMBLED;
    EXPECT_TRUE(isScrambled(prog));
}

TEST_F(ChannelListBlockTest, FavouriteEditsOfSeveralRowsAreOneEdit)
{
    ChannelListWork work(db);
    // alpha and Echo are in News already; Delta and Hotel join it, in row order.
    EXPECT_EQ(work.countInFavourite({0, 1, 2, 7}, 0), 2);
    EXPECT_EQ(work.addRowsToFavourite({7, 0, 2, 1}, 0), 2);
    EXPECT_EQ(work.addRowsToFavourite({0, 1}, 0), 0);
    EXPECT_EQ(work.countInFavourite({0, 1, 2, 7}, 0), 4);
    // Movies had Charlie only; Charlie leaves with the others that are in it.
    EXPECT_EQ(work.removeRowsFromFavourite({4, 5}, 1), Rows{}); // not shown: no row leaves the list
    EXPECT_EQ(std::count(work.groups().begin(), work.groups().end(), favourite(1)), 0);
    EXPECT_EQ(work.addRowsToFavourite({3, 5}, 1), 2);
    EXPECT_EQ(work.groups().back(), favourite(1));

    // In the favourite view the rows go; a copy a damaged list holds twice goes too.
    work.selectGroup(favourite(0));
    ASSERT_EQ(rowNames(work), (Names{"bravo", "Echo", "alpha", "Delta", "Hotel"}));
    EXPECT_EQ(work.rowsLeavingFavourite({4, 1}, 0), (Rows{1, 4}));
    EXPECT_EQ(work.removeRowsFromFavourite({4, 1}, 0), (Rows{1, 4}));
    EXPECT_EQ(rowNames(work), (Names{"bravo", "alpha", "Delta"}));
    EXPECT_EQ(work.modifiedFlags(), CHLIST_FAVORITES);
    EXPECT_TRUE(work.apply());
    EXPECT_EQ(favouriteNames(db, db.favourites[0].tvList), (Names{"bravo", "alpha", "Delta"}));
    EXPECT_EQ(favouriteNames(db, db.favourites[1].tvList), (Names{"bravo", "Foxtrot"}));
    EXPECT_EQ(db.programs[0].favMask, 0x0); // Echo
    EXPECT_EQ(db.programs[3].favMask, 0x1); // Delta
}

TEST_F(ChannelListBlockTest, RemovingEveryRowOfAFavouriteViewEmptiesAndUnlistsTheGroup)
{
    db.favourites[0].tvList = {4, 0, 4, 2}; // bravo listed twice
    ChannelListWork work(db);
    work.selectGroup(favourite(0));
    EXPECT_EQ(work.rowsLeavingFavourite({0}, 0), (Rows{0, 2}));
    EXPECT_EQ(work.removeRowsFromFavourite({0, 1, 2, 3}, 0), (Rows{0, 1, 2, 3}));
    EXPECT_TRUE(work.rows().empty());
    EXPECT_EQ(std::count(work.groups().begin(), work.groups().end(), favourite(0)), 0);
    EXPECT_EQ(work.currentGroup(), favourite(0));
    EXPECT_TRUE(work.apply());
    EXPECT_TRUE(db.favourites[0].tvList.empty());
}

TEST_F(ChannelListBlockTest, MovingRowsOfALongListTakesOnePass)
{
    // Every other row of ten thousand to the front: an erase for each row would move the list 5000
    // times. This only checks the result; the pass itself is what keeps it quick.
    for (int k = 0; k < 10000; ++k) {
        ProgInfo prog = ProgInfo::create(0, static_cast<uint16_t>(k));
        prog.name = "P" + std::to_string(k);
        db.programs.append(std::move(prog));
    }
    ChannelListWork work(db);
    const int count = static_cast<int>(work.rows().size());
    Rows odd;
    for (int row = 1; row < count; row += 2)
        odd.push_back(row);
    const Rows now = work.moveRows(odd, 0);
    ASSERT_EQ(now.size(), odd.size());
    EXPECT_EQ(now.back(), static_cast<int>(odd.size()) - 1);
    EXPECT_EQ(work.rows()[0].prog->name, kTvOrder[1]);
    EXPECT_EQ(work.rows()[odd.size()].prog->name, kTvOrder[0]);
}
