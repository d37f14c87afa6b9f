#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "clitest.h"
#include "support/importfixtures.h"
#include "support/sampledatabase.h"

using namespace kvx;
using nlohmann::json;

namespace {

// The varied sample: slot 0 "Astra 1" holds 11000 V, 11037 H and 11074 R with programs; slot 1
// "Hotbird" (a single LNB) holds 11111 L.
std::string writeSample(const test::TempDir& dir, uint8_t version = 1)
{
    ChannelDatabase db = test::makeVariedDatabase(version, FLAG_TP_EXTRA | FLAG_TP_NAMES);
    const auto image = test::imageOf(db);
    const std::string path = dir.file(version == 1 ? "db.kvx" : "combo.kvx");
    test::writeFile(path, image.data(), image.size());
    return path;
}

std::string writeText(const test::TempDir& dir, const std::string& name, const std::string& text)
{
    const std::string path = dir.file(name);
    test::writeFile(path, text.data(), text.size());
    return path;
}

std::string readText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

json dump(const std::string& path)
{
    const auto result = test::runKvxtool("dump '" + path + "'");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return json::parse(result.out);
}

json transpondersOf(const json& database, int slot)
{
    json tps = json::array();
    for (const json& tp : database["transponders"])
        if (tp["netIndex"] == slot)
            tps.push_back(tp);
    return tps;
}

} // namespace

TEST(KvxtoolImportSdx, AddsTheFilesTranspondersAndSavesInPlace)
{
    test::TempDir dir;
    const std::string file = writeSample(dir);
    const std::string sdx =
        test::sdxLine({.name = "Eutelsat 7A", .frequency = "010721", .polarisation = "1", .degree = "0070"}) +
        "\r\n" +
        test::sdxLine({.name = "Eutelsat 7A", .frequency = "010721", .polarisation = "1", .degree = "0070"}) +
        "\r\n" +
        test::sdxLine({.name = "Eutelsat 7A",
                       .frequency = "011000",
                       .polarisation = "0",
                       .degree = "0070",
                       .symbolRate = "27500"});
    const auto result =
        test::runKvxtool("import-sdx '" + file + "' --network 1 '" + writeText(dir, "list.sdx", sdx) + "'");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(json::parse(result.out), json::parse(R"({"added": 2, "network": true})"));

    const json database = dump(file);
    EXPECT_EQ(database["networks"][1]["name"], "Eutelsat 7A");
    EXPECT_EQ(database["networks"][1]["degree"], 70);
    const json tps = transpondersOf(database, 1);
    ASSERT_EQ(tps.size(), 3u);
    EXPECT_EQ(tps[1]["frequency"], 10721);
    EXPECT_EQ(tps[1]["tpFlags"], 1);
    EXPECT_EQ(tps[2]["frequency"], 11000);
    EXPECT_EQ(tps[2]["symbolRate"], 27500);
}

TEST(KvxtoolImportSdx, FailuresLeaveTheFileAsItWas)
{
    test::TempDir dir;
    const std::string file = writeSample(dir);
    const std::string before = readText(file);
    const std::string sdx = writeText(dir, "list.sdx", test::sdxLine({}));

    auto result = test::runKvxtool("import-sdx '" + file + "' --network 1 '" + dir.file("missing.sdx") + "'");
    test::expectFailure(result, 6, "kvxtool: .*/missing.sdx: No file found");

    result = test::runKvxtool("import-sdx '" + file + "' --network 64 '" + sdx + "'");
    test::expectFailure(result, 65,
                        "kvxtool: .*: Network slot 64 does not exist \\(the file has 64 slots\\)");

    const std::string combo = writeSample(dir, 2);
    result = test::runKvxtool("lyngsat-merge '" + combo + "' --network 64 '" + sdx + "'");
    test::expectFailure(result, 65, "kvxtool: .*: Network slot 64 is the terrestrial network; .*");

    result = test::runKvxtool("import-sdx '" + dir.file("none.kvx") + "' --network 1 '" + sdx + "'");
    EXPECT_EQ(result.exitCode, 6);

    // A file above 64 MiB is refused for what it is (a sparse file: nothing of it is read).
    const std::string huge = writeText(dir, "huge.txt", "");
    std::filesystem::resize_file(huge, 64 * 1024 * 1024 + 1);
    const struct {
        const char* command;
        const char* message;
    } tooLarge[] = {{"import-sdx", "kvxtool: .*/huge.txt: The file is too large to be a SATCODX file"},
                    {"lyngsat-merge", "kvxtool: .*/huge.txt: The file is too large to be a LyngSat page"}};
    for (const auto& row : tooLarge) {
        result = test::runKvxtool(std::string(row.command) + " '" + file + "' --network 1 '" + huge + "'");
        SCOPED_TRACE(row.command);
        test::expectFailure(result, 9, row.message);
    }
    EXPECT_EQ(readText(file), before);
}

