#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <random>

#include "db/editops.h"
#include "support/sampledatabase.h"

using namespace kvx;

namespace {

// A small database by hand: slots 0..3 named, transponders given as (slot, frequency, flags).
ChannelDatabase makeDatabase(std::initializer_list<std::tuple<int, int, int>> tps = {})
{
    ChannelDatabase db = test::makeEmptyModel(2, FLAG_PROG_CA);
    for (int i = 0; i < 4; ++i)
        db.networks[i].name = "Net " + std::to_string(i);
    for (const auto& [slot, freq, flags] : tps)
        db.transponders.append(TpInfo::create(static_cast<uint8_t>(slot), static_cast<uint16_t>(freq),
                                              static_cast<uint8_t>(flags)));
    return db;
}

void addPrograms(ChannelDatabase& db, std::initializer_list<int> tpIndices)
{
    for (int tp : tpIndices)
        db.programs.append(
            ProgInfo::create(static_cast<uint16_t>(tp), static_cast<uint16_t>(db.programs.size())));
}

std::vector<int> tpIndices(const ChannelDatabase& db)
{
    std::vector<int> out;
    for (const ProgInfo& prog : db.programs)
        out.push_back(prog.tpIndex);
    return out;
}

std::vector<int> frequencies(const ChannelDatabase& db)
{
    std::vector<int> out;
    for (const TpInfo& tp : db.transponders)
        out.push_back(tp.frequency);
    return out;
}

} // namespace

TEST(EditLookups, FindRecordsAndRuns)
{
    ChannelDatabase db = makeDatabase({{2, 1, 0}, {1, 2, 0}, {1, 3, 0}, {2, 4, 0}});
    EXPECT_EQ(slotOfNetwork(db, &db.networks[3]), 3);
    NetInfo stranger;
    EXPECT_EQ(slotOfNetwork(db, &stranger), NO_SLOT);
    EXPECT_EQ(positionOfTransponder(db, &db.transponders[2]), 2);
    EXPECT_EQ(positionOfTransponder(db, nullptr), NO_POSITION);
    EXPECT_EQ(firstTransponderOfNetwork(db, 1), 1);
    EXPECT_EQ(endOfNetworkTransponders(db, 1), 3);
    // A network held apart: the run ends at the first transponder of another network.
    EXPECT_EQ(firstTransponderOfNetwork(db, 2), 0);
    EXPECT_EQ(endOfNetworkTransponders(db, 2), 1);
    EXPECT_EQ(firstTransponderOfNetwork(db, 0), 4);
    EXPECT_EQ(endOfNetworkTransponders(db, 0), 4);
}

TEST(EditAdd, TransponderGoesToTheEndOfItsNetworkAndShiftsLaterPrograms)
{
    ChannelDatabase db = makeDatabase({{1, 100, 0}, {2, 200, 0}});
    addPrograms(db, {0, 1, 1});
    TpInfo* first = addTransponder(db, 3, NO_POSITION);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(positionOfTransponder(db, first), 2); // a network without transponders: end of the list
    EXPECT_EQ(first->netIndex, 3);
    EXPECT_EQ(first->gmtError, NO_GMT_ERROR);

    TpInfo* second = addTransponder(db, 1, NO_POSITION);
    EXPECT_EQ(positionOfTransponder(db, second), 1); // directly after network 1's transponder
    EXPECT_EQ(tpIndices(db), (std::vector<int>{0, 2, 2}));

    TpInfo* before = addTransponder(db, 1, 0); // before the selected transponder
    EXPECT_EQ(positionOfTransponder(db, before), 0);
    EXPECT_EQ(tpIndices(db), (std::vector<int>{1, 3, 3}));
}

