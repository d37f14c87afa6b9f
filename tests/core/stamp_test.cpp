#include <gtest/gtest.h>

#include "db/channeldatabase.h"
#include "db/kvximage.h"
#include "db/stamp.h"
#include "support/sampledatabase.h"

using namespace kvx;

TEST(StampReading, DateVersionAndNeither)
{
    const FixedClock clock({2026, 12, 7});
    const Stamp date = {0x89, 0x04, 0x0E};
    EXPECT_EQ(stampDateOrToday(date, clock), (LocalDate{2009, 4, 14}));
    EXPECT_FALSE(stampVersionText(date));

    const Stamp version = {0, 1, 2};
    EXPECT_EQ(stampVersionText(version), "B002");
    EXPECT_EQ(stampDateOrToday(version, clock), (LocalDate{2026, 12, 7}));

    const Stamp year2100 = {0x80 | 100, 1, 1}; // beyond the date form
    EXPECT_EQ(stampDateOrToday(year2100, clock), (LocalDate{2026, 12, 7}));
    EXPECT_EQ(stampDateOrToday({0x89, 13, 1}, clock), (LocalDate{2026, 12, 7}));
    EXPECT_EQ(stampDateOrToday({0x89, 12, 0}, clock), (LocalDate{2026, 12, 7}));
    EXPECT_EQ(stampVersionText({0, 25, 255}), "Z255");
}

TEST(StampSetDate, StoresTheDateFormAndReportsChange)
{
    Stamp stamp = {0, 1, 2};
    EXPECT_TRUE(setStampDate(stamp, {2009, 4, 14}));
    EXPECT_EQ(stamp, (Stamp{0x89, 4, 14}));
    EXPECT_FALSE(setStampDate(stamp, {2009, 4, 14}));
    EXPECT_TRUE(setStampDate(stamp, {2127, 12, 31}));
    EXPECT_EQ(stamp, (Stamp{0xFF, 12, 31}));
    EXPECT_TRUE(setStampDate(stamp, {2000, 1, 1}));
    EXPECT_EQ(stamp, (Stamp{0x80, 1, 1}));
}

TEST(StampSetVersion, LetterOfEitherCaseAndNumberUpTo255)
{
    Stamp stamp = {0x89, 4, 14};
    EXPECT_TRUE(setStampVersion(stamp, "b2"));
    EXPECT_EQ(stamp, (Stamp{0, 1, 2}));
    EXPECT_FALSE(setStampVersion(stamp, "B002")); // the same version
    EXPECT_TRUE(setStampVersion(stamp, "Z255"));
    EXPECT_EQ(stamp, (Stamp{0, 25, 255}));
    EXPECT_TRUE(setStampVersion(stamp, "C 7 beta")); // blanks before the number, anything after it
    EXPECT_EQ(stamp, (Stamp{0, 2, 7}));

    for (const char* bad : {"", "B", "2B", "B256", "B-1", "Bx", " B2",
                            "\xC4"
                            "5",
                            "B99999999999999999999"}) {
        Stamp unchanged = {0x89, 4, 14};
        EXPECT_FALSE(setStampVersion(unchanged, bad)) << bad;
        EXPECT_EQ(unchanged, (Stamp{0x89, 4, 14})) << bad;
    }
}

TEST(StampSetVersion, DialogAcceptsNumbersUpTo254)
{
    EXPECT_TRUE(isAcceptedVersionInput("b2"));
    EXPECT_TRUE(isAcceptedVersionInput("B254"));
    EXPECT_FALSE(isAcceptedVersionInput("B255"));
    EXPECT_FALSE(isAcceptedVersionInput("1B"));
    EXPECT_FALSE(isAcceptedVersionInput("B"));
}

TEST(StampConfirm, AlwaysFixesTheStampButReportsOnlyRealChanges)
{
    ChannelDatabase db;
    db.stamp = {0x89, 4, 14};
    EXPECT_FALSE(confirmStampDate(db, {2009, 4, 14}));
    EXPECT_TRUE(db.keepStamp);
    db.keepStamp = false;
    EXPECT_TRUE(confirmStampVersion(db, "B2"));
    EXPECT_TRUE(db.keepStamp);
}

TEST(StampOnWrite, RefreshedToTodayUnlessKept)
{
    ChannelDatabase db = test::makeEmptyModel(1, FLAG_PROG_CA);
    std::vector<uint8_t> buffer(KVX_IMAGE_BUFFER_SIZE);
    const FixedClock clock({2031, 2, 3});
    db.keepStamp = true;
    ASSERT_EQ(WriteImage(db, buffer, clock).status, StatusOk);
    EXPECT_EQ(db.stamp, (Stamp{0x89, 4, 14}));
    EXPECT_EQ(buffer[9], 0x89);
    db.keepStamp = false;
    ASSERT_EQ(WriteImage(db, buffer, clock).status, StatusOk);
    EXPECT_EQ(db.stamp, (Stamp{0x80 + 31, 2, 3}));
    EXPECT_EQ(buffer[9], 0x80 + 31);
    EXPECT_EQ(buffer[11], 3);
}
