#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "db/databasediff.h"
#include "db/editops.h"
#include "support/sampledatabase.h"

using namespace kvx;

namespace {

std::string fieldNames(const std::vector<FieldChange>& fields)
{
    std::string names;
    for (const FieldChange& field : fields)
        names +=
            (names.empty() ? "" : ",") + field.field + (field.note.empty() ? "" : "(" + field.note + ")");
    return names;
}

// One line per kind of change, in a fixed order, so a case reads as its expectation.
std::string summary(const DatabaseDiff& diff)
{
    std::string out;
    const auto line = [&out](const std::string& text) { out += (out.empty() ? "" : "; ") + text; };
    if (!diff.file.empty())
        line("file[" + fieldNames(diff.file) + "]");
    if (diff.stamp)
        line("stamp");
    for (const NetworkChange& change : diff.networks)
        line("net " + std::to_string(change.slot) + "[" + fieldNames(change.fields) + "]");
    for (const TransponderPresence& entry : diff.transpondersAdded)
        line("tp+ " + std::to_string(entry.record.frequency) + " (" + std::to_string(entry.programs) + ")");
    for (const TransponderPresence& entry : diff.transpondersRemoved)
        line("tp- " + std::to_string(entry.record.frequency) + " (" + std::to_string(entry.programs) + ")");
    for (const TransponderChange& change : diff.transpondersChanged)
        line("tp~ " + std::to_string(change.before.frequency) + "[" + fieldNames(change.fields) + "]");
    if (diff.transpondersReordered)
        line("tp order");
    if (!diff.programsAdded.empty() || !diff.programsRemoved.empty())
        line("prog +" + std::to_string(diff.programsAdded.size()) + " -" +
             std::to_string(diff.programsRemoved.size()));
    for (const ProgramChange& change : diff.programsChanged)
        line("prog~ " + std::to_string(change.key.serviceId) + "[" + fieldNames(change.fields) + "]");
    if (diff.programsReordered)
        line("prog order");
    for (const FavouriteChange& change : diff.favourites)
        line("fav " + std::to_string(change.group) + "[" + fieldNames(change.fields) + "]");
    return out;
}

struct DiffCase {
    const char* what;
    std::function<void(ChannelDatabase&)> change;
    std::string expected;
};

void moveFrequency(ChannelDatabase& db, std::size_t tp, int delta)
{
    db.transponders[tp].frequency = static_cast<uint16_t>(db.transponders[tp].frequency + delta);
}

} // namespace

