#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "db/referenceplan.h"
#include "export/channelexport.h"
#include "export/referencelist.h"
#include "platform/nameencoding.h"
#include "support/rescan.h"
#include "support/sampledatabase.h"

using namespace kvx;

namespace {

// Each program's 1-based number in its TV or radio list.
std::vector<int> channelNumbers(const ChannelDatabase& db)
{
    std::vector<int> numbers;
    int tv = 0;
    int radio = 0;
    for (const ProgInfo& prog : db.programs)
        numbers.push_back(prog.isRadio() ? ++radio : ++tv);
    return numbers;
}

std::vector<int> mapped(const CChList& list, const std::vector<int>& originOf)
{
    std::vector<int> out;
    for (const uint16_t entry : list)
        out.push_back(originOf[entry]);
    return out;
}

struct RestoreCase {
    const char* what;
    ChannelDatabase (*original)();
    test::RescanShape shape;
    bool viaCsv = false; // the reference is the original's channel list exported as CSV
};

// The reference a case applies: the original itself, or its CSV export read back against `db`.
ReferenceList referenceFor(const RestoreCase& c, const ChannelDatabase& original, const ChannelDatabase& db)
{
    ReferenceList list;
    if (!c.viaCsv) {
        list.database = original;
        return list;
    }
    const NameEncoding encoding;
    const std::string csv = exportChannelList(original, encoding, ExportFormat::Csv, "");
    EXPECT_EQ(readCsvReference(csv, db, encoding, list), StatusOk);
    EXPECT_TRUE(list.problems.empty());
    return list;
}

// The origins of a group's entries, in order or (from a CSV, which tells membership only) sorted.
std::vector<int> members(std::vector<int> entries, bool sorted)
{
    if (sorted)
        std::sort(entries.begin(), entries.end());
    return entries;
}

ChannelDatabase variedSatellite()
{
    return test::makeVariedDatabase(1, FLAG_PROG_CA);
}

ChannelDatabase variedCombo()
{
    return test::makeVariedDatabase(2, FLAG_PROG_CA | FLAG_TP_EXTRA);
}

ChannelDatabase mediumLarge()
{
    return test::makeLargeDatabase(
        {.networks = 8, .transponders = 600, .programs = 3000, .favouriteEntries = 60});
}

// Names the case in test listings instead of its bytes.
void PrintTo(const RestoreCase& c, std::ostream* out)
{
    *out << c.what;
}

class ReferenceRestore : public testing::TestWithParam<RestoreCase> {};

} // namespace