TEST(KvxtoolLyngSatMerge, UpdatesAddsRemovesAndReports)
{
    test::TempDir dir;
    const std::string file = writeSample(dir);
    // 11000 V and 11037 H are updated, 12345 V is new, 11074 R is no longer listed.
    const std::string page =
        test::lyngSatPage({test::dvbsRow("11001 V", "27500-3/4"), test::dvbsRow("11038 H", "22000-2/3"),
                           test::dvbsRow("12345 V", "30000-5/6")});
    const auto result = test::runKvxtool("lyngsat-merge '" + file + "' --network 0 '" +
                                         writeText(dir, "astra.html", page) + "'");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(json::parse(result.out),
              json::parse(R"({"rows": 3, "added": 1, "updated": 2, "removed": 1, "programsRemoved": 3,
                  "unchanged": 0, "repeats": 0, "notices": []})"));

    const json tps = transpondersOf(dump(file), 0);
    ASSERT_EQ(tps.size(), 3u);
    EXPECT_EQ(tps[0]["frequency"], 11001);
    EXPECT_EQ(tps[1]["frequency"], 11038);
    EXPECT_EQ(tps[1]["symbolRate"], 22000);
    EXPECT_EQ(tps[2]["frequency"], 12345);
}

TEST(KvxtoolLyngSatMerge, OptionsAndNotices)
{
    test::TempDir dir;
    const std::string file = writeSample(dir);
    test::PageRowCells s2 = test::dvbs2Row("11000 V", "8PSK", "27500-2/3");
    const std::string pagePath = writeText(
        dir, "astra.html", test::lyngSatPage({test::dvbsRow("11038 H"), test::dvbsRow("11037 H"), s2}));

    // DVB-S2 rows are left out by default; the second row repeats the transponder the first updated,
    // and a repeat is left out unless asked for.
    auto result = test::runKvxtool("lyngsat-merge '" + file + "' --network 0 '" + pagePath +
                                   "' --keep-outdated --no-sort --dry-run");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    json out = json::parse(result.out);
    EXPECT_EQ(out["rows"], 2);
    EXPECT_EQ(out["added"], 0);
    EXPECT_EQ(out["repeats"], 1);
    EXPECT_EQ(out["removed"], 0);
    EXPECT_EQ(out["notices"], json::array());
    EXPECT_EQ(out["changes"], json::parse(R"([
        {"id": 1, "kind": "update", "network": 0,
         "before": {"frequency": 11037, "polarity": "H", "symbolRate": 27500, "system": "DVB-S", "fec": "1/2"},
         "after": {"frequency": 11038, "polarity": "H", "symbolRate": 27500, "system": "DVB-S", "fec": "1/2"},
         "row": 1, "selected": true},
        {"id": 2, "kind": "add", "network": 0,
         "after": {"frequency": 11037, "polarity": "H", "symbolRate": 27500, "system": "DVB-S", "fec": "AUTO"},
         "row": 2, "repeatsRow": 1,
         "possibleDuplicateOf": {"position": 1, "frequency": 11037, "polarity": "H"}, "selected": false}])"));
    result = test::runKvxtool("lyngsat-merge '" + file + "' --network 0 '" + pagePath +
                              "' --keep-outdated --no-sort --include-repeats --dry-run");
    EXPECT_EQ(json::parse(result.out)["added"], 1);

    // Slot 1 has a single LNB, so the band is C unless asked for: the Ku page then gives no row.
    result = test::runKvxtool("lyngsat-merge '" + file + "' --network 1 '" + pagePath + "'");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    out = json::parse(result.out);
    EXPECT_EQ(out["rows"], 0);
    EXPECT_EQ(out["removed"], 0);
    EXPECT_EQ(out["notices"], json::array({"No transponders were found on the page.\n3 rows were left out "
                                           "by the options: 1 DVB-S2 row (\"Include DVB-S2\" is off), 2 rows "
                                           "outside the chosen band."}));

    result =
        test::runKvxtool("lyngsat-merge '" + file + "' --network 1 '" + pagePath + "' --band ku --dvbs2");
    out = json::parse(result.out);
    EXPECT_EQ(out["rows"], 3);
    EXPECT_EQ(out["removed"], 1);
}

