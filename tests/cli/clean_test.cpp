#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "clitest.h"
#include "db/tables.h"
#include "support/sampledatabase.h"

using namespace kvx;
using nlohmann::json;

namespace {

// A day old, so that a rewrite shows in the time.
std::string writeDayOld(const test::TempDir& dir, ChannelDatabase db, const std::string& name)
{
    const std::string path = test::writeSample(dir, std::move(db), name);
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) - std::chrono::hours(24));
    return path;
}

std::string bytesOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

json counts(int transponders, int programs, int moved, int entries)
{
    return {{"transpondersRemoved", transponders},
            {"programsRemoved", programs},
            {"programsMoved", moved},
            {"favouriteEntriesMerged", entries}};
}

} // namespace

TEST(KvxtoolClean, RemovesTheFindingsAndRewritesOnlyAChangedFile)
{
    test::TempDir dir;
    const struct {
        const char* name;
        ChannelDatabase db;
        const char* options;
        json printed;
        bool rewritten;
        int checkAfter; // the exit of a check of the file afterwards: only the empty transponder is left
    } cases[] = {
        {"dry run", test::plantedDatabase(true), " --dry-run", counts(1, 1, 1, 1), false, 1},
        {"clean-up", test::plantedDatabase(true), "", counts(1, 1, 1, 1), true, 1},
        {"with the empty transponder", test::plantedDatabase(true), " --empty-transponders",
         counts(2, 1, 1, 1), true, 0},
        {"a clean file", test::makeVariedDatabase(2, FLAG_PROG_CA), " --empty-transponders",
         counts(0, 0, 0, 0), false, 0},
    };
    for (const auto& c : cases) {
        const std::string file = writeDayOld(dir, c.db, "list.kvx");
        const std::string before = bytesOf(file);
        const auto time = std::filesystem::last_write_time(file);
        const auto result = test::runKvxtool("clean '" + file + "'" + c.options);
        ASSERT_EQ(result.exitCode, 0) << c.name << result.err;
        json printed = json::parse(result.out);
        EXPECT_EQ(printed.contains("changes"), std::string(c.options) == " --dry-run") << c.name;
        printed.erase("changes");
        EXPECT_EQ(printed, c.printed) << c.name;
        EXPECT_EQ(bytesOf(file) != before, c.rewritten) << c.name;
        EXPECT_EQ(std::filesystem::last_write_time(file) != time, c.rewritten) << c.name;
        if (!c.rewritten)
            continue;
        const auto check = test::runKvxtool("check '" + file + "'");
        EXPECT_EQ(check.exitCode, c.checkAfter) << c.name;
        if (c.checkAfter == 1) {
            EXPECT_EQ(json::parse(check.out)["emptyTransponders"].size(), 1u) << c.name;
        }
    }
}

TEST(KvxtoolClean, TheDryRunListsEachChangeWithTheRecordKept)
{
    test::TempDir dir;
    const auto result =
        test::runKvxtool("clean '" + writeDayOld(dir, test::plantedDatabase(true), "b") + "' --dry-run");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const json changes = json::parse(result.out)["changes"];
    ASSERT_EQ(changes.size(), 4u);
    const struct {
        const char* kind;
        int removed;
        int kept;
    } expected[] = {{"removeDuplicateTransponder", 5, 2},
                    {"moveProgram", 12, 2},
                    {"removeDuplicateProgram", 13, 2},
                    {"dropRepeatedFavourite", -1, -1}};
    for (std::size_t k = 0; k < changes.size(); ++k) {
        EXPECT_EQ(changes[k]["id"], k + 1);
        EXPECT_EQ(changes[k]["kind"], expected[k].kind);
        if (expected[k].removed >= 0) {
            EXPECT_EQ(changes[k]["removed"]["position"], expected[k].removed) << k;
            EXPECT_EQ(changes[k]["kept"]["position"], expected[k].kept) << k;
        }
        EXPECT_EQ(changes[k]["selected"], true);
    }
    EXPECT_EQ(changes[1]["dependsOn"], 1);
    EXPECT_EQ(changes[1]["removed"]["name"], "Only here");
    EXPECT_EQ(changes[3]["removed"]["group"], 0);
}
