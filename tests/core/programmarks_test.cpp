#include <gtest/gtest.h>

#include "db/programmarks.h"
#include "db/tables.h"
#include "support/sampledatabase.h"

using namespace kvx;

namespace {

// Programs 0..5 on one transponder; 1 and 4 are radio.
ChannelDatabase fivePrograms()
{
    ChannelDatabase db = test::makeEmptyModel(2, FLAG_PROG_CA);
    db.transponders.append(TpInfo::create(0, 11000, 0));
    for (uint16_t i = 0; i < 6; ++i) {
        ProgInfo prog = ProgInfo::create(0, i);
        if (i == 1 || i == 4)
            prog.attributes |= ATTR_RADIO;
        db.programs.append(prog);
    }
    return db;
}

} // namespace

TEST(ProgramMarks, FavouriteGroupsTakeAndDropEachProgramOnce)
{
    ChannelDatabase db = fivePrograms();
    db.favourites[1].tvList = {3, 0};
    // Added at the end of each kind's list in selection order; members and stray positions are left out.
    EXPECT_EQ(addToFavouriteGroup(db, 1, {5, 0, 1, 4, 40}), 3u);
    EXPECT_EQ(db.favourites[1].tvList, (CChList{3, 0, 5}));
    EXPECT_EQ(db.favourites[1].radioList, (CChList{1, 4}));
    EXPECT_EQ(countInFavouriteGroup(db, 1, {0, 1, 2}), 2u);
    EXPECT_EQ(addToFavouriteGroup(db, 1, {0, 1}), 0u);
    EXPECT_EQ(addToFavouriteGroup(db, db.favourites.size(), {2}), 0u);

    EXPECT_EQ(removeFromFavouriteGroup(db, 1, {0, 4, 2}), 2u);
    EXPECT_EQ(db.favourites[1].tvList, (CChList{3, 5}));
    EXPECT_EQ(db.favourites[1].radioList, (CChList{1}));
    EXPECT_TRUE(db.favourites[0].tvList.empty());
}

TEST(ProgramMarks, ScrambledMarksOnlyFreeProgramsAndClearsEveryCaSystem)
{
    ChannelDatabase db = fivePrograms();
    const uint32_t irdetoAndOther = (1u << 2) | (1u << 20); // bit 20 is not a CA system
    db.programs[2].caSystems = irdetoAndOther;
    EXPECT_EQ(markScrambled(db, {0, 2}), 1u);
    EXPECT_EQ(db.programs[0].caSystems, 1u << CA_UNKNOWN_BIT);
    EXPECT_EQ(db.programs[2].caSystems, irdetoAndOther);
    EXPECT_EQ(clearScrambled(db, {0, 2, 3}), 2u);
    EXPECT_EQ(db.programs[0].caSystems, 0u);
    EXPECT_EQ(db.programs[2].caSystems, 1u << 20);
}