TEST(KvxtoolLyngSatMerge, SkipLeavesOutTheChangesTheDryRunNumbered)
{
    test::TempDir dir;
    const std::string file = writeSample(dir);
    const std::string page = writeText(
        dir, "astra.html",
        test::lyngSatPage({test::dvbsRow("11001 V"), test::dvbsRow("11038 H"), test::dvbsRow("12345 V")}));
    const auto dry = test::runKvxtool("lyngsat-merge '" + file + "' --network 0 '" + page + "' --dry-run");
    ASSERT_EQ(dry.exitCode, 0) << dry.err;
    int removal = 0;
    const json planned = json::parse(dry.out);
    for (const json& change : planned["changes"])
        if (change["kind"] == "remove")
            removal = change["id"];
    ASSERT_GT(removal, 0);

    const std::string before = readText(file);
    for (const char* bad : {"99", "0", "2,x"}) {
        const auto refused =
            test::runKvxtool("lyngsat-merge '" + file + "' --network 0 '" + page + "' --skip " + bad);
        EXPECT_EQ(refused.exitCode, 64) << bad;
        EXPECT_EQ(readText(file), before) << bad;
    }
    const auto result = test::runKvxtool("lyngsat-merge '" + file + "' --network 0 '" + page + "' --skip 1," +
                                         std::to_string(removal));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(json::parse(result.out)["removed"], 0);
    EXPECT_EQ(json::parse(result.out)["updated"], 1);
    std::vector<int> frequencies;
    for (const json& tp : transpondersOf(dump(file), 0))
        frequencies.push_back(tp["frequency"]);
    EXPECT_EQ(frequencies, (std::vector<int>{11000, 11038, 11074, 12345}));
}

TEST(KvxtoolLyngSatMerge, ErrorPageRemovesNothing)
{
    test::TempDir dir;
    const std::string file = writeSample(dir);
    const std::string page =
        writeText(dir, "gone.html", "<html><body><h1>404 Not Found</h1></body></html>\n");
    const auto result = test::runKvxtool("lyngsat-merge '" + file + "' --network 0 '" + page + "'");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(json::parse(result.out)["removed"], 0);
    EXPECT_EQ(transpondersOf(dump(file), 0).size(), 3u);

    const auto badBand = test::runKvxtool("lyngsat-merge '" + file + "' --network 0 '" + page + "' --band x");
    EXPECT_NE(badBand.exitCode, 0);
}

namespace {

std::filesystem::file_time_type aged(const std::string& path)
{
    const auto old = std::filesystem::last_write_time(path) - std::chrono::hours(24);
    std::filesystem::last_write_time(path, old);
    return old;
}

} // namespace

