#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "db/channellistwork.h"
#include "support/chlistdatabase.h"

using namespace kvx;
using namespace kvx::test;

namespace {

using Names = std::vector<std::string>;

constexpr ChannelGroup kAll{GROUP_ALL, 0};
constexpr ChannelGroup kHotbird{GROUP_NETWORK, 1};

constexpr ChannelGroup favourite(int g)
{
    return {GROUP_FAVORITE, static_cast<uint8_t>(g)};
}

Names rowNames(const ChannelListWork& work)
{
    Names names;
    for (const ChannelRow& row : work.rows())
        names.push_back(row.prog->name);
    return names;
}

int rowOf(const ChannelListWork& work, const std::string& name)
{
    for (std::size_t k = 0; k < work.rows().size(); ++k)
        if (work.rows()[k].prog->name == name)
            return static_cast<int>(k);
    return -1;
}

class ChannelListWorkTest : public testing::Test {
protected:
    ChannelDatabase db = makeChannelListDatabase();
};

} // namespace

TEST_F(ChannelListWorkTest, OpensOnTheTvChannelsOfAllSatellitesWithFreshMasks)
{
    db.programs[3].favMask = 0xFFFF; // left over from an earlier opening
    ChannelListWork work(db);
    // Thor owns no program, the empty favourite groups are not offered.
    EXPECT_EQ(work.groups(),
              (std::vector<ChannelGroup>{
                  kAll, {GROUP_NETWORK, 0}, kHotbird, favourite(0), favourite(2), favourite(3)}));
    EXPECT_EQ(work.currentGroup(), kAll);
    EXPECT_EQ(work.tab(), 0);
    EXPECT_EQ(rowNames(work), (Names{"Alpha", "bravo", "Charlie", "delta"}));
    EXPECT_EQ(work.sortKey(), SORT_NONE);
    EXPECT_EQ(work.modifiedFlags(), 0u);
    EXPECT_EQ(db.programs[0].favMask, 0x1);
    EXPECT_EQ(db.programs[1].favMask, 0x0);
    EXPECT_EQ(db.programs[3].favMask, 0x4);
    EXPECT_EQ(db.programs[4].favMask, 0x1);
    EXPECT_EQ(db.programs[5].favMask, 0x8);
    EXPECT_EQ(ChannelGroup::fromItemData(favourite(3).itemData()), favourite(3));
    EXPECT_EQ(favourite(3).itemData(), 0x0302);
}

TEST_F(ChannelListWorkTest, GroupsAndTabsChooseTheRows)
{
    ChannelListWork work(db);
    work.selectGroup(kHotbird);
    EXPECT_EQ(rowNames(work), (Names{"bravo", "delta"}));
    work.selectTab(1);
    EXPECT_EQ(rowNames(work), (Names{"Radio Two"}));
    work.selectGroup(favourite(0));
    EXPECT_EQ(rowNames(work), (Names{"Radio Two"}));
    work.selectTab(0);
    // A favourite group keeps its own order and carries the database positions.
    EXPECT_EQ(rowNames(work), (Names{"bravo", "Alpha"}));
    EXPECT_EQ(work.rows()[0].programIndex, 2);
    EXPECT_EQ(work.rows()[1].programIndex, 0);
}

TEST_F(ChannelListWorkTest, SortingFlipsOnTheSameColumnAndStartsAscendingOnAnother)
{
    ChannelListWork work(db);
    work.sortByColumn(CHLIST_COLUMN_NAME);
    // Case does not count: a plain byte order would put "Charlie" before "bravo".
    EXPECT_EQ(rowNames(work), (Names{"Alpha", "bravo", "Charlie", "delta"}));
    EXPECT_EQ(work.sortKey(), 0u);
    work.sortByColumn(CHLIST_COLUMN_NAME);
    EXPECT_EQ(rowNames(work), (Names{"delta", "Charlie", "bravo", "Alpha"}));
    EXPECT_EQ(work.sortKey(), SORT_DESCENDING);
    const std::vector<int> order = work.sortByColumn(CHLIST_COLUMN_CA);
    EXPECT_EQ(work.sortKey(), 1u);
    EXPECT_EQ(rowNames(work), (Names{"delta", "Charlie", "Alpha", "bravo"}));
    EXPECT_EQ(order, (std::vector<int>{0, 1, 3, 2}));
    EXPECT_EQ(work.modifiedFlags(), CHLIST_ORDER);
    EXPECT_TRUE(work.orderDirty());

    work.sortByColumn(CHLIST_COLUMN_NETWORK); // by transponder position, not network name
    EXPECT_EQ(rowNames(work), (Names{"Alpha", "delta", "bravo", "Charlie"})); // ties keep their order
    work.sortByColumn(CHLIST_COLUMN_FAVORITE);
    EXPECT_EQ(rowNames(work), (Names{"Alpha", "bravo", "Charlie", "delta"}));
    // A refill forgets the sort; a single row is not sorted and changes nothing.
    ChannelListWork single(db);
    single.selectGroup(kHotbird);
    single.selectTab(1);
    EXPECT_EQ(single.sortKey(), SORT_NONE);
    EXPECT_TRUE(single.sortByColumn(CHLIST_COLUMN_NAME).empty());
    EXPECT_EQ(single.sortKey(), SORT_NONE);
    EXPECT_EQ(single.modifiedFlags(), 0u);
}