// The varied sample: slot 0 holds 11000 V, 11037 H and 11074 R, slot 1 11111 L; twelve programs
// spread over the four in turn; favourite groups 0 and 2 hold programs.
TEST(DatabaseDiff, FindsEachKindOfChangeAndPairsRecordsAsAnUpdateDoes)
{
    const std::vector<DiffCase> cases = {
        {"nothing", [](ChannelDatabase&) {}, ""},
        {"tree items and favourite marks are not data",
         [](ChannelDatabase& db) {
             db.transponders[0].treeItem = &db;
             db.programs[0].favMask = 3;
         },
         ""},
        {"a transponder 2 MHz off is the same one", [](ChannelDatabase& db) { moveFrequency(db, 0, 2); },
         "tp~ 11000[frequency]"},
        {"3 MHz off is another one", [](ChannelDatabase& db) { moveFrequency(db, 0, -3); },
         "tp+ 10997 (3); tp- 11000 (3); prog +3 -3; fav 0[tvList(1 added, 1 removed)]"},
        {"H to V is another transponder", [](ChannelDatabase& db) { db.transponders[1].tpFlags ^= 1; },
         "tp+ 11037 (3); tp- 11037 (3); prog +3 -3; fav 0[tvList(1 added, 1 removed)]; "
         "fav 2[tvList(1 added, 1 removed)]"},
        {"R to V and L to H are the same transponders",
         [](ChannelDatabase& db) {
             db.transponders[2].tpFlags ^= 2;
             db.transponders[3].tpFlags ^= 2;
         },
         "tp~ 11074[polarity]; tp~ 11111[polarity]"},
        {"system, FEC and symbol rate",
         [](ChannelDatabase& db) {
             db.transponders[2].tpFlags |= TP_DVBS2;
             db.transponders[2].tpFlags = static_cast<uint8_t>((db.transponders[2].tpFlags & 0x0F) | 0x30);
             db.transponders[2].symbolRate = 30000;
         },
         "tp~ 11074[symbolRate,system,fec]"},
        {"a deleted transponder takes its programs",
         [](ChannelDatabase& db) {
             deleteProgramsOfTransponder(db, 3);
             deleteTransponder(db, 3);
         },
         "tp- 11111 (3); prog +0 -3; fav 0[radioList(2 removed)]"},
        {"a moved transponder is a new order, not a change",
         [](ChannelDatabase& db) { moveTransponder(db, db.transponders[0], db.transponders[2]); },
         "tp order"},
        {"program fields",
         [](ChannelDatabase& db) {
             db.programs[4].name = "Renamed";
             db.programs[4].audioPids.append(2, 0x555);
             db.programs[6].caSystems ^= 1;
         },
         "prog~ 104[name,audioPids]; prog~ 106[caSystems]"},
        {"network, antenna, favourites, stamp and form",
         [](ChannelDatabase& db) {
             db.networks[1].degree = 100;
             db.antennas[1].power ^= 4;
             db.favourites[15].name = "Other";
             db.stamp[2] ^= 1;
             db.compressed = !db.compressed;
         },
         "file[compressed]; stamp; net 1[degree,power]; fav 15[name]"},
        {"favourites of the same count",
         [](ChannelDatabase& db) {
             db.favourites[0].tvList = {0, 9, 10};
         },
         "fav 0[tvList(2 added, 2 removed)]"},
        {"favourites in another order",
         [](ChannelDatabase& db) {
             db.favourites[0].radioList = {7, 3};
         },
         "fav 0[radioList(order changed)]"},
    };
    const ChannelDatabase before = test::makeVariedDatabase(1, FLAG_TP_EXTRA | FLAG_TP_NAMES);
    for (const DiffCase& c : cases) {
        ChannelDatabase after = before;
        c.change(after);
        const DatabaseDiff diff = compareDatabases(before, after);
        EXPECT_EQ(summary(diff), c.expected) << c.what;
        EXPECT_EQ(diff.empty(), c.expected.empty()) << c.what;
    }
}

namespace {

struct SampleTp {
    uint16_t frequency;
    uint8_t polarity; // 0 V, 1 H, 2 R, 3 L
    uint16_t symbolRate = 27500;
    uint8_t slot = 0;
};

ChannelDatabase withTransponders(const std::vector<SampleTp>& tps)
{
    ChannelDatabase db = test::makeEmptyModel(1, 0);
    for (const SampleTp& sample : tps) {
        TpInfo tp = TpInfo::create(sample.slot, sample.frequency, sample.polarity);
        tp.symbolRate = sample.symbolRate;
        db.transponders.append(tp);
    }
    return db;
}

} // namespace

TEST(DatabaseDiff, TranspondersPairByClassExactFrequencyFirstThenNearest)
{
    const struct {
        const char* what;
        std::vector<SampleTp> before;
        std::vector<SampleTp> after;
        std::string expected;
    } cases[] = {
        {"a neighbour never takes an exact match",
         {{10744, 1}, {10746, 1}},
         {{10746, 1}, {10744, 1}},
         "tp order"},
        {"a symbol rate changed on one of two close transponders",
         {{10716, 1}, {10714, 1}},
         {{10716, 1}, {10714, 1, 22000}},
         "tp~ 10714[symbolRate]"},
        {"the nearest, not the first listed",
         {{10716, 1}, {10713, 1}},
         {{10714, 1}},
         "tp- 10716 (0); tp~ 10713[frequency]"},
        {"of two as near, the first listed",
         {{10712, 1}, {10716, 1}},
         {{10714, 1}},
         "tp- 10716 (0); tp~ 10712[frequency]"},
        {"the same polarity before the same class",
         {{10714, 0}, {10714, 2}},
         {{10714, 2}, {10714, 0}},
         "tp order"},
        {"moved and turned within the class", {{10714, 3}}, {{10715, 1}}, "tp~ 10714[frequency,polarity]"},
        {"V and H are two", {{10714, 0}}, {{10714, 1}}, "tp+ 10714 (0); tp- 10714 (0)"},
        {"another slot is another one", {{10714, 1}}, {{10714, 1, 27500, 1}}, "tp+ 10714 (0); tp- 10714 (0)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(summary(compareDatabases(withTransponders(c.before), withTransponders(c.after))),
                  c.expected)
            << c.what;
}