TEST(KvxtoolDryRun, ShowsTheComparisonAndRewritesOnlyAChangedFile)
{
    test::TempDir dir;
    const std::string file = writeSample(dir);
    const std::string original = readText(file);
    const std::string page = writeText(
        dir, "astra.html",
        test::lyngSatPage({test::dvbsRow("11001 V", "27500-3/4"), test::dvbsRow("11038 H", "22000-2/3"),
                           test::dvbsRow("12345 V", "30000-5/6")}));
    const auto old = aged(file);

    auto result = test::runKvxtool("lyngsat-merge '" + file + "' --network 0 '" + page + "' --dry-run");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const json out = json::parse(result.out);
    EXPECT_EQ(out["added"], 1);
    EXPECT_EQ(out["removed"], 1);
    const json& tps = out["comparison"]["transponders"];
    EXPECT_EQ(tps["added"], json::parse(R"([{"network": 0, "frequency": 12345, "polarity": "V",
        "symbolRate": 30000, "system": "DVB-S", "fec": "AUTO", "programs": 0}])"));
    ASSERT_EQ(tps["removed"].size(), 1u);
    EXPECT_EQ(tps["removed"][0]["frequency"], 11074);
    EXPECT_EQ(tps["removed"][0]["programs"], 3);
    ASSERT_EQ(tps["changed"].size(), 2u);
    EXPECT_EQ(tps["changed"][0]["fields"]["frequency"], json::parse(R"({"old": 11000, "new": 11001})"));
    EXPECT_EQ(out["comparison"]["programs"]["removed"].size(), 3u);
    EXPECT_EQ(readText(file), original);
    EXPECT_EQ(std::filesystem::last_write_time(file), old);

    // Runs that change nothing leave the file as it was, its stamp and time included: a page without
    // rows, and a SATCODX file whose only transponder the network holds already.
    const std::string empty = writeText(dir, "empty.html", "<html></html>\n");
    result = test::runKvxtool("lyngsat-merge '" + file + "' --network 0 '" + empty + "'");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const std::string sdx = writeText(dir, "same.sdx",
                                      test::sdxLine({.name = "Astra 1",
                                                     .frequency = "011000",
                                                     .polarisation = "0",
                                                     .degree = "0192",
                                                     .symbolRate = "27500"}));
    result = test::runKvxtool("import-sdx '" + file + "' --network 0 '" + sdx + "'");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(json::parse(result.out), json::parse(R"({"added": 0, "network": false})"));
    EXPECT_EQ(std::filesystem::last_write_time(file), old);

    // The real run changes what the dry run showed.
    const std::string copy = writeText(dir, "before.kvx", original);
    result = test::runKvxtool("lyngsat-merge '" + file + "' --network 0 '" + page + "'");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_FALSE(json::parse(result.out).contains("comparison"));
    result = test::runKvxtool("diff '" + copy + "' '" + file + "'");
    EXPECT_EQ(result.exitCode, 1) << result.err;
    EXPECT_EQ(json::parse(result.out)["transponders"], tps);
}