TEST_F(ChannelListWorkTest, CaSortIsAConsistentSignedOrder)
{
    // Bit 31 makes a word negative; a wrapping subtraction would rank 0x40000000 both above and below it.
    for (int k = 0; k < 4; ++k)
        db.programs[static_cast<std::size_t>(k)].attributes = 0;
    db.programs[0].caSystems = 0x40000000;
    db.programs[1].caSystems = 0x80000000;
    db.programs[2].caSystems = 0x3;
    db.programs[3].caSystems = 0xFFFF0000; // only bits 30 and 31 of the high half count
    ChannelListWork work(db);
    work.sortByColumn(CHLIST_COLUMN_CA);
    EXPECT_EQ(rowNames(work), (Names{"Radio One", "Charlie", "delta", "bravo", "Alpha"}));
}

TEST_F(ChannelListWorkTest, DraggingInAllSatellitesReordersOnlyThatTypeAndRenumbersFavourites)
{
    ChannelListWork work(db);
    ASSERT_TRUE(work.moveRow(0, 2)); // "Alpha" dropped on the third channel lands third
    EXPECT_EQ(rowNames(work), (Names{"bravo", "Charlie", "Alpha", "delta"}));
    EXPECT_EQ(programNames(db)[0], "Alpha"); // nothing reaches the database before OK
    EXPECT_TRUE(work.apply());
    // The radio programs keep their positions 1 and 4.
    EXPECT_EQ(programNames(db), (Names{"bravo", "Radio One", "Charlie", "Alpha", "Radio Two", "delta"}));
    EXPECT_EQ(favouriteNames(db, db.favourites[0].tvList), (Names{"bravo", "Alpha"}));
    EXPECT_EQ(favouriteNames(db, db.favourites[0].radioList), (Names{"Radio Two"}));
    EXPECT_EQ(favouriteNames(db, db.favourites[2].tvList), (Names{"Charlie"}));
    EXPECT_EQ(favouriteNames(db, db.favourites[3].tvList), (Names{"delta"}));
}

TEST_F(ChannelListWorkTest, DraggingUpLandsBeforeTheTargetAndSameRowOrNoRowDoesNothing)
{
    ChannelListWork work(db);
    EXPECT_FALSE(work.moveRow(1, 1));
    EXPECT_FALSE(work.moveRow(1, 4));
    EXPECT_FALSE(work.moveRow(-1, 0));
    EXPECT_EQ(work.modifiedFlags(), 0u);
    ASSERT_TRUE(work.moveRow(3, 1));
    EXPECT_EQ(rowNames(work), (Names{"Alpha", "delta", "bravo", "Charlie"}));
}

TEST_F(ChannelListWorkTest, PendingOrderIsWrittenBackBeforeTheGroupChanges)
{
    ChannelListWork work(db);
    work.selectGroup(kHotbird);
    ASSERT_TRUE(work.moveRow(1, 0));
    work.selectGroup(kAll);
    EXPECT_FALSE(work.orderDirty());
    EXPECT_EQ(rowNames(work), (Names{"Alpha", "delta", "Charlie", "bravo"}));
    EXPECT_TRUE(work.apply());
    EXPECT_EQ(programNames(db), (Names{"Alpha", "Radio One", "delta", "Charlie", "Radio Two", "bravo"}));
    EXPECT_EQ(favouriteNames(db, db.favourites[0].tvList), (Names{"bravo", "Alpha"}));
    EXPECT_EQ(favouriteNames(db, db.favourites[3].tvList), (Names{"delta"}));
}