// Applying the original as the reference of its rescan gives every program that is left its TV or radio
// number among the programs left, and every favourite group its name and entries in their order.
TEST_P(ReferenceRestore, NumbersAndFavouritesComeBack)
{
    const ChannelDatabase original = GetParam().original();
    const test::Rescan rescan = test::makeRescan(original, GetParam().shape);
    ChannelDatabase db = rescan.db;
    const RestoreCase& c = GetParam();
    const ReferenceList reference = referenceFor(c, original, db);
    const ReferencePlan plan = planReference(db, reference.database, reference.anyNetwork);
    const ReferenceSelection selection = plan.defaultSelection();
    const ReferenceReview review = reviewReferencePlan(db, plan, selection);

    int renumbered = 0;
    int fresh = 0;
    for (std::size_t k = 0; k < rescan.originOf.size(); ++k) {
        renumbered += rescan.serviceIdChanged[k];
        fresh += rescan.originOf[k] < 0;
    }
    ASSERT_GT(renumbered + rescan.gone, 0);
    const int left = static_cast<int>(db.programs.size()) - fresh;
    EXPECT_EQ(review.counts.byServiceId, left - renumbered);
    EXPECT_EQ(review.counts.byName, renumbered);
    EXPECT_EQ(review.counts.unmatched, fresh);
    EXPECT_EQ(review.counts.referenceUnmatched, rescan.gone);

    // The programs keep their names (unique in the samples), which tell where each one came from.
    std::map<std::string, std::size_t> rescanPosition;
    for (std::size_t k = 0; k < db.programs.size(); ++k)
        rescanPosition[db.programs[k].name] = k;
    const std::vector<int> numbersBefore = channelNumbers(db);
    ASSERT_EQ(applyReferencePlan(db, plan, selection), StatusOk);

    std::vector<int> originOf;
    std::vector<bool> survives(original.programs.size(), false);
    for (const ProgInfo& prog : db.programs) {
        const std::size_t from = rescanPosition.at(prog.name);
        originOf.push_back(rescan.originOf[from]);
        EXPECT_EQ(prog.pmtPid, rescan.db.programs[from].pmtPid); // the rescan's own values stay
        if (originOf.back() >= 0)
            survives[static_cast<std::size_t>(originOf.back())] = true;
    }
    // The original's numbers, counting only the programs left.
    std::vector<int> expected(original.programs.size(), 0);
    int tv = 0;
    int radio = 0;
    for (std::size_t p = 0; p < original.programs.size(); ++p)
        if (survives[p])
            expected[p] = original.programs[p].isRadio() ? ++radio : ++tv;
    const std::vector<int> numbers = channelNumbers(db);
    int moved = 0;
    for (std::size_t k = 0; k < db.programs.size(); ++k) {
        const int origin = originOf[k];
        if (origin >= 0)
            EXPECT_EQ(numbers[k], expected[static_cast<std::size_t>(origin)]) << db.programs[k].name;
        else // a new program follows the matched ones of its type
            EXPECT_GT(numbers[k], db.programs[k].isRadio() ? radio : tv) << db.programs[k].name;
        moved += numbers[k] != numbersBefore[rescanPosition.at(db.programs[k].name)];
    }
    EXPECT_EQ(static_cast<int>(review.moves.size()), moved);

    for (std::size_t g = 0; g < original.favourites.size(); ++g) {
        const FavInfo& was = original.favourites[g];
        if (c.viaCsv && was.tvList.empty() && was.radioList.empty())
            continue; // a CSV names only the groups that list a channel
        std::size_t now = g;
        if (c.viaCsv) // the group of that name, wherever it stands
            while (now < db.favourites.size() && db.favourites[now].name != was.name)
                now = now + 1 == db.favourites.size() ? 0 : now + 1;
        ASSERT_LT(now, db.favourites.size()) << was.name;
        EXPECT_EQ(db.favourites[now].name, was.name) << g;
        for (const bool isRadio : {false, true}) {
            std::vector<int> kept;
            for (const uint16_t entry : was.listFor(isRadio))
                if (survives[entry])
                    kept.push_back(entry);
            EXPECT_EQ(members(mapped(db.favourites[now].listFor(isRadio), originOf), c.viaCsv),
                      members(kept, c.viaCsv))
                << g << (isRadio ? " radio" : " tv");
        }
    }
    // Once restored, the same reference changes nothing.
    const ReferenceList again = referenceFor(c, original, db);
    const ReferencePlan replan = planReference(db, again.database, again.anyNetwork);
    EXPECT_FALSE(reviewReferencePlan(db, replan, replan.defaultSelection()).changesDatabase());
}

INSTANTIATE_TEST_SUITE_P(
    Rescans, ReferenceRestore,
    testing::Values(
        RestoreCase{
            "variedSatellite", variedSatellite, {.goneEvery = 5, .newPrograms = 2, .serviceIdEvery = 3}},
        RestoreCase{"variedCombo", variedCombo, {.goneEvery = 4, .newPrograms = 3, .serviceIdEvery = 4}},
        RestoreCase{"nothingLost", mediumLarge, {.goneEvery = 0, .newPrograms = 0, .serviceIdEvery = 40}},
        RestoreCase{"lossesAndNewOnes", mediumLarge, {}},
        RestoreCase{"variedSatelliteFromCsv",
                    variedSatellite,
                    {.goneEvery = 5, .newPrograms = 2, .serviceIdEvery = 3},
                    true},
        RestoreCase{
            "variedComboFromCsv", variedCombo, {.goneEvery = 4, .newPrograms = 3, .serviceIdEvery = 4}, true},
        RestoreCase{"lossesAndNewOnesFromCsv", mediumLarge, {}, true}),
    [](const testing::TestParamInfo<RestoreCase>& info) { return std::string(info.param.what); });

