#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "db/cleanup.h"
#include "db/databasediff.h"
#include "support/sampledatabase.h"

using namespace kvx;

namespace {

constexpr uint8_t V = 0, H = 1, L = 3;

struct PlantedTp {
    uint16_t frequency;
    uint8_t polarity;
    std::vector<uint16_t> services;
    uint16_t symbolRate = 27500;
};

// Network 0 with the transponders and their programs, in list order; slot 3 stays empty.
ChannelDatabase planted(const std::vector<PlantedTp>& tps)
{
    ChannelDatabase db = test::makeEmptyModel(2, FLAG_PROG_CA);
    db.networks[0].name = "Net 0";
    db.networks[0].degree = 192;
    for (const PlantedTp& planted : tps) {
        TpInfo tp = TpInfo::create(0, planted.frequency, planted.polarity);
        tp.symbolRate = planted.symbolRate;
        const auto position = static_cast<uint16_t>(db.transponders.size());
        db.transponders.append(tp);
        for (const uint16_t sid : planted.services)
            db.programs.append(ProgInfo::create(position, sid));
    }
    return db;
}

// The transponders, then the programs in list order as "service@frequency".
std::string layout(const ChannelDatabase& db)
{
    std::string out;
    for (const TpInfo& tp : db.transponders)
        out += std::to_string(tp.frequency) + polarityText(tp.polarity()) + " ";
    out += "|";
    for (const ProgInfo& prog : db.programs)
        out += " " + std::to_string(prog.serviceId) + "@" +
               std::to_string(db.transponders[prog.tpIndex].frequency);
    return out;
}

// Each group's services by service ID and whether some entry is repeated.
std::map<int, std::multiset<uint16_t>> groupServices(const ChannelDatabase& db)
{
    std::map<int, std::multiset<uint16_t>> out;
    for (std::size_t g = 0; g < db.favourites.size(); ++g)
        for (const bool radio : {false, true})
            for (const uint16_t p : db.favourites[g].listFor(radio))
                out[static_cast<int>(g)].insert(db.programs[p].serviceId);
    return out;
}

std::set<uint16_t> distinct(const std::multiset<uint16_t>& services)
{
    return {services.begin(), services.end()};
}

CleanupPlan plan(const ChannelDatabase& db, bool empty = false)
{
    return planCleanup(db, checkDatabase(db), {.emptyTransponders = empty});
}

std::string cleaned(ChannelDatabase db, bool empty = false)
{
    const CleanupPlan p = plan(db, empty);
    EXPECT_EQ(applyCleanup(db, p, p.allSelected()), StatusOk);
    return layout(db);
}

} // namespace