TEST_F(ChannelListWorkTest, ReorderingAFavouriteGroupChangesOnlyItsList)
{
    ChannelListWork work(db);
    work.selectGroup(favourite(0));
    ASSERT_TRUE(work.moveRow(0, 1));
    EXPECT_EQ(work.modifiedFlags(), CHLIST_FAVORITES);
    EXPECT_TRUE(work.apply());
    EXPECT_EQ(db.favourites[0].tvList, (CChList{0, 2}));
    EXPECT_EQ(programNames(db)[0], "Alpha");
}

TEST_F(ChannelListWorkTest, SortingIntoTheSameOrderLeavesTheDatabaseAsItWas)
{
    ChannelListWork work(db);
    work.selectGroup(kHotbird);
    work.sortByColumn(CHLIST_COLUMN_NAME); // bravo, delta: already in order
    EXPECT_EQ(work.modifiedFlags(), CHLIST_ORDER);
    EXPECT_FALSE(work.apply());
    EXPECT_EQ(programNames(db), programNames(makeChannelListDatabase()));
}

TEST_F(ChannelListWorkTest, RemovingTheLastChannelOfAGroupUnlistsItAndKeepsTheCurrentGroup)
{
    ChannelListWork work(db);
    const int delta = rowOf(work, "delta");
    EXPECT_TRUE(work.inFavourite(delta, 3));
    EXPECT_TRUE(work.removeFromFavourite(delta, 3).empty()); // group 3 is not shown: no row goes
    EXPECT_FALSE(work.inFavourite(delta, 3));
    EXPECT_EQ(work.groups().back(), favourite(2));
    EXPECT_EQ(work.currentGroup(), kAll);
    EXPECT_EQ(work.rows().size(), 4u);
    EXPECT_TRUE(work.favourites()[3].tvList.empty());
    EXPECT_EQ(work.modifiedFlags(), CHLIST_FAVORITES);
    EXPECT_TRUE(db.favourites[3].tvList == CChList{5}); // until OK
    EXPECT_TRUE(work.apply());
    EXPECT_TRUE(db.favourites[3].tvList.empty());
}

TEST_F(ChannelListWorkTest, RemovingFromTheShownGroupTakesItsRow)
{
    ChannelListWork work(db);
    work.selectGroup(favourite(0));
    ASSERT_TRUE(work.moveRow(0, 1)); // Alpha, bravo: pending order survives the removal
    EXPECT_EQ(work.removeFromFavourite(1, 0), (std::vector<int>{1}));
    EXPECT_EQ(rowNames(work), (Names{"Alpha"}));
    EXPECT_EQ(work.removeFromFavourite(0, 0), (std::vector<int>{0}));
    EXPECT_TRUE(work.rows().empty());
    // The radio list still holds a channel, so the group stays offered.
    EXPECT_NE(std::find(work.groups().begin(), work.groups().end(), favourite(0)), work.groups().end());
    // A channel not in the group is not removed from it.
    work.selectGroup(kAll);
    EXPECT_TRUE(work.removeFromFavourite(rowOf(work, "Alpha"), 0).empty());
    EXPECT_TRUE(work.apply());
    EXPECT_TRUE(db.favourites[0].tvList.empty());
    EXPECT_EQ(db.favourites[0].radioList, CChList{4});
}

TEST_F(ChannelListWorkTest, AddingToAnEmptyGroupListsItInGroupNumberOrder)
{
    ChannelListWork work(db);
    const int charlie = rowOf(work, "Charlie");
    EXPECT_FALSE(work.addToFavourite(charlie, 2)); // already a member
    ASSERT_TRUE(work.addToFavourite(charlie, 5));
    EXPECT_EQ(work.groups().back(), favourite(5));
    ASSERT_TRUE(work.addToFavourite(charlie, 1));
    const std::vector<ChannelGroup> favourites(work.groups().end() - 5, work.groups().end());
    EXPECT_EQ(favourites, (std::vector<ChannelGroup>{favourite(0), favourite(1), favourite(2), favourite(3),
                                                     favourite(5)}));
    EXPECT_EQ(db.programs[3].favMask, 0x4 | 0x20 | 0x2);
    EXPECT_FALSE(work.addToFavourite(charlie, 16)); // no such group
    work.selectTab(1);
    ASSERT_TRUE(work.addToFavourite(rowOf(work, "Radio One"), 1));
    EXPECT_TRUE(work.apply());
    EXPECT_EQ(db.favourites[1].tvList, CChList{3});
    EXPECT_EQ(db.favourites[1].radioList, CChList{1});
    EXPECT_EQ(db.favourites[5].tvList, CChList{3});
}

