#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/databasecheck.h"
#include "support/sampledatabase.h"

using namespace kvx;

namespace {

constexpr uint8_t V = 0, H = 1, R = 2, L = 3;

// "removed>kept" per finding, "removed" when it repeats none; a favourite entry reads "g0tv2".
std::string summary(const std::vector<CheckFinding>& findings)
{
    const auto record = [](const CheckedRecord& r) {
        const std::string place = std::to_string(r.position);
        return r.group < 0 ? place : "g" + std::to_string(r.group) + (r.radio ? "radio" : "tv") + place;
    };
    std::string out;
    for (const CheckFinding& f : findings)
        out += (out.empty() ? "" : " ") + record(f.removed) +
               (f.kept.position == NO_POSITION ? "" : ">" + record(f.kept));
    return out;
}

ChannelDatabase namedNetworks()
{
    ChannelDatabase db = test::makeEmptyModel(2, FLAG_PROG_CA);
    for (uint8_t slot : {0, 1}) {
        db.networks[slot].name = "Net " + std::to_string(slot);
        db.networks[slot].degree = static_cast<uint16_t>(100 + slot);
    }
    return db;
}

void addTransponder(ChannelDatabase& db, uint8_t slot, uint16_t frequency, uint8_t polarity, int programs,
                    uint16_t symbolRate = 27500)
{
    TpInfo tp = TpInfo::create(slot, frequency, polarity);
    tp.symbolRate = symbolRate;
    const auto position = static_cast<uint16_t>(db.transponders.size());
    db.transponders.append(tp);
    for (int k = 0; k < programs; ++k)
        db.programs.append(ProgInfo::create(position, static_cast<uint16_t>(db.programs.size() + 1)));
}

struct PlantedTransponder {
    uint8_t slot;
    uint16_t frequency;
    uint8_t polarity;
    int programs;
};

struct DuplicateCase {
    const char* name;
    std::vector<PlantedTransponder> transponders;
    const char* expected;
};

} // namespace

TEST(DatabaseCheck, DuplicateTranspondersKeepTheFullestWithinTwoMegahertz)
{
    const DuplicateCase cases[] = {
        {"within 2 MHz, more programs kept", {{0, 11300, H, 1}, {0, 11302, H, 2}}, "0>1"},
        {"equal frequency, V with R, tie keeps the first", {{0, 11500, V, 1}, {0, 11500, R, 1}}, "1>0"},
        {"H with L", {{0, 11300, L, 1}, {0, 11301, H, 1}}, "1>0"},
        {"other class", {{0, 11300, H, 1}, {0, 11300, V, 1}}, ""},
        {"3 MHz apart", {{0, 11300, H, 1}, {0, 11303, H, 1}}, ""},
        {"other network", {{0, 11300, H, 1}, {1, 11300, H, 1}}, ""},
        {"frequency 0 repeats none", {{0, 0, H, 1}, {0, 0, H, 1}, {0, 1, H, 1}}, ""},
        {"chain of ties: the far end stays", {{0, 12000, H, 1}, {0, 12002, H, 1}, {0, 12004, H, 1}}, "1>0"},
        {"chain around the fullest", {{0, 12000, H, 1}, {0, 12002, H, 3}, {0, 12004, H, 1}}, "0>1 2>1"},
        {"a removed one keeps none, in an unsorted list",
         {{0, 11304, H, 0}, {0, 11300, H, 2}, {0, 11302, H, 0}, {0, 11301, V, 0}},
         "2>1"},
    };
    for (const DuplicateCase& c : cases) {
        ChannelDatabase db = namedNetworks();
        for (const PlantedTransponder& tp : c.transponders)
            addTransponder(db, tp.slot, tp.frequency, tp.polarity, tp.programs);
        EXPECT_EQ(summary(checkDatabase(db).duplicateTransponders), c.expected) << c.name;
    }
}

TEST(DatabaseCheck, FindsRepeatedProgramsEmptyAndZeroTranspondersOrphansAndFavourites)
{
    ChannelDatabase db = namedNetworks();
    addTransponder(db, 0, 11300, H, 1);                  // tp 0: program 0
    addTransponder(db, 0, 11400, H, 1);                  // tp 1: program 1
    addTransponder(db, 0, 11500, V, 0);                  // tp 2: empty
    addTransponder(db, 0, 0, H, 1);                      // tp 3: frequency 0
    addTransponder(db, 1, 11600, H, 1, 0);               // tp 4: symbol rate 0
    addTransponder(db, TERRESTRIAL_SLOT, 474, V, 1, 0);  // tp 5: bandwidth code 0 is 8 MHz
    addTransponder(db, 3, 11700, H, 1);                  // tp 6: in an empty slot
    db.programs[1].serviceId = db.programs[0].serviceId; // another transponder: no repeat
    for (int k = 0; k < 2; ++k)
        db.programs.append(ProgInfo::create(0, db.programs[0].serviceId)); // programs 6 and 7
    db.favourites[0].tvList = {0, 1, 0, 4};
    db.favourites[1].tvList = {4, 0};
    db.favourites[1].radioList = {0};
    db.favourites[2].tvList = {0, 4};

    const DatabaseCheck check = checkDatabase(db);
    EXPECT_EQ(summary(check.duplicateTransponders), "");
    EXPECT_EQ(summary(check.duplicatePrograms), "6>0 7>0");
    EXPECT_EQ(summary(check.emptyTransponders), "2");
    EXPECT_EQ(summary(check.zeroTransponders), "3 4");
    EXPECT_EQ(summary(check.orphanPrograms), "5");
    EXPECT_EQ(summary(check.repeatedFavourites), "g0tv2>g0tv0 g1radio0>g1tv1");
    EXPECT_FALSE(check.clean());
    EXPECT_EQ(check.duplicatePrograms[0].kind, CheckKind::DuplicateProgram);
}
