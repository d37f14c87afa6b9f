#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "clitest.h"
#include "db/kvximage.h"
#include "platform/clock.h"
#include "support/sampledatabase.h"

using namespace kvx;
using nlohmann::json;

using test::contentOf;
using test::quoted;

namespace {

void run(const std::string& arguments)
{
    const auto result = test::runKvxtool(arguments);
    EXPECT_EQ(result.exitCode, 0) << arguments << ": " << result.err;
    EXPECT_TRUE(result.out.empty()) << arguments; // silent on success
}

json info(const std::string& path)
{
    const auto result = test::runKvxtool("info " + quoted(path));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return json::parse(result.out);
}

json dump(const std::string& path)
{
    const auto result = test::runKvxtool("dump " + quoted(path));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return json::parse(result.out);
}

std::string todayText()
{
    const LocalDate today = SystemClock::instance().today();
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", today.year, today.month, today.day);
    return text;
}

} // namespace

TEST(KvxtoolNew, BothModelsAndForms)
{
    test::TempDir dir;
    run("new " + quoted(dir.file("sat.kvx")) + " --model sat");
    json sat = info(dir.file("sat.kvx"));
    EXPECT_EQ(sat["version"], 1);
    EXPECT_EQ(sat["networks"], 64);
    EXPECT_EQ(sat["favourites"], 16);
    EXPECT_EQ(sat["compressed"], false);
    EXPECT_EQ(sat["layoutFlags"], 0x04);
    EXPECT_EQ(sat["stamp"]["date"], todayText());

    run("new " + quoted(dir.file("combo.ckvx")) + " --model combo --compressed");
    EXPECT_EQ(contentOf(dir.file("combo.ckvx")).substr(16, 4), "CKVX");
    const json combo = dump(dir.file("combo.ckvx"));
    EXPECT_EQ(combo["version"], 2);
    EXPECT_EQ(combo["compressed"], true);
    EXPECT_EQ(combo["networks"].size(), 65u);
    EXPECT_EQ(combo["networks"][64]["name"], "Terrestrial");

    const auto bad = test::runKvxtool("new " + quoted(dir.file("x.kvx")) + " --model cable");
    EXPECT_NE(bad.exitCode, 0);
}

TEST(KvxtoolConvert, ChangesFormKeepsContent)
{
    test::TempDir dir;
    const std::string in =
        writeSample(dir, test::makeVariedDatabase(2, FLAG_PROG_CA | FLAG_TP_EXTRA | FLAG_PROG_EXTRA));
    const json original = dump(in);

    run("convert " + quoted(in) + " " + quoted(dir.file("a.ckvx")) + " --compressed --keep-stamp");
    EXPECT_EQ(contentOf(dir.file("a.ckvx")).substr(16, 4), "CKVX");
    // Without a form the output takes the input's.
    run("convert " + quoted(dir.file("a.ckvx")) + " " + quoted(dir.file("b.ckvx")) + " --keep-stamp");
    EXPECT_EQ(contentOf(dir.file("b.ckvx")).substr(16, 4), "CKVX");
    run("convert " + quoted(dir.file("b.ckvx")) + " " + quoted(dir.file("c.kvx")) + " --plain --keep-stamp");
    json back = dump(dir.file("c.kvx"));
    EXPECT_EQ(back["compressed"], false);
    EXPECT_EQ(back["stamp"], original["stamp"]);
    EXPECT_EQ(back["programs"], original["programs"]);
    EXPECT_EQ(back["favourites"], original["favourites"]);

    run("convert " + quoted(in) + " " + quoted(dir.file("d.kvx")));
    EXPECT_EQ(info(dir.file("d.kvx"))["stamp"]["date"], todayText());

    const auto both =
        test::runKvxtool("convert " + quoted(in) + " " + quoted(dir.file("e.kvx")) + " --plain --compressed");
    EXPECT_NE(both.exitCode, 0);
}

TEST(KvxtoolStamp, VersionAndDateAreKept)
{
    test::TempDir dir;
    const std::string path = writeSample(dir, test::makeEmptyModel(1, FLAG_PROG_CA));
    run("stamp " + quoted(path) + " --version b2");
    EXPECT_EQ(info(path)["stamp"], json::parse(R"({"form":"version","text":"B002"})"));
    // A version stamp survives a later save.
    run("sort-networks " + quoted(path));
    EXPECT_EQ(info(path)["stamp"]["text"], "B002");

    run("stamp " + quoted(path) + " --date 2009-04-14");
    EXPECT_EQ(info(path)["stamp"], json::parse(R"({"form":"date","date":"2009-04-14"})"));

    const std::string before = contentOf(path);
    for (const char* bad : {"--version 2B", "--version B255", "--version B", "--date 2009-02-30",
                            "--date 2100-01-01", "--date 14.04.2009", "", "--date 2009-04-14 --version B2"}) {
        const auto result = test::runKvxtool("stamp " + quoted(path) + " " + bad);
        EXPECT_NE(result.exitCode, 0) << bad;
        EXPECT_EQ(contentOf(path), before) << bad;
    }
}

