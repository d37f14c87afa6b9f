#include <gtest/gtest.h>

#include "import/satcodxline.h"
#include "support/importfixtures.h"

using namespace kvx;
using test::SdxFields;
using test::sdxLine;

TEST(SatcodxLine, ReadsTheFieldsFromTheirColumns)
{
    const SatcodxLine line = parseSatcodxLine(sdxLine({.name = "Hotbird 13E   ",
                                                       .frequency = "011034",
                                                       .polarisation = "0",
                                                       .degree = "0130",
                                                       .symbolRate = "27500"}));
    ASSERT_EQ(line.kind, SatcodxLineKind::Transponder);
    EXPECT_EQ(line.satelliteName, "Hotbird 13E");
    EXPECT_EQ(line.frequency, 11034);
    EXPECT_EQ(line.polarisation, 0);
    EXPECT_EQ(line.degree, 130);
    EXPECT_EQ(line.symbolRate, 27500);
}

TEST(SatcodxLine, NumbersStopAtTheirFieldsEnd)
{
    // Digits run on into the neighbouring columns; only the field's own width counts.
    std::string text = sdxLine({.frequency = "01234578", .degree = "019234", .symbolRate = "2750099"});
    SatcodxLine line = parseSatcodxLine(text);
    ASSERT_EQ(line.kind, SatcodxLineKind::Transponder);
    EXPECT_EQ(line.frequency, 12345);
    EXPECT_EQ(line.degree, 192);
    EXPECT_EQ(line.symbolRate, 27500);

    // Leading blanks are skipped; a blank field is 0 and does not read the next field's digits.
    line = parseSatcodxLine(sdxLine({.frequency = "  3800", .degree = "    ", .symbolRate = "  120"}));
    ASSERT_EQ(line.kind, SatcodxLineKind::Transponder);
    EXPECT_EQ(line.frequency, 3800);
    EXPECT_EQ(line.degree, 0);
    EXPECT_EQ(line.symbolRate, 120);
}

TEST(SatcodxLine, TagInAnyCaseButOnlyVersion03)
{
    EXPECT_EQ(parseSatcodxLine(sdxLine({.tag = "satcodx"})).kind, SatcodxLineKind::Transponder);
    EXPECT_EQ(parseSatcodxLine(sdxLine({.tag = "SatCodX"})).kind, SatcodxLineKind::Transponder);
    EXPECT_EQ(parseSatcodxLine(sdxLine({.version = "02"})).kind, SatcodxLineKind::Skipped);
    EXPECT_EQ(parseSatcodxLine(sdxLine({.version = "3 "})).kind, SatcodxLineKind::Skipped);
    EXPECT_EQ(parseSatcodxLine(sdxLine({.tag = "SATCODY"})).kind, SatcodxLineKind::Skipped);
    EXPECT_EQ(parseSatcodxLine("").kind, SatcodxLineKind::Skipped);
    EXPECT_EQ(parseSatcodxLine("SATCODX0").kind, SatcodxLineKind::Skipped);
}

TEST(SatcodxLine, FrequencyZeroOnlyRenames)
{
    const SatcodxLine line = parseSatcodxLine(sdxLine({.name = "Eutelsat", .frequency = "000000"}));
    EXPECT_EQ(line.kind, SatcodxLineKind::NameOnly);
    EXPECT_EQ(line.satelliteName, "Eutelsat");
    // A line that ends before the frequency field has frequency 0 as well.
    const SatcodxLine shortLine = parseSatcodxLine(sdxLine({.name = "Short", .length = 30}));
    EXPECT_EQ(shortLine.kind, SatcodxLineKind::NameOnly);
    EXPECT_EQ(shortLine.satelliteName, "Short");
}

TEST(SatcodxLine, LinesTooShortOrWithoutValidPolarityAreSkipped)
{
    // The name field is incomplete.
    EXPECT_EQ(parseSatcodxLine(sdxLine({.length = 27})).kind, SatcodxLineKind::Skipped);
    // A frequency but no column 42.
    EXPECT_EQ(parseSatcodxLine(sdxLine({.length = 42})).kind, SatcodxLineKind::Skipped);
    EXPECT_EQ(parseSatcodxLine(sdxLine({.length = 43})).kind, SatcodxLineKind::Transponder);
    // Polarity digits other than 0..3 would give a flags byte with FEC and modulation bits set.
    for (const char* digit : {"4", "9", " ", "H", "/"})
        EXPECT_EQ(parseSatcodxLine(sdxLine({.polarisation = digit})).kind, SatcodxLineKind::Skipped) << digit;
    for (const char* digit : {"0", "1", "2", "3"})
        EXPECT_EQ(parseSatcodxLine(sdxLine({.polarisation = digit})).polarisation, digit[0] - '0');
}

TEST(SatcodxLine, ValuesATransponderCannotHoldAreSkipped)
{
    EXPECT_EQ(parseSatcodxLine(sdxLine({.frequency = "065535"})).kind, SatcodxLineKind::Transponder);
    EXPECT_EQ(parseSatcodxLine(sdxLine({.frequency = "065536"})).kind, SatcodxLineKind::Skipped);
    EXPECT_EQ(parseSatcodxLine(sdxLine({.symbolRate = "65535"})).kind, SatcodxLineKind::Transponder);
    EXPECT_EQ(parseSatcodxLine(sdxLine({.symbolRate = "70000"})).kind, SatcodxLineKind::Skipped);
}

TEST(SatcodxLine, NameKeepsInnerBlanksAndLosesTrailingWhiteSpace)
{
    EXPECT_EQ(parseSatcodxLine(sdxLine({.name = "Thor 5 / 6\t  "})).satelliteName, "Thor 5 / 6");
    EXPECT_EQ(parseSatcodxLine(sdxLine({.name = "123456789012345678X"})).satelliteName, "123456789012345678");
    EXPECT_EQ(parseSatcodxLine(sdxLine({.name = ""})).satelliteName, "");
}