TEST_F(ChannelListWorkTest, EntriesAddedAfterAReorderAreRenumberedToo)
{
    ChannelListWork work(db);
    ASSERT_TRUE(work.moveRow(0, 3)); // Alpha to the end of the TV channels
    ASSERT_TRUE(work.addToFavourite(rowOf(work, "Charlie"), 7));
    EXPECT_TRUE(work.apply());
    EXPECT_EQ(favouriteNames(db, db.favourites[7].tvList), (Names{"Charlie"}));
    EXPECT_EQ(favouriteNames(db, db.favourites[0].tvList), (Names{"bravo", "Alpha"}));
}

TEST_F(ChannelListWorkTest, WorkingCopiesDoNotReachTheDatabaseWithoutApply)
{
    const ChannelDatabase before = makeChannelListDatabase();
    {
        ChannelListWork work(db);
        work.sortByColumn(CHLIST_COLUMN_NAME);
        work.sortByColumn(CHLIST_COLUMN_NAME);
        work.addToFavourite(0, 9);
        work.removeFromFavourite(rowOf(work, "bravo"), 0);
        work.renameFavourites({"Sport"});
        work.selectGroup(kHotbird); // flushes the order into the working list only
    }
    EXPECT_EQ(programNames(db), programNames(before));
    for (std::size_t g = 0; g < before.favourites.size(); ++g) {
        EXPECT_EQ(db.favourites[g].name, before.favourites[g].name);
        EXPECT_EQ(db.favourites[g].tvList, before.favourites[g].tvList);
        EXPECT_EQ(db.favourites[g].radioList, before.favourites[g].radioList);
    }
}

TEST_F(ChannelListWorkTest, RenamingRecordsOnlyRealChanges)
{
    ChannelListWork work(db);
    std::vector<std::string> names;
    for (const FavInfo& fav : db.favourites)
        names.push_back(fav.name);
    EXPECT_FALSE(work.renameFavourites(names));
    EXPECT_EQ(work.modifiedFlags(), 0u);
    names[1] = "";
    names.push_back("ignored: there is no seventeenth group");
    EXPECT_TRUE(work.renameFavourites(names));
    EXPECT_EQ(work.modifiedFlags(), CHLIST_NAMES);
    EXPECT_EQ(db.favourites[1].name, "Movies");
    EXPECT_TRUE(work.apply());
    EXPECT_EQ(db.favourites[1].name, "");
    EXPECT_EQ(db.favourites.size(), 16u);
}

TEST_F(ChannelListWorkTest, SearchStartsAfterTheSelectionAndWrapsAround)
{
    ChannelListWork work(db); // Alpha, bravo, Charlie, delta
    const auto startsWithLetter = [](char c) {
        return [c](const ProgInfo& prog) { return !prog.name.empty() && std::tolower(prog.name[0]) == c; };
    };
    EXPECT_EQ(work.findNext(-1, startsWithLetter('a')), 0);
    EXPECT_EQ(work.findNext(0, startsWithLetter('c')), 2);
    EXPECT_EQ(work.findNext(2, startsWithLetter('b')), 1);  // wraps to the top
    EXPECT_EQ(work.findNext(1, startsWithLetter('b')), -1); // the selected row itself is not tested
    EXPECT_EQ(work.findNext(-1, startsWithLetter('z')), -1);
    work.selectGroup(favourite(5)); // no rows at all
    EXPECT_EQ(work.findNext(-1, startsWithLetter('a')), -1);
}

TEST_F(ChannelListWorkTest, GroupsBeyondSixteenAreListedButTakeNoMaskBit)
{
    FavInfo extra;
    extra.name = "Extra";
    extra.tvList = {0};
    db.favourites.append(extra);
    ChannelListWork work(db);
    EXPECT_EQ(work.groups().back(), favourite(16));
    EXPECT_EQ(work.menuGroupCount(), 16);
    EXPECT_EQ(db.programs[0].favMask, 0x1);
    work.selectGroup(favourite(16));
    EXPECT_EQ(rowNames(work), (Names{"Alpha"}));
}