TEST(KvxtoolSort, NetworksWestToEastAndTranspondersByFrequency)
{
    test::TempDir dir;
    ChannelDatabase db = test::makeEmptyModel(1, FLAG_PROG_CA);
    db.networks[0].name = "Ten";
    db.networks[0].degree = 100;
    db.networks[1].name = "Three-fifty";
    db.networks[1].degree = 3500;
    db.networks[2].name = "Zero";
    for (auto [freq, pol] : {std::pair{11475, 1}, {11475, 0}, {10750, 1}})
        db.transponders.append(TpInfo::create(0, static_cast<uint16_t>(freq), static_cast<uint8_t>(pol)));
    db.programs.append(ProgInfo::create(2, 7));
    const std::string path = writeSample(dir, std::move(db));

    run("sort-networks " + quoted(path));
    json sorted = dump(path);
    EXPECT_EQ(sorted["networks"][0]["name"], "Three-fifty");
    EXPECT_EQ(sorted["networks"][1]["name"], "Zero");
    EXPECT_EQ(sorted["networks"][2]["name"], "Ten");
    EXPECT_EQ(sorted["transponders"][0]["netIndex"], 2);

    run("sort-transponders " + quoted(path) + " --network 2");
    sorted = dump(path);
    EXPECT_EQ(sorted["transponders"][0]["frequency"], 10750);
    EXPECT_EQ(sorted["transponders"][1]["tpFlags"], 0);
    EXPECT_EQ(sorted["programs"][0]["tpIndex"], 0); // still the 10750 transponder

    test::expectFailure(test::runKvxtool("sort-transponders " + quoted(path) + " --network 64"), 65,
                        "kvxtool: .*/db.kvx: No network slot 64");
}

TEST(KvxtoolDelete, RecordsWithEverythingThatHangsOnThem)
{
    test::TempDir dir;
    const std::string path =
        writeSample(dir, test::makeVariedDatabase(2, FLAG_PROG_CA | FLAG_TP_EXTRA | FLAG_PROG_EXTRA));
    // Programs 0..11 on transponders n % 5; group 0 holds tv 0, 1, 2 and radio 3, 7.
    const auto removed = [&](const std::string& arguments) {
        const auto result = test::runKvxtool("delete " + quoted(path) + " " + arguments);
        EXPECT_EQ(result.exitCode, 0) << arguments << ": " << result.err;
        return json::parse(result.out);
    };
    EXPECT_EQ(removed("--program 1"),
              json::parse(R"({"networks":0,"transponders":0,"programs":1,"favouriteEntries":1})"));
    json db = dump(path);
    EXPECT_EQ(db["programs"].size(), 11u);
    EXPECT_EQ(db["favourites"][0]["tvList"], json::parse("[0,1]"));
    EXPECT_EQ(db["favourites"][0]["radioList"], json::parse("[2,6]"));

    // A dry run tells what would go and leaves the file as it is.
    const std::string unchanged = contentOf(path);
    const json wouldGo = removed("--transponder 0 --dry-run");
    EXPECT_EQ(contentOf(path), unchanged);
    EXPECT_EQ(removed("--transponder 0"), wouldGo); // takes programs 0, 5 and 10 with it
    EXPECT_EQ(wouldGo["programs"], 3);
    EXPECT_EQ(wouldGo["transponders"], 1);
    db = dump(path);
    EXPECT_EQ(db["transponders"].size(), 4u);
    EXPECT_EQ(db["programs"].size(), 8u);

    EXPECT_EQ(removed("--network 64")["networks"], 1);
    db = dump(path);
    EXPECT_EQ(db["networks"][64]["name"], "Terrestrial");
    EXPECT_EQ(db["transponders"].size(), 3u);

    const std::string before = contentOf(path);
    test::expectFailure(test::runKvxtool("delete " + quoted(path) + " --program 999"), 65,
                        "kvxtool: .*/db.kvx: No program at position 999");
    const auto result = test::runKvxtool("delete " + quoted(path) + " --program 1 --transponder 1");
    EXPECT_NE(result.exitCode, 0);
    EXPECT_EQ(contentOf(path), before);
}

