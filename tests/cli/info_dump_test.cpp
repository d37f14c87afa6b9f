#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>

#include "clitest.h"
#include "db/tables.h"
#include "support/sampledatabase.h"

using namespace kvx;
using nlohmann::json;

namespace {} // namespace

TEST(KvxtoolInfo, ReportsCountsStampAndForm)
{
    test::TempDir dir;
    ChannelDatabase db = test::makeVariedDatabase(2, FLAG_PROG_CA | FLAG_TP_EXTRA | FLAG_PROG_EXTRA);
    const auto result = test::runKvxtool("info '" + writeSample(dir, std::move(db)) + "'");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const json info = json::parse(result.out);
    EXPECT_EQ(info["version"], 2);
    EXPECT_EQ(info["compressed"], false);
    EXPECT_EQ(info["layoutFlags"], FLAG_PROG_CA | FLAG_TP_EXTRA | FLAG_PROG_EXTRA);
    EXPECT_EQ(info["stamp"], json::parse(R"({"form":"date","date":"2009-04-14"})"));
    EXPECT_EQ(info["networks"], 65);
    EXPECT_EQ(info["transponders"], 5);
    EXPECT_EQ(info["programs"], 12);
    EXPECT_EQ(info["favourites"], 16);
}

TEST(KvxtoolInfo, StampForms)
{
    test::TempDir dir;
    ChannelDatabase versionDb = test::makeEmptyModel(1, FLAG_PROG_CA);
    versionDb.stamp = {0, 1, 2};
    auto result = test::runKvxtool("info '" + writeSample(dir, std::move(versionDb), "v.kvx") + "'");
    EXPECT_EQ(json::parse(result.out)["stamp"], json::parse(R"({"form":"version","text":"B002"})"));

    ChannelDatabase rawDb = test::makeEmptyModel(1, FLAG_PROG_CA);
    rawDb.stamp = {0x80 | 100, 1, 1}; // year 2100 does not read as a date
    result = test::runKvxtool("info '" + writeSample(dir, std::move(rawDb), "r.kvx") + "'");
    EXPECT_EQ(json::parse(result.out)["stamp"], json::parse(R"({"form":"raw","bytes":[228,1,1]})"));
}

TEST(KvxtoolInfo, FailuresExitWithStatusAndMessage)
{
    test::TempDir dir;
    auto result = test::runKvxtool("info '" + dir.file("missing.kvx") + "'");
    test::expectFailure(result, 6, "kvxtool: .*/missing.kvx: No file found");

    const uint8_t shortImage[20] = {'K', 'V', 'X', 0, 20, 0, 0, 0, 1};
    test::writeFile(dir.file("short.kvx"), shortImage, sizeof shortImage);
    result = test::runKvxtool("info '" + dir.file("short.kvx") + "'");
    test::expectFailure(result, 9, "kvxtool: .*/short.kvx: Invalid KVX format");

    uint8_t badVersion[20] = {'K', 'V', 'X', 0, 20, 0, 0, 0, 3};
    test::writeFile(dir.file("v3.kvx"), badVersion, sizeof badVersion);
    result = test::runKvxtool("info '" + dir.file("v3.kvx") + "'");
    test::expectFailure(result, 11, "kvxtool: .*/v3.kvx: KVX Version not supported");
}