namespace {

constexpr int V = 0;
constexpr int H = 1;
constexpr int R = 2;
constexpr int L = 3;

struct Tp {
    int frequency;
    int polarity;
};

struct Prog {
    int tp;
    int serviceId;
    std::string name;
};

// Astra at 19.2E in slot 0 with the transponders and programs given.
ChannelDatabase smallDatabase(const std::vector<Tp>& tps, const std::vector<Prog>& progs)
{
    ChannelDatabase db = test::makeEmptyModel(1, FLAG_PROG_CA);
    db.networks[0].name = "Astra";
    db.networks[0].degree = 192;
    for (const Tp& tp : tps)
        db.transponders.append(
            TpInfo::create(0, static_cast<uint16_t>(tp.frequency), static_cast<uint8_t>(tp.polarity)));
    for (const Prog& p : progs) {
        ProgInfo prog = ProgInfo::create(static_cast<uint16_t>(p.tp), static_cast<uint16_t>(p.serviceId));
        prog.name = p.name;
        db.programs.append(std::move(prog));
    }
    return db;
}

// "On 11001 H": the name of the reference's program on a transponder.
std::string onTransponder(const Tp& tp)
{
    static const char* letters[] = {"V", "H", "R", "L"};
    return "On " + std::to_string(tp.frequency) + " " + letters[tp.polarity];
}

struct TransponderCase {
    const char* what;
    std::vector<Tp> here;
    std::vector<Tp> reference;
    std::vector<std::string> partners; // per transponder here: the partner of its program, "" for none
};

} // namespace

// Every transponder holds one program of service ID 5, so a program finds its partner only through the
// transponders' pairing.
TEST(ReferenceMatch, TranspondersPairNearestFirstWithinTheirClass)
{
    const std::vector<TransponderCase> cases = {
        {"nearest first", {{11001, H}}, {{11003, H}, {11000, H}}, {"On 11000 H"}},
        {"of two as near, the one listed first", {{11001, H}}, {{11002, H}, {11000, H}}, {"On 11002 H"}},
        {"L is of H's class", {{11001, H}}, {{11001, V}, {11002, L}}, {"On 11002 L"}},
        {"R is of V's class", {{11001, R}}, {{11001, H}, {11000, V}}, {"On 11000 V"}},
        {"the same polarity before the same class", {{11001, H}}, {{11001, L}, {11001, H}}, {"On 11001 H"}},
        {"3 MHz is too far", {{11001, H}}, {{11004, H}, {10998, H}}, {""}},
        // Greedy in list order 11000 would take 11001, leaving 11001 without a partner.
        {"pairs at 0 MHz before pairs at 1 MHz",
         {{11000, V}, {11001, V}},
         {{11001, V}, {10998, V}},
         {"On 10998 V", "On 11001 V"}},
    };
    for (const TransponderCase& c : cases) {
        std::vector<Prog> here;
        for (std::size_t t = 0; t < c.here.size(); ++t)
            here.push_back({static_cast<int>(t), 5, "Here " + std::to_string(t)});
        std::vector<Prog> there;
        for (std::size_t t = 0; t < c.reference.size(); ++t)
            there.push_back({static_cast<int>(t), 5, onTransponder(c.reference[t])});
        const ChannelDatabase db = smallDatabase(c.here, here);
        const ChannelDatabase reference = smallDatabase(c.reference, there);
        std::vector<std::string> partners(c.here.size());
        for (const ProgramMatch& m : matchReference(db, reference).matches) {
            EXPECT_EQ(m.kind, MatchKind::ServiceId) << c.what;
            partners[m.program] = reference.programs[m.reference].name;
        }
        EXPECT_EQ(partners, c.partners) << c.what;
    }
}