TEST(KvxtoolDiff, ExitStatusJsonAndText)
{
    test::TempDir dir;
    const std::string file = writeSample(dir);
    auto result = test::runKvxtool("diff '" + file + "' '" + file + "'");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(json::parse(result.out), json::parse(R"({
        "networks": {"changed": []},
        "transponders": {"added": [], "removed": [], "changed": [], "reordered": false},
        "programs": {"added": [], "removed": [], "changed": [], "reordered": false},
        "favourites": {"changed": []}, "stamp": null, "file": {"changed": {}}})"));
    result = test::runKvxtool("diff --text '" + file + "' '" + file + "'");
    EXPECT_EQ(result.out, "No differences\n");

    const std::string changed = writeText(dir, "changed.kvx", readText(file));
    ASSERT_EQ(test::runKvxtool("stamp '" + changed + "' --version B002").exitCode, 0);
    ASSERT_EQ(test::runKvxtool("delete '" + changed + "' --transponder 1").exitCode, 0);
    result = test::runKvxtool("diff --text '" + file + "' '" + changed + "'");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.out.find("Transponder removed: network 0 11037 H 27500 DVB-S 1/2 (3 programs)\n"),
              std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("Stamp: "), std::string::npos);
    EXPECT_NE(result.out.find("Program removed: \"Prog 1\" (service 101, network 0 11037 H)"),
              std::string::npos);
    EXPECT_NE(result.out.find("changed: tvList 3 -> 2 (1 removed)\n"), std::string::npos) << result.out;

    // A favourite list of the same count says what became of its entries.
    ChannelDatabase reordered = test::makeVariedDatabase(1, FLAG_TP_EXTRA | FLAG_TP_NAMES);
    reordered.favourites[0].tvList = {2, 1, 0};
    reordered.favourites[0].radioList = {3, 11};
    const auto image = test::imageOf(reordered);
    test::writeFile(dir.file("reordered.kvx"), image.data(), image.size());
    result = test::runKvxtool("diff '" + file + "' '" + dir.file("reordered.kvx") + "'");
    EXPECT_EQ(json::parse(result.out)["favourites"]["changed"][0]["fields"], json::parse(R"({
        "tvList": {"old": 3, "new": 3, "note": "order changed"},
        "radioList": {"old": 2, "new": 2, "note": "1 added, 1 removed"}})"));
    result = test::runKvxtool("diff --text '" + file + "' '" + dir.file("reordered.kvx") + "'");
    EXPECT_NE(
        result.out.find("changed: tvList 3 -> 3 (order changed), radioList 2 -> 2 (1 added, 1 removed)\n"),
        std::string::npos)
        << result.out;

    // A name marked as ISO 8859-5 reads as such whatever the encoding asked for.
    const std::string renamed = writeText(dir, "renamed.kvx", readText(file));
    ASSERT_EQ(test::runKvxtool("delete '" + renamed + "' --program 2").exitCode, 0);
    result = test::runKvxtool("diff --text '" + file + "' '" + renamed + "' --encoding CP1252");
    EXPECT_NE(result.out.find("Program removed: \"Первый\" (service 102"), std::string::npos) << result.out;

    result = test::runKvxtool("diff '" + file + "' '" + dir.file("missing.kvx") + "'");
    EXPECT_EQ(result.exitCode, 6);
}

TEST(KvxtoolImportSdx, AResultTooLargeForAFileFailsTheDryRunAndTheRealRunAlike)
{
    test::TempDir dir;
    ChannelDatabase large = test::makeLargeDatabase();
    const auto image = test::imageOf(large);
    const std::string file = dir.file("large.kvx");
    test::writeFile(file, image.data(), image.size());
    std::string sdx;
    for (int k = 0; k < 6000; ++k)
        sdx += test::sdxLine({.frequency = "0" + std::to_string(10700 + k % 2000),
                              .polarisation = std::to_string(k / 2000)}) +
               "\n";
    const std::string sdxPath = writeText(dir, "huge.sdx", sdx);
    const std::string before = readText(file);
    for (const char* options : {" --dry-run", ""}) {
        SCOPED_TRACE(options);
        const auto result =
            test::runKvxtool("import-sdx '" + file + "' --network 1 '" + sdxPath + "'" + options);
        // The dry run still shows what it would have done.
        EXPECT_EQ(result.exitCode, 13);
        EXPECT_EQ(result.out.empty(), std::string(options).empty());
        EXPECT_NE(result.err.find("large.kvx: The database is too large for a KVX file"), std::string::npos)
            << result.err.substr(0, 200);
        EXPECT_EQ(result.err.find("transponder list is full"), std::string::npos);
        EXPECT_EQ(readText(file), before);
    }
    // Leaving changes out makes it fit.
    std::string skip = "1";
    for (int id = 2; id <= 5990; ++id)
        skip += "," + std::to_string(id);
    const auto fits =
        test::runKvxtool("import-sdx '" + file + "' --network 1 '" + sdxPath + "' --skip " + skip);
    ASSERT_EQ(fits.exitCode, 0) << fits.err;
    EXPECT_EQ(json::parse(fits.out)["added"], 10);
}