TEST(KvxtoolDelete, ListsAndRangesGoInOnePass)
{
    test::TempDir dir;
    const std::string path =
        writeSample(dir, test::makeVariedDatabase(2, FLAG_PROG_CA | FLAG_TP_EXTRA | FLAG_PROG_EXTRA));
    const std::string before = contentOf(path);
    // Group 0 holds tv 0, 1, 2 and radio 3, 7; programs 0, 2 and 3 go.
    auto result = test::runKvxtool("delete " + quoted(path) + " --program '3, 0,2-3' --dry-run");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(json::parse(result.out)["programs"], 3);
    EXPECT_EQ(contentOf(path), before);
    ASSERT_EQ(test::runKvxtool("delete " + quoted(path) + " --program 0,2-3").exitCode, 0);
    const json db = dump(path);
    EXPECT_EQ(db["programs"].size(), 9u);
    EXPECT_EQ(db["favourites"][0]["tvList"], json::parse("[0]"));
    EXPECT_EQ(db["favourites"][0]["radioList"], json::parse("[4]"));

    const std::string after = contentOf(path);
    test::expectFailure(test::runKvxtool("delete " + quoted(path) + " --transponder 0,99"), 65,
                        "kvxtool: .*/db.kvx: No transponder at position 99");
    for (const char* list : {"3-1", "1,,2", "x", "-4", "70000"})
        EXPECT_NE(test::runKvxtool("delete " + quoted(path) + " --program '" + list + "'").exitCode, 0)
            << list;
    EXPECT_EQ(contentOf(path), after);
}

TEST(KvxtoolMove, ProgramsMoveAsABlockAndFavouritesFollow)
{
    test::TempDir dir;
    const std::string path = writeSample(dir, test::makeVariedDatabase(1, FLAG_PROG_CA));
    const std::string original = contentOf(path);
    const json before = dump(path);
    const auto move = [&](const std::string& arguments) {
        const auto result = test::runKvxtool("move " + quoted(path) + " " + arguments);
        EXPECT_EQ(result.exitCode, 0) << arguments << ": " << result.err;
        return json::parse(result.out);
    };
    // Group 0 holds tv 0, 1, 2 and radio 3, 7; a place the block already holds rewrites nothing.
    EXPECT_EQ(move("--program 4-5 --to 4"), json::parse(R"({"moved":2,"to":4,"changed":false})"));
    const json wouldMove = move("--program 0,7 --to 9 --dry-run");
    EXPECT_EQ(contentOf(path), original);
    EXPECT_EQ(move("--program 0,7 --to 9"), wouldMove);
    EXPECT_EQ(wouldMove, json::parse(R"({"moved":2,"to":9,"changed":true})"));

    const json after = dump(path);
    const std::vector<int> order = {1, 2, 3, 4, 5, 6, 8, 9, 10, 0, 7, 11};
    for (std::size_t k = 0; k < order.size(); ++k)
        EXPECT_EQ(after["programs"][k], before["programs"][order[k]]) << k;
    EXPECT_EQ(after["favourites"][0]["tvList"], json::parse("[9,0,1]"));
    EXPECT_EQ(after["favourites"][0]["radioList"], json::parse("[2,10]"));

    const std::string moved = contentOf(path);
    test::expectFailure(test::runKvxtool("move " + quoted(path) + " --program 0,1 --to 11"), 65,
                        "kvxtool: .*/db.kvx: No position 11 for 2 programs: they fit from 0 to 10");
    test::expectFailure(test::runKvxtool("move " + quoted(path) + " --program 12 --to 0"), 65,
                        "kvxtool: .*/db.kvx: No program at position 12");
    for (const char* bad : {"--program 1 --to -1", "--program 1", "--to 0", "--program 2-1 --to 0"})
        EXPECT_EQ(test::runKvxtool("move " + quoted(path) + " " + bad).exitCode, 64) << bad;
    EXPECT_EQ(contentOf(path), moved);
}

TEST(KvxtoolEdit, FailuresExitWithStatusAndLeaveFiles)
{
    test::TempDir dir;
    auto result = test::runKvxtool("sort-networks " + quoted(dir.file("missing.kvx")));
    test::expectFailure(result, 6, "kvxtool: .*/missing.kvx: No file found");

    const std::string in = writeSample(dir, test::makeEmptyModel(1, FLAG_PROG_CA));
    result = test::runKvxtool("convert " + quoted(in) + " " + quoted(dir.file("no/such/folder.kvx")));
    test::expectFailure(result, 8,
                        "kvxtool: .*/no/such/folder.kvx: Creating file failed: No such file or directory");

    const char damaged[] = "KVX\0\x1b\0\0\0\x01";
    test::writeFile(dir.file("bad.kvx"), damaged, sizeof damaged);
    result = test::runKvxtool("delete " + quoted(dir.file("bad.kvx")) + " --program 0");
    EXPECT_EQ(result.exitCode, 9);
    EXPECT_EQ(contentOf(dir.file("bad.kvx")), std::string(damaged, sizeof damaged));
}
