#include <gtest/gtest.h>

#include "db/fieldtext.h"
#include "db/netinfo.h"

using namespace kvx;

TEST(FieldText, FormatsByWidth)
{
    EXPECT_EQ(formatField(0x1F, 2), "0x1f");
    EXPECT_EQ(formatField(0x100, 4), "0x0100");
    EXPECT_EQ(formatField(0xFFFF, 4), "0xffff");
    EXPECT_EQ(formatField(0x40000001, 8), "0x40000001");
    EXPECT_EQ(formatField(-3600, 0), "-3600");
    EXPECT_EQ(formatField(1234, 0, false), "");
}

TEST(FieldText, ParseNumberReadsHexAfterPrefixElseDecimal)
{
    EXPECT_EQ(parseNumber("  0x1fF"), 0x1FF);
    EXPECT_EQ(parseNumber("0X10"), 16);
    EXPECT_EQ(parseNumber("256"), 256);
    EXPECT_EQ(parseNumber("12abc"), 12); // stops at the first misfit
    EXPECT_EQ(parseNumber("0x"), 0);     // prefix without digits
    EXPECT_EQ(parseNumber("0"), 0);      // one character is decimal
    EXPECT_EQ(parseNumber("-1"), -1);
    EXPECT_EQ(parseNumber("abc"), 0);
    EXPECT_EQ(parseNumber(""), 0);
    EXPECT_EQ(static_cast<uint16_t>(parseNumber("0x12345")), 0x2345);
}

TEST(FieldText, ParseDecimalWantsTheWholeText)
{
    EXPECT_EQ(parseDecimal(" 42 "), 42);
    EXPECT_EQ(parseDecimal("-7"), -7);
    EXPECT_EQ(parseDecimal("+7"), 7);
    EXPECT_FALSE(parseDecimal(""));
    EXPECT_FALSE(parseDecimal("12abc"));
    EXPECT_FALSE(parseDecimal("0x10"));
    EXPECT_FALSE(parseDecimal("99999999999"));
}

TEST(FieldText, DegreesFoldIntoOneTurnAndTruncate)
{
    EXPECT_EQ(parseDegree("19.2"), 192);
    EXPECT_EQ(parseDegree("19.25"), 192);
    EXPECT_EQ(parseDegree("-5"), 3550);
    EXPECT_EQ(parseDegree("360"), 0);
    EXPECT_EQ(parseDegree("400.05"), 400);
    EXPECT_EQ(parseDegree(" 13E"), 130);
    EXPECT_EQ(parseDegree("east"), 0);
    EXPECT_EQ(parseDegree("-0.0000001"), 3599);
    EXPECT_EQ(parseDegree("-1e-20"), 0); // would round up to a full turn
    EXPECT_LT(parseDegree("1e300"), 3600);
    EXPECT_EQ(parseDegree("nan"), 0);
    EXPECT_EQ(parseDegree("35.5W"), 3245);
    EXPECT_EQ(parseDegree("35.5 w"), 3245);
    EXPECT_EQ(parseDegree("5.0\u00B0W"), 3550);
    EXPECT_EQ(parseDegree("19.2E"), 192);
}

TEST(FieldText, PositionsReadEastOrWestAndReadBack)
{
    for (const auto& [tenths, text] : {std::pair<uint16_t, const char*>{0, "0.0E"},
                                       {192, "19.2E"},
                                       {1800, "180.0E"},
                                       {1801, "179.9W"},
                                       {3245, "35.5W"},
                                       {3599, "0.1W"}}) {
        NetInfo net;
        net.degree = tenths;
        EXPECT_EQ(net.degreeText(), text);
        EXPECT_EQ(parseDegree(net.degreeText()), tenths) << text;
    }
}

TEST(FieldText, SkewAnglesFoldAndFallBack)
{
    EXPECT_EQ(parseSkewAngle("200", 106), 20);
    EXPECT_EQ(parseSkewAngle("179", 106), 179);
    EXPECT_EQ(parseSkewAngle("180", 106), 0);
    EXPECT_EQ(parseSkewAngle("", 33), 33);
    EXPECT_EQ(parseSkewAngle("x", 106), 106);
    EXPECT_EQ(parseSkewAngle("300", 106), 44 % 180); // low 8 bits first
}