TEST(EditAdd, InsertedProgramShiftsFavouritesButAppendedOneDoesNot)
{
    ChannelDatabase db = makeDatabase({{0, 100, 0}});
    addPrograms(db, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    db.favourites[0].tvList = {3, 4, 9};
    ProgInfo* inserted = addProgram(db, 0, 4);
    ASSERT_NE(inserted, nullptr);
    EXPECT_EQ(positionOfProgram(db, inserted), 4);
    EXPECT_EQ(db.favourites[0].tvList, (CChList{3, 5, 10}));
    ProgInfo* appended = addProgram(db, 0, NO_POSITION);
    EXPECT_EQ(positionOfProgram(db, appended), 11);
    EXPECT_EQ(appended->pmtPid, NO_PID);
    EXPECT_EQ(db.favourites[0].tvList, (CChList{3, 5, 10}));
}

TEST(EditAdd, FullListsRefuseAnotherRecord)
{
    ChannelDatabase db = makeDatabase();
    for (int i = 0; i < 0xFFFF; ++i)
        db.programs.append(ProgInfo::create(0, 0));
    EXPECT_EQ(addProgram(db, 0, 0), nullptr);
    EXPECT_EQ(db.programs.size(), 0xFFFFu);
    for (int i = 0; i < 0xFFFF; ++i)
        db.transponders.append(TpInfo::create(0, 0, 0));
    EXPECT_EQ(addTransponder(db, 0, NO_POSITION), nullptr);
    EXPECT_EQ(insertTransponder(db, std::make_unique<TpInfo>(), 0), NO_POSITION);
    EXPECT_EQ(db.programs[0].tpIndex, 0); // nothing was renumbered
}

TEST(EditDelete, ProgramDropsAndRenumbersFavouriteEntries)
{
    ChannelDatabase db = makeDatabase({{0, 100, 0}});
    addPrograms(db, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    db.favourites[4].tvList = {3, 5, 9};
    db.favourites[7].radioList = {5, 5, 6};
    deleteProgram(db, 5);
    EXPECT_EQ(db.programs.size(), 9u);
    EXPECT_EQ(db.favourites[4].tvList, (CChList{3, 8}));
    EXPECT_EQ(db.favourites[7].radioList, (CChList{5}));
}

TEST(EditDelete, OnlyTransponderOfANetworkTakesItsProgramsAndFavourites)
{
    ChannelDatabase db = makeDatabase({{0, 100, 0}, {1, 200, 0}, {2, 300, 0}});
    addPrograms(db, {2, 1, 0, 1, 2});
    db.favourites[0].tvList = {0, 1, 3, 4};
    const ProgInfo* last = &db.programs[4];
    deleteTranspondersOfNetwork(db, 1);
    EXPECT_EQ(db.transponders.size(), 2u);
    EXPECT_EQ(tpIndices(db), (std::vector<int>{1, 0, 1})); // still the 300 and 100 transponders
    EXPECT_EQ(db.transponders[db.programs[0].tpIndex].frequency, 300);
    EXPECT_EQ(&db.programs[2], last); // records keep their identity
    EXPECT_EQ(db.favourites[0].tvList, (CChList{0, 2}));
}

TEST(EditDelete, SetOfTranspondersWhateverTheirOrder)
{
    ChannelDatabase db = makeDatabase({{0, 1, 0}, {0, 2, 0}, {0, 3, 0}, {0, 4, 0}, {0, 5, 0}});
    addPrograms(db, {4, 3, 2, 1, 0});
    db.favourites[1].tvList = {0, 1, 2, 3, 4};
    TpInfo stranger;
    deleteTransponders(db, {&db.transponders[3], &db.transponders[0], &stranger, &db.transponders[3]});
    EXPECT_EQ(frequencies(db), (std::vector<int>{2, 3, 5}));
    EXPECT_EQ(tpIndices(db), (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(db.favourites[1].tvList, (CChList{0, 1, 2}));
}

TEST(EditDelete, ProgramsOfTransponderAndOfNetwork)
{
    ChannelDatabase db = makeDatabase({{0, 1, 0}, {1, 2, 0}, {1, 3, 0}});
    addPrograms(db, {1, 0, 2, 1, 0});
    db.favourites[0].tvList = {4, 3, 1};
    deleteProgramsOfTransponder(db, 1);
    EXPECT_EQ(tpIndices(db), (std::vector<int>{0, 2, 0}));
    EXPECT_EQ(db.favourites[0].tvList, (CChList{2, 0}));
    deleteProgramsOfNetwork(db, 1);
    EXPECT_EQ(tpIndices(db), (std::vector<int>{0, 0}));
    EXPECT_EQ(db.favourites[0].tvList, (CChList{1, 0}));
    EXPECT_EQ(db.transponders.size(), 3u); // transponders stay
}

TEST(EditDelete, EmptyingSlotsResetsThemButKeepsTheAntenna)
{
    ChannelDatabase db = makeDatabase({{0, 1, 0}, {TERRESTRIAL_SLOT, 474, 0}});
    db.networks[TERRESTRIAL_SLOT].name = "DVB-T";
    db.networks[0].degree = 192;
    db.networks[0].skewV = 5;
    db.antennas[0].lnbType = 0x05;
    emptyNetworkSlot(db, TERRESTRIAL_SLOT);
    EXPECT_EQ(db.networks[TERRESTRIAL_SLOT].name, "Terrestrial");
    emptyNetworkSlot(db, 0);
    EXPECT_TRUE(db.networks[0].isEmpty());
    EXPECT_EQ(db.networks[0].skewV, NetInfo::kDefaultSkewV);
    EXPECT_EQ(db.networks[0].netIndex, 0);
    EXPECT_EQ(db.antennas[0].lnbType, 0x05);
    EXPECT_TRUE(db.transponders.empty());
}

TEST(EditMove, ProgramWithinItsTransponderRenumbersFavourites)
{
    ChannelDatabase db = makeDatabase({{0, 1, 0}, {0, 2, 0}});
    addPrograms(db, {0, 0, 0, 0, 0, 0, 0, 1});
    db.favourites[0].tvList = {2, 3, 4, 5, 6, 7, 1};
    ProgInfo* moved = &db.programs[2];
    moveProgram(db, *moved, db.programs[6]);
    EXPECT_EQ(positionOfProgram(db, moved), 6);
    EXPECT_EQ(db.favourites[0].tvList, (CChList{6, 2, 3, 4, 5, 7, 1}));
    moveProgram(db, db.programs[6], db.programs[7]); // another transponder: nothing
    EXPECT_EQ(positionOfProgram(db, moved), 6);
    moveProgram(db, db.programs[6], db.programs[0]); // backwards
    EXPECT_EQ(positionOfProgram(db, moved), 0);
    EXPECT_EQ(db.favourites[0].tvList, (CChList{0, 3, 4, 5, 6, 7, 2}));
}

TEST(EditMove, ASelectionOfProgramsMovesAsABlockWithinItsTransponder)
{
    struct Case {
        std::initializer_list<int> tps; // each program's transponder
        std::vector<uint16_t> selected;
        int step; // 0: the selection takes the place of `target`
        uint16_t target;
        std::vector<int> order; // the programs' old positions, in their new order
        std::vector<uint16_t> now;
    };
    const Case cases[] = {
        {{0, 0, 0, 0, 1, 1}, {2, 3}, -1, 0, {0, 2, 3, 1, 4, 5}, {1, 2}},
        {{0, 0, 0, 0, 1, 1}, {0, 2}, -1, 0, {0, 2, 1, 3, 4, 5}, {0, 1}}, // the first stays at the top
        {{0, 0, 0, 0, 1, 1}, {1, 2}, +1, 0, {0, 3, 1, 2, 4, 5}, {2, 3}},
        {{0, 0, 0, 0, 1, 1}, {3}, +1, 0, {0, 1, 2, 3, 4, 5}, {}}, // the transponder's last stays
        {{0, 0, 0, 0, 1, 1}, {2, 3, 5}, +1, 0, {0, 1, 2, 3, 4, 5}, {}},
        // Siblings apart in the list change places; the other transponder's programs keep theirs.
        {{0, 1, 0, 1, 0, 1}, {4}, -1, 0, {0, 1, 4, 3, 2, 5}, {2}},
        {{0, 1, 0, 1, 0, 1}, {2, 3}, -1, 0, {2, 3, 0, 1, 4, 5}, {0, 1}},
        {{0, 0, 0, 0, 1, 1}, {2, 3}, 0, 0, {2, 3, 0, 1, 4, 5}, {0, 1}}, // dropped on the first
        {{0, 0, 0, 0, 1, 1}, {0, 2}, 0, 3, {1, 3, 0, 2, 4, 5}, {2, 3}}, // dropped on the last
        {{0, 1, 0, 1, 0, 1}, {0, 2}, 0, 4, {4, 1, 0, 3, 2, 5}, {2, 4}},
        {{0, 0, 0, 0, 1, 1}, {1, 4}, 0, 0, {0, 1, 2, 3, 4, 5}, {}}, // another transponder's program
    };
    for (const Case& c : cases) {
        ChannelDatabase db = makeDatabase({{0, 1, 0}, {0, 2, 0}});
        addPrograms(db, c.tps);
        for (std::size_t i = 0; i < db.programs.size(); ++i)
            db.programs[i].serviceId = static_cast<uint16_t>(i);
        db.favourites[0].tvList = {1, 2, 3};
        const auto now =
            c.step != 0 ? stepPrograms(db, c.selected, c.step) : placePrograms(db, c.selected, c.target);
        EXPECT_EQ(now, c.now);
        std::vector<int> order;
        for (const ProgInfo& prog : db.programs)
            order.push_back(prog.serviceId);
        EXPECT_EQ(order, c.order);
        // Each entry still names the program it named.
        for (std::size_t k = 0; k < 3; ++k)
            EXPECT_EQ(db.programs[db.favourites[0].tvList[k]].serviceId, k + 1);
    }
}

TEST(EditMove, ASelectionOfTranspondersMovesWithItsPrograms)
{
    ChannelDatabase db = makeDatabase({{0, 1, 0}, {1, 2, 0}, {0, 3, 0}, {0, 4, 0}});
    addPrograms(db, {0, 1, 2, 3});
    EXPECT_EQ(stepTransponders(db, {2, 3}, -1), (std::vector<uint16_t>{0, 2}));
    EXPECT_EQ(frequencies(db), (std::vector<int>{3, 2, 4, 1}));
    EXPECT_EQ(tpIndices(db), (std::vector<int>{3, 1, 0, 2}));
    EXPECT_EQ(placeTransponders(db, {0, 2}, 3), (std::vector<uint16_t>{2, 3}));
    EXPECT_EQ(frequencies(db), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_TRUE(stepTransponders(db, {1}, -1).empty()); // alone in its network
}

TEST(EditMove, ProgramsGoTogetherToAPlaceOfTheList)
{
    struct Case {
        std::vector<uint16_t> chosen;
        uint16_t to;
        std::vector<int> order; // the programs' old positions, in their new order
    };
    const Case cases[] = {
        {{3, 4}, 0, {3, 4, 0, 1, 2, 5}}, // to the front, across transponders
        {{0, 1}, 4, {2, 3, 4, 5, 0, 1}}, // to the end
        {{1, 4}, 2, {0, 2, 1, 4, 3, 5}}, // apart before, together after
        {{0, 5}, 1, {1, 0, 5, 2, 3, 4}}, // the block keeps its order
        {{1, 9}, 0, {1, 0, 2, 3, 4, 5}}, // a position past the list is left out
        {{2, 3}, 2, {0, 1, 2, 3, 4, 5}}, // already there
        {{0, 1}, 5, {0, 1, 2, 3, 4, 5}}, // the block does not fit from 5
        {{}, 0, {0, 1, 2, 3, 4, 5}},
    };
    for (const Case& c : cases) {
        ChannelDatabase db = makeDatabase({{0, 1, 0}, {0, 2, 0}, {1, 3, 0}});
        addPrograms(db, {0, 0, 1, 1, 2, 2});
        db.programs[3].attributes = ATTR_RADIO;
        db.favourites[0].tvList = {5, 0, 2};
        db.favourites[0].radioList = {3};
        db.favourites[1].tvList = {1, 4};
        const ChannelDatabase before = db;
        const bool moved = movePrograms(db, c.chosen, c.to);
        EXPECT_EQ(moved, !std::is_sorted(c.order.begin(), c.order.end()));
        ASSERT_EQ(db.programs.size(), c.order.size());
        for (std::size_t k = 0; k < c.order.size(); ++k) {
            EXPECT_EQ(db.programs[k].serviceId, c.order[k]) << k;
            EXPECT_EQ(db.programs[k].tpIndex, before.programs[c.order[k]].tpIndex) << k;
        }
        // Each entry still names the program it named, in the list's order.
        for (std::size_t g = 0; g < 2; ++g)
            for (bool radio : {false, true}) {
                const CChList& now = db.favourites[g].listFor(radio);
                const CChList& was = before.favourites[g].listFor(radio);
                ASSERT_EQ(now.size(), was.size());
                for (std::size_t e = 0; e < now.size(); ++e)
                    EXPECT_EQ(db.programs[now[e]].serviceId, was[e]);
            }
    }
}

TEST(EditMove, TransponderOnlyWithinItsNetwork)
{
    ChannelDatabase db = makeDatabase({{0, 1, 0}, {0, 2, 0}, {0, 3, 0}, {1, 4, 0}});
    addPrograms(db, {0, 1, 2, 3});
    moveTransponder(db, db.transponders[0], db.transponders[3]);
    EXPECT_EQ(frequencies(db), (std::vector<int>{1, 2, 3, 4}));
    moveTransponder(db, db.transponders[0], db.transponders[2]);
    EXPECT_EQ(frequencies(db), (std::vector<int>{2, 3, 1, 4}));
    EXPECT_EQ(tpIndices(db), (std::vector<int>{2, 0, 1, 3}));
}

TEST(EditMove, NetworkTakesItsAntennaAndTransponders)
{
    ChannelDatabase db = makeDatabase({{0, 1, 0}, {2, 2, 0}, {3, 3, 0}, {TERRESTRIAL_SLOT, 4, 0}});
    db.antennas[3].lnbFreqLow = 3333;
    NetInfo* moved = &db.networks[3];
    moveNetwork(db, *moved, db.networks[1]);
    EXPECT_EQ(slotOfNetwork(db, moved), 1);
    EXPECT_EQ(db.antennas[1].lnbFreqLow, 3333);
    for (std::size_t i = 0; i < db.networks.size(); ++i)
        EXPECT_EQ(db.networks[i].netIndex, i);
    EXPECT_EQ(db.transponders[1].netIndex, 3); // slot 2 went to 3
    EXPECT_EQ(db.transponders[2].netIndex, 1);
    EXPECT_EQ(db.transponders[3].netIndex, TERRESTRIAL_SLOT);
    moveNetwork(db, db.networks[TERRESTRIAL_SLOT], db.networks[0]);
    moveNetwork(db, db.networks[0], db.networks[TERRESTRIAL_SLOT]);
    EXPECT_EQ(db.networks[TERRESTRIAL_SLOT].name, "Terrestrial");
    EXPECT_EQ(db.networks[0].name, "Net 0");
}

TEST(EditSort, NetworksRunWestToEastAndSkipEmptySlots)
{
    ChannelDatabase db = makeDatabase({{0, 1, 0}, {2, 2, 0}});
    for (int i = 0; i < 4; ++i)
        db.networks[i].name.clear();
    db.networks[0] = NetInfo{"Ten", 100, 0, 0, 106, 33, nullptr};
    db.networks[2] = NetInfo{"Three-fifty", 3500, 0, 2, 106, 33, nullptr};
    db.networks[5] = NetInfo{"Zero", 0, 0, 5, 106, 33, nullptr};
    db.networks[TERRESTRIAL_SLOT].degree = 1; // never takes part
    EXPECT_TRUE(sortNetworksByDegree(db, 1800));
    EXPECT_EQ(db.networks[0].name, "Three-fifty");
    EXPECT_EQ(db.networks[1].name, "Zero");
    EXPECT_EQ(db.networks[2].name, "Ten");
    EXPECT_EQ(db.networks[TERRESTRIAL_SLOT].name, "Terrestrial");
    EXPECT_EQ(db.transponders[0].netIndex, 2);
    EXPECT_EQ(db.transponders[1].netIndex, 0);
    EXPECT_FALSE(sortNetworksByDegree(db, 1800));
}

TEST(EditSort, EqualDegreesKeepTheirOrder)
{
    ChannelDatabase db = makeDatabase();
    db.networks[0].degree = 200;
    db.networks[1].degree = 100;
    db.networks[2].degree = 100;
    db.networks[3].degree = 100;
    NetInfo* second = &db.networks[2];
    EXPECT_TRUE(sortNetworksByDegree(db, 0));
    EXPECT_EQ(db.networks[0].name, "Net 1");
    EXPECT_EQ(db.networks[1].name, "Net 2");
    EXPECT_EQ(&db.networks[1], second);
    EXPECT_EQ(db.networks[2].name, "Net 3");
    EXPECT_EQ(db.networks[3].name, "Net 0");
}

TEST(EditSort, TranspondersByFrequencyVerticalFirst)
{
    ChannelDatabase db = makeDatabase({{0, 9, 0}, {1, 11475, 1}, {1, 11475, 0}, {1, 10750, 1}, {2, 1, 0}});
    addPrograms(db, {1, 2, 3, 4, 0});
    EXPECT_TRUE(sortTranspondersByFrequency(db, 1));
    EXPECT_EQ(frequencies(db), (std::vector<int>{9, 10750, 11475, 11475, 1}));
    EXPECT_EQ(db.transponders[2].tpFlags, 0);
    EXPECT_EQ(db.transponders[3].tpFlags, 1);
    EXPECT_EQ(tpIndices(db), (std::vector<int>{3, 2, 1, 4, 0}));
    EXPECT_FALSE(sortTranspondersByFrequency(db, 1));
    EXPECT_FALSE(sortTranspondersByFrequency(db, 7)); // no transponders
}

TEST(EditSort, NetworkHeldApartIsSortedByMoves)
{
    // Each move shifts the other networks' transponders lying in between.
    ChannelDatabase db = makeDatabase({{1, 30, 0}, {2, 99, 0}, {1, 20, 0}, {3, 98, 0}, {1, 10, 0}});
    addPrograms(db, {0, 1, 2, 3, 4});
    EXPECT_TRUE(sortTranspondersByFrequency(db, 1));
    EXPECT_EQ(frequencies(db), (std::vector<int>{10, 20, 30, 99, 98}));
    EXPECT_EQ(tpIndices(db), (std::vector<int>{2, 3, 1, 4, 0}));
}

TEST(EditChangeType, FavouriteEntryMovesToTheOtherList)
{
    ChannelDatabase db = makeDatabase({{0, 1, 0}});
    addPrograms(db, {0, 0, 0});
    db.programs[1].attributes = ATTR_RADIO;
    db.favourites[2].radioList = {1, 2};
    db.favourites[2].tvList = {0};
    db.favourites[3].tvList = {0};
    db.favourites[4].radioList = {1, 2, 1}; // listed twice by a damaged file
    changeProgramType(db, db.programs[1]);
    EXPECT_EQ(db.favourites[2].radioList, (CChList{2}));
    EXPECT_EQ(db.favourites[2].tvList, (CChList{0, 1}));
    EXPECT_EQ(db.favourites[3].tvList, (CChList{0}));
    EXPECT_EQ(db.favourites[4].radioList, (CChList{2}));
    EXPECT_EQ(db.favourites[4].tvList, (CChList{1}));
}

// --- Randomised comparison with a step-by-step model

namespace {

namespace model {

// The operations as literal walks over the lists, one record at a time.

uint32_t renumber(uint32_t r, uint32_t from, uint32_t to)
{
    if (r == from)
        return to;
    if (to < from && r >= to && r < from)
        return r + 1;
    if (from < to && r > from && r <= to)
        return r - 1;
    return r;
}

void deleteProgram(ChannelDatabase& db, std::size_t i)
{
    db.programs.removeAt(i);
    for (FavInfo& fav : db.favourites) {
        for (CChList* list : {&fav.tvList, &fav.radioList}) {
            for (std::size_t k = 0; k < list->size();) {
                if ((*list)[k] == i) {
                    list->erase(list->begin() + static_cast<std::ptrdiff_t>(k));
                    continue;
                }
                if ((*list)[k] > i)
                    --(*list)[k];
                ++k;
            }
        }
    }
}

template <class Pred>
void deleteProgramsWhere(ChannelDatabase& db, Pred pred)
{
    for (std::size_t pos = 0; pos < db.programs.size();) {
        if (pred(db.programs[pos]))
            deleteProgram(db, pos);
        else
            ++pos;
    }
}

void deleteTransponder(ChannelDatabase& db, std::size_t i)
{
    db.transponders.removeAt(i);
    for (std::size_t pos = 0; pos < db.programs.size();) {
        ProgInfo& prog = db.programs[pos];
        if (prog.tpIndex == i) {
            deleteProgram(db, pos);
            continue;
        }
        if (prog.tpIndex > i)
            --prog.tpIndex;
        ++pos;
    }
}

void deleteTranspondersOfNetwork(ChannelDatabase& db, int slot)
{
    for (std::size_t pos = 0; pos < db.transponders.size();) {
        if (db.transponders[pos].netIndex == slot)
            deleteTransponder(db, pos);
        else
            ++pos;
    }
}

std::size_t runEnd(const ChannelDatabase& db, int slot)
{
    std::size_t i = 0;
    while (i < db.transponders.size() && db.transponders[i].netIndex != slot)
        ++i;
    while (i < db.transponders.size() && db.transponders[i].netIndex == slot)
        ++i;
    return i;
}

void addTransponder(ChannelDatabase& db, int slot, std::size_t p)
{
    const std::size_t i = p < db.transponders.size() ? p : runEnd(db, slot);
    db.transponders.insert(i, std::make_unique<TpInfo>(TpInfo::create(static_cast<uint8_t>(slot), 0, 0)));
    for (ProgInfo& prog : db.programs)
        if (prog.tpIndex >= i)
            ++prog.tpIndex;
}

void addProgram(ChannelDatabase& db, int tp, std::size_t p)
{
    const std::size_t i = p < db.programs.size() ? p : db.programs.size();
    db.programs.insert(i, std::make_unique<ProgInfo>(ProgInfo::create(static_cast<uint16_t>(tp), 0)));
    if (p == NO_POSITION)
        return;
    for (FavInfo& fav : db.favourites)
        for (CChList* list : {&fav.tvList, &fav.radioList})
            for (uint16_t& e : *list)
                if (e >= i)
                    ++e;
}

template <class List>
void shift(List& list, std::size_t from, std::size_t to)
{
    auto record = list.takeAt(from);
    list.insert(to, std::move(record));
}

void moveNetwork(ChannelDatabase& db, std::size_t from, std::size_t to)
{
    shift(db.networks, from, to);
    shift(db.antennas, from, to);
    for (std::size_t k = std::min(from, to); k <= std::max(from, to); ++k)
        db.networks[k].netIndex = static_cast<uint8_t>(k);
    for (TpInfo& tp : db.transponders)
        tp.netIndex = static_cast<uint8_t>(renumber(tp.netIndex, from, to));
}

void moveTransponder(ChannelDatabase& db, std::size_t from, std::size_t to)
{
    if (db.transponders[from].netIndex != db.transponders[to].netIndex)
        return;
    shift(db.transponders, from, to);
    for (ProgInfo& prog : db.programs)
        prog.tpIndex = static_cast<uint16_t>(renumber(prog.tpIndex, from, to));
}

void moveProgram(ChannelDatabase& db, std::size_t from, std::size_t to)
{
    if (db.programs[from].tpIndex != db.programs[to].tpIndex)
        return;
    shift(db.programs, from, to);
    for (FavInfo& fav : db.favourites)
        for (CChList* list : {&fav.tvList, &fav.radioList})
            for (uint16_t& e : *list)
                e = static_cast<uint16_t>(renumber(e, from, to));
}

bool sortNetworks(ChannelDatabase& db, int origin)
{
    bool moved = false;
    const auto key = [&](std::size_t i) { return (db.networks[i].degree + origin) % 3600; };
    for (std::size_t i = 0; i <= 62; ++i) {
        if (db.networks[i].isEmpty())
            continue;
        std::size_t found = 0;
        for (std::size_t j = i + 1; j <= 63; ++j)
            if (!db.networks[j].isEmpty() && key(j) < key(i) && (found == 0 || key(j) < key(found)))
                found = j;
        if (found != 0) {
            moveNetwork(db, found, i);
            moved = true;
        }
    }
    return moved;
}

bool sortTransponders(ChannelDatabase& db, int slot)
{
    const auto key = [&](std::size_t i) {
        return 2 * db.transponders[i].frequency + (db.transponders[i].tpFlags & 1);
    };
    std::size_t a = 0;
    while (a < db.transponders.size() && db.transponders[a].netIndex != slot)
        ++a;
    bool moved = false;
    for (std::size_t i = a + 1; i < db.transponders.size(); ++i) {
        if (db.transponders[i].netIndex != slot)
            continue;
        for (std::size_t j = a; j < i; ++j) {
            if (db.transponders[j].netIndex == slot && key(j) > key(i)) {
                moveTransponder(db, i, j);
                moved = true;
                break;
            }
        }
    }
    return moved;
}

void changeProgramType(ChannelDatabase& db, std::size_t k)
{
    const bool radio = db.programs[k].isRadio();
    for (FavInfo& fav : db.favourites) {
        CChList& from = radio ? fav.radioList : fav.tvList;
        CChList& to = radio ? fav.tvList : fav.radioList;
        bool found = false;
        for (std::size_t n = 0; n < from.size();) {
            if (from[n] == k) {
                from.erase(from.begin() + static_cast<std::ptrdiff_t>(n));
                found = true;
            } else {
                ++n;
            }
        }
        if (found)
            to.push_back(static_cast<uint16_t>(k));
    }
}

} // namespace model

void* tag(uintptr_t id)
{
    return reinterpret_cast<void*>(id);
}

// A random database whose records carry distinct tags in treeItem, so their order can be compared.
ChannelDatabase randomDatabase(std::mt19937& rng, bool keepRunsTogether)
{
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    ChannelDatabase db = test::makeEmptyModel(pick(2) ? 2 : 1, FLAG_PROG_CA);
    uintptr_t next = 1;
    for (NetInfo& net : db.networks) {
        net.treeItem = tag(next++);
        if (net.netIndex != TERRESTRIAL_SLOT && pick(3) != 0) {
            net.name = pick(8) == 0 ? "-unused" : "Sat";
            net.degree = static_cast<uint16_t>(pick(5) == 0 ? 0 : pick(4) * 900 + pick(3) * 7);
        }
    }
    for (int i = 0; i < static_cast<int>(db.antennas.size()); ++i)
        db.antennas[i].lnbFreqLow = static_cast<uint16_t>(i);
    const int tpCount = pick(40);
    for (int t = 0; t < tpCount; ++t) {
        TpInfo tp =
            TpInfo::create(static_cast<uint8_t>(pick(static_cast<int>(db.networks.size()))),
                           static_cast<uint16_t>(10000 + pick(6) * 100), static_cast<uint8_t>(pick(4)));
        tp.treeItem = tag(next++);
        db.transponders.append(tp);
    }
    if (keepRunsTogether) {
        std::vector<std::size_t> order(db.transponders.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return (db.transponders[a].netIndex * 37) % 65 < (db.transponders[b].netIndex * 37) % 65;
        });
        db.transponders.reorder(order);
    }
    const int progCount = tpCount == 0 ? 0 : pick(80);
    for (int p = 0; p < progCount; ++p) {
        ProgInfo prog = ProgInfo::create(static_cast<uint16_t>(pick(tpCount)), static_cast<uint16_t>(p));
        prog.attributes = pick(3) == 0 ? ATTR_RADIO : 0;
        prog.treeItem = tag(next++);
        db.programs.append(prog);
    }
    for (FavInfo& fav : db.favourites) {
        for (int e = pick(8); e > 0 && progCount > 0; --e) {
            const auto p = static_cast<uint16_t>(pick(progCount));
            fav.listFor(db.programs[p].isRadio()).push_back(p);
        }
    }
    return db;
}

void expectSameDatabase(const ChannelDatabase& got, const ChannelDatabase& want, const std::string& step)
{
    SCOPED_TRACE(step);
    ASSERT_EQ(got.networks.size(), want.networks.size());
    for (std::size_t i = 0; i < got.networks.size(); ++i) {
        EXPECT_EQ(got.networks[i].treeItem, want.networks[i].treeItem) << "slot " << i;
        EXPECT_EQ(got.networks[i].netIndex, want.networks[i].netIndex) << "slot " << i;
        EXPECT_EQ(got.networks[i].name, want.networks[i].name) << "slot " << i;
        EXPECT_EQ(got.antennas[i], want.antennas[i]) << "slot " << i;
    }
    ASSERT_EQ(got.transponders.size(), want.transponders.size());
    for (std::size_t i = 0; i < got.transponders.size(); ++i) {
        EXPECT_EQ(got.transponders[i].treeItem, want.transponders[i].treeItem) << "tp " << i;
        EXPECT_EQ(got.transponders[i].netIndex, want.transponders[i].netIndex) << "tp " << i;
        EXPECT_EQ(got.transponders[i].frequency, want.transponders[i].frequency) << "tp " << i;
    }
    ASSERT_EQ(got.programs.size(), want.programs.size());
    for (std::size_t i = 0; i < got.programs.size(); ++i) {
        EXPECT_EQ(got.programs[i].treeItem, want.programs[i].treeItem) << "program " << i;
        EXPECT_EQ(got.programs[i].tpIndex, want.programs[i].tpIndex) << "program " << i;
        EXPECT_EQ(got.programs[i].attributes, want.programs[i].attributes) << "program " << i;
    }
    ASSERT_EQ(got.favourites.size(), want.favourites.size());
    for (std::size_t g = 0; g < got.favourites.size(); ++g) {
        EXPECT_EQ(got.favourites[g].tvList, want.favourites[g].tvList) << "group " << g;
        EXPECT_EQ(got.favourites[g].radioList, want.favourites[g].radioList) << "group " << g;
    }
}

// Every reference names an existing record, favourites sit in the list of their type, and each
// network's transponders form one run.
void expectConsistent(const ChannelDatabase& db, const std::string& step)
{
    SCOPED_TRACE(step);
    ASSERT_EQ(db.antennas.size(), db.networks.size());
    for (std::size_t i = 0; i < db.networks.size(); ++i)
        EXPECT_EQ(db.networks[i].netIndex, i);
    std::vector<bool> runClosed(db.networks.size());
    for (std::size_t i = 0; i < db.transponders.size(); ++i) {
        const uint8_t slot = db.transponders[i].netIndex;
        ASSERT_LT(slot, db.networks.size());
        EXPECT_FALSE(runClosed[slot]) << "network " << int(slot) << " split at " << i;
        if (i + 1 == db.transponders.size() || db.transponders[i + 1].netIndex != slot)
            runClosed[slot] = true;
    }
    for (const ProgInfo& prog : db.programs)
        ASSERT_LT(prog.tpIndex, db.transponders.size());
    for (const FavInfo& fav : db.favourites) {
        for (bool radio : {false, true}) {
            for (uint16_t entry : fav.listFor(radio)) {
                ASSERT_LT(entry, db.programs.size());
                EXPECT_EQ(db.programs[entry].isRadio(), radio);
            }
        }
    }
}

// Record addresses by tag: survivors of an operation must keep theirs.
std::map<void*, const void*> addresses(const ChannelDatabase& db)
{
    std::map<void*, const void*> out;
    for (const NetInfo& net : db.networks)
        out[net.treeItem] = &net;
    for (const TpInfo& tp : db.transponders)
        out[tp.treeItem] = &tp;
    for (const ProgInfo& prog : db.programs)
        out[prog.treeItem] = &prog;
    return out;
}

void expectSameAddresses(const std::map<void*, const void*>& before, const ChannelDatabase& db)
{
    for (const auto& [key, address] : addresses(db)) {
        const auto it = before.find(key);
        if (it != before.end()) {
            EXPECT_EQ(it->second, address);
        }
    }
}

class RandomEdits {
public:
    explicit RandomEdits(unsigned seed)
            : rng_(seed)
    {}

    int pick(std::size_t n) { return n == 0 ? 0 : static_cast<int>(rng_() % n); }

    // One random operation on both databases; returns its description.
    std::string step(ChannelDatabase& db, ChannelDatabase& ref)
    {
        const std::size_t tps = db.transponders.size();
        const std::size_t progs = db.programs.size();
        const int slot = pick(db.networks.size());
        switch (pick(15)) {
        case 0: {
            const uint16_t first = firstTransponderOfNetwork(db, static_cast<uint8_t>(slot));
            const uint16_t end = endOfNetworkTransponders(db, static_cast<uint8_t>(slot));
            const uint16_t p =
                pick(2) || first >= tps ? NO_POSITION : static_cast<uint16_t>(first + pick(end - first + 1));
            TpInfo* tp = addTransponder(db, static_cast<uint8_t>(slot), p);
            tp->treeItem = tag(nextTag_);
            model::addTransponder(ref, slot, p);
            ref.transponders[positionOfTransponder(db, tp)].treeItem = tag(nextTag_++);
            return "add transponder " + std::to_string(slot) + " at " + std::to_string(p);
        }
        case 1: {
            if (tps == 0)
                return "nothing";
            const int tp = pick(tps);
            const uint16_t p = pick(3) == 0 ? NO_POSITION : static_cast<uint16_t>(pick(progs + 1));
            ProgInfo* prog = addProgram(db, static_cast<uint16_t>(tp), p);
            prog->treeItem = tag(nextTag_);
            model::addProgram(ref, tp, p);
            ref.programs[positionOfProgram(db, prog)].treeItem = tag(nextTag_++);
            return "add program " + std::to_string(tp) + " at " + std::to_string(p);
        }
        case 2: {
            if (progs == 0)
                return "nothing";
            const int p = pick(progs);
            deleteProgram(db, static_cast<uint16_t>(p));
            model::deleteProgram(ref, p);
            return "delete program " + std::to_string(p);
        }
        case 3: {
            const int tp = pick(tps + 1);
            deleteProgramsOfTransponder(db, static_cast<uint16_t>(tp));
            model::deleteProgramsWhere(ref, [tp](const ProgInfo& prog) { return prog.tpIndex == tp; });
            return "delete programs of transponder " + std::to_string(tp);
        }
        case 4: {
            deleteProgramsOfNetwork(db, static_cast<uint8_t>(slot));
            model::deleteProgramsWhere(
                ref, [&](const ProgInfo& prog) { return ref.transponders[prog.tpIndex].netIndex == slot; });
            return "delete programs of network " + std::to_string(slot);
        }
        case 5: {
            if (tps == 0)
                return "nothing";
            const int tp = pick(tps);
            deleteTransponder(db, static_cast<uint16_t>(tp));
            model::deleteTransponder(ref, tp);
            return "delete transponder " + std::to_string(tp);
        }
        case 6: {
            emptyNetworkSlot(db, static_cast<uint8_t>(slot));
            model::deleteTranspondersOfNetwork(ref, slot);
            ref.networks[slot].reset(static_cast<uint8_t>(slot));
            return "empty slot " + std::to_string(slot);
        }
        case 7: {
            std::vector<const TpInfo*> set;
            std::vector<void*> tags;
            for (std::size_t i = 0; i < tps; ++i) {
                if (pick(3) == 0) {
                    set.push_back(&db.transponders[i]);
                    tags.push_back(db.transponders[i].treeItem);
                }
            }
            std::shuffle(set.begin(), set.end(), rng_);
            deleteTransponders(db, set);
            for (void* t : tags) {
                for (std::size_t i = 0; i < ref.transponders.size(); ++i) {
                    if (ref.transponders[i].treeItem == t) {
                        model::deleteTransponder(ref, i);
                        break;
                    }
                }
            }
            return "delete " + std::to_string(set.size()) + " transponders";
        }
        case 8: {
            const int satellites = std::min<int>(static_cast<int>(db.networks.size()), SATELLITE_SLOT_COUNT);
            const int from = pick(satellites);
            const int to = pick(satellites);
            moveNetwork(db, db.networks[from], db.networks[to]);
            if (from != to)
                model::moveNetwork(ref, from, to);
            return "move network " + std::to_string(from) + " to " + std::to_string(to);
        }
        case 9: {
            if (tps == 0)
                return "nothing";
            // Mostly within one network, so that something moves.
            const int from = pick(tps);
            const int first = firstTransponderOfNetwork(db, db.transponders[from].netIndex);
            const int end = endOfNetworkTransponders(db, db.transponders[from].netIndex);
            const int to = pick(4) == 0 ? pick(tps) : first + pick(end - first);
            moveTransponder(db, db.transponders[from], db.transponders[to]);
            if (from != to)
                model::moveTransponder(ref, from, to);
            return "move transponder " + std::to_string(from) + " to " + std::to_string(to);
        }
        case 10: {
            if (progs == 0)
                return "nothing";
            const int from = pick(progs);
            int to = pick(progs);
            for (int tries = 0; tries < 20 && db.programs[to].tpIndex != db.programs[from].tpIndex; ++tries)
                to = pick(progs);
            moveProgram(db, db.programs[from], db.programs[to]);
            if (from != to)
                model::moveProgram(ref, from, to);
            return "move program " + std::to_string(from) + " to " + std::to_string(to);
        }
        case 11: {
            const int origin = pick(2) ? 1800 : pick(3600);
            const bool moved = sortNetworksByDegree(db, static_cast<uint16_t>(origin));
            EXPECT_EQ(moved, model::sortNetworks(ref, origin));
            return "sort networks from " + std::to_string(origin);
        }
        case 12:
        case 13: {
            const int sorted = tps == 0 ? slot : db.transponders[pick(tps)].netIndex;
            const bool moved = sortTranspondersByFrequency(db, static_cast<uint8_t>(sorted));
            EXPECT_EQ(moved, model::sortTransponders(ref, sorted));
            return "sort transponders of " + std::to_string(sorted);
        }
        default: {
            if (progs == 0)
                return "nothing";
            const int p = pick(progs);
            changeProgramType(db, db.programs[p]);
            model::changeProgramType(ref, p);
            db.programs[p].attributes ^= ATTR_RADIO;
            ref.programs[p].attributes ^= ATTR_RADIO;
            return "change type of program " + std::to_string(p);
        }
        }
    }

    std::mt19937& rng() { return rng_; }

private:
    std::mt19937 rng_;
    uintptr_t nextTag_ = 1'000'000;
};

TEST(EditRandomised, OperationSequencesMatchTheStepByStepModel)
{
    for (unsigned seed = 1; seed <= 60; ++seed) {
        RandomEdits edits(seed);
        ChannelDatabase db = randomDatabase(edits.rng(), true);
        ChannelDatabase ref = db;
        expectConsistent(db, "start");
        for (int n = 0; n < 60; ++n) {
            const auto before = addresses(db);
            const std::string step =
                "seed " + std::to_string(seed) + " step " + std::to_string(n) + ": " + edits.step(db, ref);
            expectSameDatabase(db, ref, step);
            expectConsistent(db, step);
            expectSameAddresses(before, db);
            if (HasFailure())
                return;
        }
    }
}

TEST(EditRandomised, SortingNetworksHeldApartMatchesTheModel)
{
    for (unsigned seed = 100; seed < 400; ++seed) {
        std::mt19937 rng(seed);
        ChannelDatabase db = randomDatabase(rng, false);
        ChannelDatabase ref = db;
        for (int slot = 0; slot < 8; ++slot) {
            EXPECT_EQ(sortTranspondersByFrequency(db, static_cast<uint8_t>(slot)),
                      model::sortTransponders(ref, slot));
            expectSameDatabase(db, ref, "seed " + std::to_string(seed) + " slot " + std::to_string(slot));
        }
        ASSERT_FALSE(HasFailure()) << "seed " << seed;
    }
}

TEST(EditRandomised, LargeDeletesMatchTheModel)
{
    test::LargeShape shape;
    shape.networks = 4;
    shape.transponders = 300;
    shape.programs = 1500;
    shape.favouriteEntries = 60;
    ChannelDatabase db = test::makeLargeDatabase(shape);
    uintptr_t next = 1;
    for (TpInfo& tp : db.transponders)
        tp.treeItem = tag(next++);
    for (ProgInfo& prog : db.programs)
        prog.treeItem = tag(next++);
    ChannelDatabase ref = db;
    deleteTranspondersOfNetwork(db, 2);
    model::deleteTranspondersOfNetwork(ref, 2);
    expectSameDatabase(db, ref, "delete network 2");
    std::vector<const TpInfo*> set;
    for (std::size_t i = 0; i < db.transponders.size(); i += 3)
        set.push_back(&db.transponders[i]);
    deleteTransponders(db, set);
    for (std::size_t i = ref.transponders.size(); i-- > 0;)
        if (i % 3 == 0)
            model::deleteTransponder(ref, i);
    expectSameDatabase(db, ref, "delete every third transponder");
    expectConsistent(db, "after deletes");
}

} // namespace
