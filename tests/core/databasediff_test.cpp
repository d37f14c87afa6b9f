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
        names += (names.empty() ? "" : ",") + field.field;
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
         "tp+ 10997 (3); tp- 11000 (3); prog +3 -3; fav 0[tvList]"},
        {"another polarity is another one", [](ChannelDatabase& db) { db.transponders[1].tpFlags ^= 1; },
         "tp+ 11037 (3); tp- 11037 (3); prog +3 -3; fav 0[tvList]; fav 2[tvList]"},
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
         "tp- 11111 (3); prog +0 -3; fav 0[radioList]"},
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

TEST(DatabaseDiff, EqualFrequenciesPairBeforeNeighbours)
{
    ChannelDatabase before = test::makeEmptyModel(1, 0);
    for (const uint16_t frequency : {10744, 10746})
        before.transponders.append(TpInfo::create(0, frequency, 1));
    ChannelDatabase after = before;
    std::swap(after.transponders[0].frequency, after.transponders[1].frequency);
    // 10746 comes first now: it must not take 10744, which is within 2 MHz but not its own.
    EXPECT_EQ(summary(compareDatabases(before, after)), "tp order");
}
