#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <sstream>

#include "clitest.h"
#include "support/rescan.h"
#include "support/sampledatabase.h"

using namespace kvx;
using nlohmann::json;

using test::contentOf;
using test::quoted;

namespace {

json dump(const std::string& path)
{
    const auto result = test::runKvxtool("dump " + quoted(path));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return json::parse(result.out);
}

// The names of the TV or radio channels in the order of their numbers.
std::vector<std::string> channelNames(const json& db, bool radio)
{
    std::vector<std::string> names;
    for (const json& prog : db["programs"])
        if (((prog["attributes"].get<int>() & ATTR_RADIO) != 0) == radio)
            names.push_back(prog["name"]);
    return names;
}

std::vector<std::string> groupNames(const json& db, int group, const char* list)
{
    std::vector<std::string> names;
    for (const json& entry : db["favourites"][group][list])
        names.push_back(db["programs"][entry.get<int>()]["name"]);
    return names;
}

} // namespace

TEST(KvxtoolApplyReference, RebuildsTheOldOrderAndFavourites)
{
    test::TempDir dir;
    // Twelve programs, 1, 6 and 11 gone, two new ones, every third one left with another service ID.
    const ChannelDatabase original = test::makeVariedDatabase(1, FLAG_PROG_CA);
    const std::string ref = writeSample(dir, original, "old.kvx");
    const std::string path = writeSample(
        dir, test::makeRescan(original, {.goneEvery = 5, .newPrograms = 2, .serviceIdEvery = 3}).db,
        "db.kvx");
    const auto apply = [&](const std::string& options) {
        const auto result = test::runKvxtool("apply-reference " + quoted(path) + " " + quoted(ref) + options);
        EXPECT_EQ(result.exitCode, 0) << options << ": " << result.err;
        return json::parse(result.out);
    };
    const json old = dump(ref);

    // A dry run lists what would change and leaves the bytes.
    const std::string rescanned = contentOf(path);
    json planned = apply(" --favourites --dry-run");
    EXPECT_EQ(contentOf(path), rescanned);
    const json changes = planned["changes"];
    planned.erase("changes");
    EXPECT_EQ(planned["matched"], 9);
    EXPECT_EQ(planned["byServiceId"], 6);
    EXPECT_EQ(planned["byName"], 3);
    EXPECT_EQ(planned["unmatched"], 2);
    EXPECT_EQ(planned["referenceUnmatched"], 3);
    EXPECT_GT(planned["moved"], 0);
    int byName = 0;
    int moves = 0;
    int groups = 0;
    for (const json& change : changes) {
        byName += change["kind"] == "match";
        moves += change["kind"] == "move";
        groups += change["kind"] == "favourites";
    }
    EXPECT_EQ(byName, 3);
    EXPECT_EQ(moves, planned["moved"]);
    EXPECT_EQ(groups, 3); // groups 1 and 3 get entries back, group 16 its name "My Own"
    EXPECT_EQ(changes.back(), json::parse(R"({"kind":"favourites","group":16,"from":{"name":"FAV 16","tv":0,
        "radio":0},"to":{"name":"My Own","tv":0,"radio":0},"added":0,"removed":0,"reordered":false})"));

    // Without --favourites only the order comes back; the groups stay empty.
    json done = apply("");
    EXPECT_EQ(done, planned);
    json db = dump(path);
    const std::vector<std::string> oldTv = channelNames(old, false);
    std::vector<std::string> tv = channelNames(db, false);
    // The left TV programs of the old list in its order, then the new ones.
    std::vector<std::string> leftTv;
    for (const std::string& name : oldTv)
        if (std::find(tv.begin(), tv.end(), name) != tv.end())
            leftTv.push_back(name);
    EXPECT_EQ(std::vector<std::string>(tv.begin(), tv.begin() + static_cast<std::ptrdiff_t>(leftTv.size())),
              leftTv);
    ASSERT_EQ(tv.size(), leftTv.size() + 2);
    EXPECT_EQ(tv[tv.size() - 2].substr(0, 11), "New service");
    EXPECT_EQ(tv.back().substr(0, 11), "New service");
    EXPECT_TRUE(db["favourites"][0]["tvList"].empty());

    // With --favourites the groups come back, the names of matched programs with --names.
    const json stamp = db["stamp"];
    done = apply(" --favourites --names --keep-stamp");
    EXPECT_EQ(done["moved"], 0);
    db = dump(path);
    EXPECT_EQ(groupNames(db, 0, "tvList"), (std::vector<std::string>{"Prog 0", old["programs"][2]["name"]}));
    EXPECT_EQ(groupNames(db, 0, "radioList"), (std::vector<std::string>{"Prog 3", "Prog 7"}));
    EXPECT_EQ(groupNames(db, 2, "tvList"), (std::vector<std::string>{"Prog 5"}));
    EXPECT_EQ(db["favourites"][15]["name"], "My Own");
    EXPECT_EQ(db["stamp"], stamp);

    // Nothing left to change: the file is not rewritten, its stamp stays without --keep-stamp.
    const std::string restored = contentOf(path);
    EXPECT_EQ(apply(" --favourites --names")["moved"], 0);
    EXPECT_EQ(contentOf(path), restored);

    // A reference that is not a database is refused as any bad input is, and FILE stays.
    test::expectFailure(
        test::runKvxtool("apply-reference " + quoted(path) + " " + quoted(dir.file("missing.kvx"))), 6,
        "kvxtool: .*/missing.kvx: No file found");
    const char text[] = "Number,Type,Name\r\n";
    test::writeFile(dir.file("list.csv"), text, sizeof text - 1);
    test::expectFailure(test::runKvxtool("apply-reference " + quoted(path) + " " +
                                         quoted(dir.file("list.csv")) + " --dry-run"),
                        9, "kvxtool: .*/list.csv: Invalid KVX format");
    EXPECT_EQ(test::runKvxtool("apply-reference " + quoted(path)).exitCode, 64);
    EXPECT_EQ(contentOf(path), restored);
}