namespace {

struct NameCase {
    const char* what;
    std::vector<Prog> here;
    std::vector<Prog> reference;
    std::vector<ProgramMatch> matches;
};

} // namespace

TEST(ReferenceMatch, NamesMatchOnlyWhenUniqueOnBothSides)
{
    const auto sure = MatchKind::ServiceId;
    const auto byName = MatchKind::Name;
    const std::vector<NameCase> cases = {
        {"case and surrounding blanks", {{0, 1, "  Arte\t"}}, {{0, 101, "ARTE"}}, {{0, 0, byName}}},
        {"two in the reference", {{0, 1, "BBC"}}, {{0, 101, "BBC"}, {0, 102, "bbc "}}, {}},
        {"two here", {{0, 1, "ZDF"}, {0, 2, "zdf"}}, {{0, 101, "ZDF"}}, {}},
        {"empty names", {{0, 1, ""}}, {{0, 101, " "}}, {}},
        {"only ASCII letters fold", {{0, 1, "\xC4rte"}}, {{0, 101, "\xE4rte"}}, {}},
        {"another transponder of the network", {{1, 1, "Info"}}, {{0, 101, "Info"}}, {{0, 0, byName}}},
        // The sure match leaves one "News" on each side.
        {"unique among the programs left",
         {{0, 1, "News"}, {0, 2, "News"}},
         {{0, 9, "News"}, {0, 1, "News"}},
         {{0, 1, sure}, {1, 0, byName}}},
    };
    for (const NameCase& c : cases) {
        const ChannelDatabase db = smallDatabase({{11000, H}, {12000, V}}, c.here);
        const ChannelDatabase reference = smallDatabase({{11000, H}}, c.reference);
        EXPECT_EQ(matchReference(db, reference).matches, c.matches) << c.what;
    }
}

TEST(ReferenceMatch, NetworksPairByPositionElseBySlot)
{
    ChannelDatabase db = smallDatabase({}, {});
    ChannelDatabase reference = smallDatabase({}, {});
    // Here: 0 Astra 19.2E, 1 unnamed, 2 "Zero" at 0.0E, 3 Thor 0.8W, 4 unnamed.
    // There: 0 unnamed, 1 "Zero" at 0.0E, 2 Astra 19.2E, 3 Hotbird 13.0E, 4 unnamed.
    db.networks[2].name = "Zero";
    db.networks[3].name = "Thor";
    db.networks[3].degree = 3592;
    reference.networks[0].name = "";
    reference.networks[0].degree = 0;
    reference.networks[1].name = "Zero";
    reference.networks[2].name = "Astra";
    reference.networks[2].degree = 192;
    reference.networks[3].name = "Hotbird";
    reference.networks[3].degree = 130;
    const std::vector<uint8_t> partner = matchReference(db, reference).networkPartner;
    EXPECT_EQ(partner[0], 2);
    EXPECT_EQ(partner[1], NO_SLOT); // slot 1 of the reference paired by position
    EXPECT_EQ(partner[2], 1);
    EXPECT_EQ(partner[3], NO_SLOT); // both positioned, at different degrees
    EXPECT_EQ(partner[4], 4);
}

namespace {

// Here: Beta (2), Gamma (3), Alpha (1); the reference: alpha (9), Gamma (3), Beta (2), so Alpha pairs by
// name only. The reference's group 0 "Mine" holds Beta and alpha; ours is "News" with Gamma.
struct Unticked : testing::Test {
    ChannelDatabase db = smallDatabase({{11000, H}}, {{0, 2, "Beta"}, {0, 3, "Gamma"}, {0, 1, "Alpha"}});
    ChannelDatabase reference =
        smallDatabase({{11001, H}}, {{0, 9, "alpha"}, {0, 3, "Gamma"}, {0, 2, "Beta"}});
    ReferencePlan plan;

