#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "clitest.h"
#include "db/tables.h"
#include "support/sampledatabase.h"

using namespace kvx;
using nlohmann::json;

TEST(KvxtoolCheck, ListsWhatACleanUpWouldRemoveAndExitsOneWhenAny)
{
    test::TempDir dir;
    auto result =
        test::runKvxtool("check '" + writeSample(dir, test::makeVariedDatabase(2, FLAG_PROG_CA), "a") + "'");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(json::parse(result.out), json::parse(R"({"duplicateTransponders": [], "duplicatePrograms": [],
        "emptyTransponders": [], "zeroTransponders": [], "orphanPrograms": [], "repeatedFavourites": []})"));

    result = test::runKvxtool("check '" + writeSample(dir, test::plantedDatabase(false), "b") + "'");
    EXPECT_EQ(result.exitCode, 1) << result.err;
    const json program2 = json::parse(R"({"position": 2, "name": "Первый", "serviceId": 102, "transponder": 2,
        "network": 0, "frequency": 11074, "polarity": "R"})");
    json copy = program2;
    copy["position"] = 13;
    const json expected = {{"duplicateTransponders", json::parse(R"([{
            "removed": {"position": 5, "network": 0, "frequency": 11076, "polarity": "V", "symbolRate": 27500,
                        "programs": 1},
            "kept": {"position": 2, "network": 0, "frequency": 11074, "polarity": "R", "symbolRate": 27500,
                     "programs": 3}}])")},
                           {"duplicatePrograms", {{{"removed", copy}, {"kept", program2}}}},
                           {"emptyTransponders", json::array()},
                           {"zeroTransponders", json::array()},
                           {"orphanPrograms", json::array()},
                           {"repeatedFavourites", json::parse(R"([{
            "removed": {"group": 0, "groupName": "News", "list": "tv", "entry": 3, "program": 2,
                        "name": "Первый", "serviceId": 102},
            "kept": {"group": 0, "groupName": "News", "list": "tv", "entry": 2, "program": 2,
                     "name": "Первый", "serviceId": 102}}])")}};
    EXPECT_EQ(json::parse(result.out), expected);

    result = test::runKvxtool("check '" + dir.file("missing.kvx") + "'");
    test::expectFailure(result, 6, "kvxtool: .*/missing.kvx: No file found");
}