// The channel list exported as CSV is a reference too: a spreadsheet's reordered and damaged rows are
// read by their numbers, and the rows that cannot be read are told with their lines.
TEST(KvxtoolApplyReference, TakesAnExportedChannelList)
{
    test::TempDir dir;
    const ChannelDatabase original = test::makeVariedDatabase(1, FLAG_PROG_CA);
    const std::string old = writeSample(dir, original, "old.kvx");
    const std::string path = writeSample(
        dir, test::makeRescan(original, {.goneEvery = 0, .newPrograms = 1, .serviceIdEvery = 0}).db,
        "db.kvx");
    const std::string csv = dir.file("old.csv");
    ASSERT_EQ(test::runKvxtool("export " + quoted(old) + " --output " + quoted(csv)).exitCode, 0);
    std::string rows = contentOf(csv);
    rows.insert(rows.find('\n') + 1, "1,TV,Broken,,no frequency,H,27500,1,\r\n");
    test::writeFile(csv, rows.data(), rows.size());

    const auto result = test::runKvxtool("apply-reference " + quoted(path) + " " + quoted(csv) +
                                         " --favourites --copy-missing");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.err.find("old.csv:2: the frequency \"no frequency\" is not a number from 1 to 65535; "
                              "the row is left out"),
              std::string::npos)
        << result.err;
    const json summary = json::parse(result.out);
    EXPECT_EQ(summary["unmatched"], 1);
    EXPECT_EQ(summary["referenceUnmatched"], 0);
    EXPECT_EQ(summary["copied"], 0);
    const json db = dump(path);
    const json before = dump(old);
    std::vector<std::string> oldTv = channelNames(before, false);
    oldTv.push_back(channelNames(db, false).back()); // the new program follows
    EXPECT_EQ(channelNames(db, false), oldTv);
    EXPECT_EQ(channelNames(db, true), channelNames(before, true));
    EXPECT_EQ(groupNames(db, 2, "tvList"), groupNames(before, 2, "tvList"));
}
