#include <gtest/gtest.h>

#include "platform/nameencoding.h"
#include "platform/systemlanguage.h"

using namespace kvx;

TEST(NameEncoding, DecodesAndEncodesTheChosenCodePage)
{
    const NameEncoding cp1251("WINDOWS-1251");
    EXPECT_EQ(cp1251.codePage(), "WINDOWS-1251");
    EXPECT_EQ(cp1251.toUtf8("\xCF\xE5\xF0\xE2\xFB\xE9"), "Первый");
    EXPECT_EQ(cp1251.fromUtf8("Первый"), "\xCF\xE5\xF0\xE2\xFB\xE9");
    EXPECT_EQ(cp1251.toUtf8("ORF 1"), "ORF 1");

    const NameEncoding cp1252("WINDOWS-1252");
    EXPECT_EQ(cp1252.toUtf8("Caf\xE9 \x80"), "Café €");
    EXPECT_EQ(cp1252.fromUtf8("Café €"), "Caf\xE9 \x80");
}

TEST(NameEncoding, UnknownPagesFallBack)
{
    EXPECT_FALSE(NameEncoding::isSupported("NO-SUCH-PAGE"));
    EXPECT_FALSE(NameEncoding::isSupported(""));
    EXPECT_EQ(NameEncoding("NO-SUCH-PAGE").codePage(), "WINDOWS-1252");
    for (const std::string& page : NameEncoding::choices())
        EXPECT_TRUE(NameEncoding::isSupported(page)) << page;
}

TEST(NameEncoding, EveryByteSurvivesDecodingAndEncoding)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    for (const std::string& page : NameEncoding::choices()) {
        const NameEncoding enc(page);
        EXPECT_EQ(enc.fromUtf8(enc.toUtf8(all)), all) << page;
    }
}

TEST(NameEncoding, CharactersThePageLacksBecomeQuestionMarks)
{
    const NameEncoding cp1252("WINDOWS-1252");
    EXPECT_FALSE(cp1252.canEncode("Первый"));
    EXPECT_TRUE(cp1252.canEncode("Café"));
    EXPECT_EQ(cp1252.fromUtf8("Aд€"), "A?\x80");
    EXPECT_EQ(cp1252.fromUtf8("x\xFFy"), "x?y") << "malformed UTF-8";
}

TEST(NameEncoding, Iso88595Conversions)
{
    const NameEncoding cp1251("WINDOWS-1251");
    const std::string iso = "\xBF\xD5\xE0\xD2\xEB\xD9"; // "Первый" in ISO 8859-5
    EXPECT_EQ(NameEncoding::iso88595ToUtf8(iso), "Первый");
    EXPECT_EQ(NameEncoding::utf8ToIso88595("Первый"), iso);
    EXPECT_EQ(cp1251.toIso88595(cp1251.fromIso88595(iso)), iso);
    EXPECT_TRUE(NameEncoding::canEncodeIso88595("Первый 1"));
    EXPECT_FALSE(NameEncoding::canEncodeIso88595("Café"));

    const NameEncoding latin("WINDOWS-1252");
    EXPECT_EQ(latin.fromIso88595(iso), "??????");
}

TEST(SystemLanguage, LocaleNamesGiveWindowsLanguageIdsAndCodePages)
{
    EXPECT_EQ(primaryLanguageId("ru_RU.UTF-8"), 0x19);
    EXPECT_EQ(primaryLanguageId("ru"), 0x19);
    EXPECT_EQ(primaryLanguageId("de_DE@euro"), 0x07);
    EXPECT_EQ(primaryLanguageId("pt-BR"), 0x16);
    EXPECT_EQ(primaryLanguageId("C"), 0);
    EXPECT_EQ(primaryLanguageId(""), 0);
    EXPECT_EQ(NameEncoding::defaultForLanguage("uk_UA.UTF-8"), "WINDOWS-1251");
    EXPECT_EQ(NameEncoding::defaultForLanguage("el_GR"), "WINDOWS-1253");
    EXPECT_EQ(NameEncoding::defaultForLanguage("tr_TR"), "WINDOWS-1254");
    EXPECT_EQ(NameEncoding::defaultForLanguage("pl_PL"), "WINDOWS-1250");
    EXPECT_EQ(NameEncoding::defaultForLanguage("en_GB"), "WINDOWS-1252");
    EXPECT_EQ(NameEncoding::defaultForLanguage("C"), "WINDOWS-1252");
}