    void SetUp() override
    {
        reference.favourites[0].name = "Mine";
        reference.favourites[0].tvList = {2, 0};
        db.favourites[0].tvList = {1};
        plan = planReference(db, reference);
        ASSERT_EQ(plan.matches.size(), 3u);
        ASSERT_EQ(plan.matches[2].kind, MatchKind::Name);
    }

    std::vector<std::string> names() const
    {
        std::vector<std::string> out;
        for (const ProgInfo& prog : db.programs)
            out.push_back(prog.name);
        return out;
    }
};

} // namespace

TEST_F(Unticked, TickedNameMatchTakesOrderFavouritesAndName)
{
    ReferenceSelection selection = plan.defaultSelection();
    selection.names = true;
    const ReferenceReview review = reviewReferencePlan(db, plan, selection);
    EXPECT_EQ(review.counts.byServiceId, 2);
    EXPECT_EQ(review.counts.byName, 1);
    EXPECT_EQ(review.counts.unmatched, 0);
    ASSERT_EQ(review.renames.size(), 1u);
    EXPECT_EQ(review.renames[0].nameAfter, "alpha");
    ASSERT_EQ(review.favourites.size(), 1u);
    EXPECT_EQ(review.favourites[0].added, 2);
    EXPECT_EQ(review.favourites[0].removed, 1);
    ASSERT_EQ(applyReferencePlan(db, plan, selection), StatusOk);
    EXPECT_EQ(names(), (std::vector<std::string>{"alpha", "Gamma", "Beta"}));
    EXPECT_EQ(db.favourites[0].name, "Mine");
    EXPECT_EQ(db.favourites[0].tvList, (CChList{2, 0}));
}

TEST_F(Unticked, UntickedNameMatchLeavesTheProgramUnmatched)
{
    ReferenceSelection selection = plan.defaultSelection();
    selection.names = true;
    selection.matches[2] = false;
    const ReferenceReview review = reviewReferencePlan(db, plan, selection);
    EXPECT_EQ(review.counts.byName, 0);
    EXPECT_EQ(review.counts.unmatched, 1);
    EXPECT_EQ(review.counts.referenceUnmatched, 1);
    EXPECT_TRUE(review.renames.empty());
    // Beta 1 -> 2 and Gamma 2 -> 1; Alpha stays third, after the matched programs.
    ASSERT_EQ(review.moves.size(), 2u);
    EXPECT_EQ((std::vector<int>{review.moves[0].program, review.moves[0].from, review.moves[0].to}),
              (std::vector<int>{1, 2, 1}));
    EXPECT_EQ((std::vector<int>{review.moves[1].program, review.moves[1].from, review.moves[1].to}),
              (std::vector<int>{0, 1, 2}));
    ASSERT_EQ(applyReferencePlan(db, plan, selection), StatusOk);
    EXPECT_EQ(names(), (std::vector<std::string>{"Gamma", "Beta", "Alpha"}));
    EXPECT_EQ(db.favourites[0].tvList, (CChList{1})); // Beta only
}

TEST_F(Unticked, WithoutFavouritesTheGroupsFollowTheirPrograms)
{
    ReferenceSelection selection = plan.defaultSelection();
    selection.favourites = false;
    EXPECT_TRUE(reviewReferencePlan(db, plan, selection).favourites.empty());
    ASSERT_EQ(applyReferencePlan(db, plan, selection), StatusOk);
    EXPECT_EQ(db.favourites[0].name, "News");
    EXPECT_EQ(db.favourites[0].tvList, (CChList{1})); // Gamma, now second

    // A plan applies only to the database it was made for.
    db.programs.append(ProgInfo::create(0, 77));
    const ChannelDatabase before = db;
    EXPECT_EQ(applyReferencePlan(db, plan, plan.defaultSelection()), StatusChangesOutdated);
    EXPECT_EQ(db, before);
}