TEST(KvxtoolDump, WritesEveryRecordWithFieldNames)
{
    test::TempDir dir;
    ChannelDatabase db = test::makeVariedDatabase(2, FLAG_PROG_CA | FLAG_TP_EXTRA | FLAG_PROG_EXTRA |
                                                         FLAG_TP_NAMES | FLAG_NET_SKEW);
    const auto result = test::runKvxtool("dump '" + writeSample(dir, std::move(db)) + "'");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const json dump = json::parse(result.out);
    EXPECT_EQ(dump["stamp"], json::parse(R"({"form":"date","date":"2009-04-14"})"));
    EXPECT_EQ(dump["keepStamp"], false);
    ASSERT_EQ(dump["antennas"].size(), 65u);
    EXPECT_EQ(dump["antennas"][1], json::parse(R"({"diseqc":133,"power":3,"ports":50,"lnbType":0,
        "lnbFreqLow":10700,"lnbFreqHigh":0})"));
    EXPECT_EQ(dump["networks"][0], json::parse(R"({"name":"Astra 1","degree":192,"positionerId":3,
        "netIndex":0,"skewV":100,"skewH":20})"));
    EXPECT_EQ(dump["networks"][64]["name"], "Terrestrial");
    EXPECT_EQ(dump["transponders"][2]["gmtError"], -60);
    EXPECT_EQ(dump["transponders"][0]["gmtError"], INT32_MIN);
    EXPECT_EQ(dump["transponders"][1]["tpExtra"], json::parse("[1,2,3,256]"));
    const json& prog = dump["programs"][3];
    EXPECT_EQ(prog["name"], "Prog 3");
    EXPECT_EQ(prog["videoPids"], json::array());
    EXPECT_EQ(prog["audioPids"],
              json::parse(R"([{"language":0,"pidWord":771},{"language":6,"pidWord":17156}])"));
    EXPECT_EQ(dump["favourites"][0]["radioList"], json::parse("[3,7]"));
    EXPECT_EQ(dump["favourites"][15]["name"], "My Own");
}

TEST(KvxtoolDump, DecodesNamesWithTheChosenEncoding)
{
    test::TempDir dir;
    ChannelDatabase db = test::makeEmptyModel(1, FLAG_PROG_CA);
    db.networks[0].name = "\xC0\xF1\xF2\xF0\xE0"; // "Астра" in Windows-1251
    const std::string path = writeSample(dir, std::move(db));

    auto result = test::runKvxtool("dump '" + path + "' --encoding WINDOWS-1251");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(json::parse(result.out)["networks"][0]["name"], "Астра");

    result = test::runKvxtool("dump '" + path + "'"); // Latin-1 by default: one character per byte
    EXPECT_EQ(json::parse(result.out)["networks"][0]["name"], "\u00C0\u00F1\u00F2\u00F0\u00E0");

    result = test::runKvxtool("dump '" + path + "' --encoding NO-SUCH-PAGE");
    EXPECT_NE(result.exitCode, 0);
}

TEST(KvxtoolDump, ProgramNamesByTheirOwnCodePageWithTheirBytes)
{
    test::TempDir dir;
    ChannelDatabase db = test::makeEmptyModel(1, FLAG_PROG_CA);
    db.transponders.append(TpInfo::create(0, 11000, 0));
    ProgInfo iso = ProgInfo::create(0, 1);
    iso.name = "\xBF\xD5\xE0\xD2\xEB\xD9"; // "Первый" in ISO 8859-5
    iso.nameCodePage = NAME_CODE_PAGE_ISO8859_5;
    db.programs.append(std::move(iso));
    ProgInfo plain = ProgInfo::create(0, 2);
    plain.name = "\xCF\xE5"; // "Пе" in Windows-1251, "Ïå" in Latin-1
    db.programs.append(std::move(plain));
    const std::string path = writeSample(dir, std::move(db));

    const struct {
        const char* encoding;
        const char* plainName;
    } cases[] = {{"", "\u00CF\u00E5"}, {" --encoding 1251", "Пе"}, {" --encoding windows-1251", "Пе"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.encoding);
        const auto result = test::runKvxtool("dump '" + path + "' --compact" + c.encoding);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 1); // one line
        const json programs = json::parse(result.out)["programs"];
        EXPECT_EQ(programs[0]["name"], "Первый");
        EXPECT_EQ(programs[0]["nameHex"], "bfd5e0d2ebd9");
        EXPECT_EQ(programs[1]["name"], c.plainName);
        EXPECT_EQ(programs[1]["nameHex"], "cfe5");
    }
    // info and dump give the stamp in the same shape.
    EXPECT_EQ(json::parse(test::runKvxtool("dump '" + path + "'").out)["stamp"],
              json::parse(test::runKvxtool("info '" + path + "'").out)["stamp"]);
}