TEST(Cleanup, DuplicateTransponderGoesAndItsProgramsMoveUnlessTheKeptOneHoldsThem)
{
    const struct {
        const char* name;
        std::vector<PlantedTp> tps;
        const char* expected;
    } cases[] = {
        {"exact repeat, no copies: all move",
         {{11303, H, {1, 2}}, {11303, H, {3}}},
         "11303H | 1@11303 2@11303 3@11303"},
        {"within 2 MHz with copies: copies go, the rest moves in place",
         {{11302, H, {5}}, {11303, H, {1, 2, 3}}, {11401, V, {9}}},
         "11303H 11401V | 5@11303 1@11303 2@11303 3@11303 9@11401"},
        {"copies of the kept one's programs go",
         {{11303, H, {1, 2, 3}}, {11304, L, {2, 3}}},
         "11303H | 1@11303 2@11303 3@11303"},
        {"two repeats of one: a service moved from the first is a copy for the second",
         {{11300, H, {1, 2, 3}}, {11301, H, {7}}, {11299, H, {7, 8}}},
         "11300H | 1@11300 2@11300 3@11300 7@11300 8@11300"},
        {"3 MHz apart and other class stay",
         {{11300, H, {1}}, {11303, H, {1}}, {11300, V, {1}}},
         "11300H 11303H 11300V | 1@11300 1@11303 1@11300"},
        {"a repeat within its transponder goes too",
         {{11300, H, {1, 2, 5}}, {11301, H, {4, 4, 1}}},
         "11300H | 1@11300 2@11300 5@11300 4@11300"},
        {"the repeat of a zero transponder stays; the zero one goes with its programs",
         {{11300, H, {1, 2}, 0}, {11301, H, {1}}},
         "11301H | 1@11301"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cleaned(planted(c.tps)), c.expected) << c.name;
}

TEST(Cleanup, EveryServiceStaysOnceWithAllItsFavouriteMemberships)
{
    // tp 0 kept: programs 0 (sid 1), 1 (sid 2); tp 1 repeats it: 2 (sid 1), 3 (sid 3), 4 (sid 1, radio).
    ChannelDatabase db = planted({{12000, V, {1, 2}}, {12001, V, {1, 3, 1}}});
    db.programs[4].attributes |= ATTR_RADIO;
    db.programs.append(ProgInfo::create(0, 2)); // 5: sid 2 again on the kept transponder
    db.favourites[0].tvList = {0, 2};           // both copies of sid 1
    db.favourites[1].tvList = {3, 2, 5};        // only the removed copy of sid 1, and a repeat of sid 2
    db.favourites[2].radioList = {4, 4};        // a radio copy, twice
    db.favourites[3].tvList = {5, 1};
    const auto before = groupServices(db);

    const CleanupPlan p = plan(db);
    const CleanupCounts counts = p.countsOf(p.allSelected());
    ASSERT_EQ(applyCleanup(db, p, p.allSelected()), StatusOk);
    EXPECT_EQ(layout(db), "12000V | 1@12000 2@12000 3@12000");
    const auto after = groupServices(db);
    for (const auto& [group, services] : before) {
        EXPECT_EQ(distinct(after.at(group)), distinct(services)) << group;
        EXPECT_EQ(after.at(group).size(), distinct(services).size()) << group; // no entry twice
    }
    // Group 1 keeps its order: sid 1 takes the removed copy's place.
    EXPECT_EQ(db.favourites[1].tvList, CChList({2, 0, 1}));
    // The radio copy's entry goes to the kept TV program's own list.
    EXPECT_TRUE(db.favourites[2].radioList.empty());
    EXPECT_EQ(db.favourites[2].tvList, CChList({0}));
    EXPECT_EQ(counts, (CleanupCounts{.transpondersRemoved = 1,
                                     .programsRemoved = 3,
                                     .programsMoved = 1,
                                     .favouriteEntriesMerged = 6}));
}

TEST(Cleanup, ZeroEmptyAndOrphanedRecordsAndTheEmptyOption)
{
    ChannelDatabase db = planted({{11300, H, {1}}, {11500, V, {}}, {0, H, {2}}, {11700, H, {3}}});
    db.transponders[3].netIndex = 3; // in an empty slot: its program is orphaned
    EXPECT_EQ(cleaned(db), "11300H 11500V 11700H | 1@11300");
    EXPECT_EQ(cleaned(db, true), "11300H 11700H | 1@11300");
    // The empty transponder's removal is offered unticked.
    const CleanupPlan p = plan(db, true);
    EXPECT_EQ(p.countsOf(p.defaultSelection()).transpondersRemoved, 1);
    EXPECT_EQ(p.countsOf(p.allSelected()).transpondersRemoved, 2);
}

TEST(Cleanup, SelectionsReplayOnlyTheTickedChangesAndTheirDependants)
{
    const ChannelDatabase db = planted({{11303, H, {1, 2}}, {11302, H, {2, 3}}});
    const CleanupPlan p = plan(db);
    // removal of tp 1, removal of its copy of sid 2, move of sid 3
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[0].kind, CleanupKind::RemoveDuplicateTransponder);
    EXPECT_EQ(p[1].kind, CleanupKind::RemoveDuplicateProgram);
    EXPECT_EQ(p[1].kept.position, 1);
    EXPECT_EQ(p[2].kind, CleanupKind::MoveProgram);
    const struct {
        const char* name;
        ChangeSelection ticks;
        const char* expected;
    } cases[] = {
        {"transponder unticked: its programs stay with it",
         {false, true, true},
         "11303H 11302H | 1@11303 2@11303 2@11302 3@11302"},
        {"move unticked: the program goes with its transponder",
         {true, true, false},
         "11303H | 1@11303 2@11303"},
        {"nothing ticked", {false, false, false}, "11303H 11302H | 1@11303 2@11303 2@11302 3@11302"},
    };
    for (const auto& c : cases) {
        ChannelDatabase copy = db;
        const CleanupCounts counts = p.countsOf(c.ticks);
        ASSERT_EQ(applyCleanup(copy, p, c.ticks), StatusOk) << c.name;
        EXPECT_EQ(layout(copy), c.expected) << c.name;
        EXPECT_EQ(counts.programsRemoved, static_cast<int>(db.programs.size() - copy.programs.size()))
            << c.name;
        EXPECT_EQ(counts.transpondersRemoved,
                  static_cast<int>(db.transponders.size() - copy.transponders.size()))
            << c.name;
    }
}

TEST(Cleanup, AnotherDatabaseIsRefusedAndACleanOneHasNothingToDo)
{
    ChannelDatabase db = planted({{11303, H, {1}}, {11303, H, {2}}});
    const CleanupPlan p = plan(db);
    ChannelDatabase changed = db;
    changed.programs[1].name = "renamed";
    const ChannelDatabase held = changed;
    EXPECT_EQ(applyCleanup(changed, p, p.allSelected()), StatusChangesOutdated);
    EXPECT_EQ(changed, held);

    ChannelDatabase clean = test::makeLargeDatabase();
    const ChannelDatabase original = clean;
    const CleanupPlan none = plan(clean, false);
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(applyCleanup(clean, none, none.allSelected()), StatusOk);
    EXPECT_EQ(clean, original);
}
