#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/channeldatabase.h"
#include "db/databasesnapshot.h"
#include "db/membercount.h"
#include "support/sampledatabase.h"

using namespace kvx;

namespace {

// When one of these fails, a member was added: give it a distinctive value below.
static_assert(memberCount<AntInfo>() == 6);
static_assert(memberCount<NetInfo>() == 7);
static_assert(memberCount<TpInfo>() == 9);
static_assert(memberCount<ProgInfo>() == 15);
static_assert(memberCount<FavInfo>() == 3);
static_assert(memberCount<ChannelDatabase>() == 12);

PidList pids(std::vector<AudioInfo> entries)
{
    PidList list;
    for (AudioInfo entry : entries)
        list.append(entry);
    return list;
}

// Every member of the header and of one record of each kind holds a value no default has, and values of
// the same type differ from each other, so a field read into its neighbour shows. Names are longer than
// any layout keeps and hold zero bytes; the transponder has a name although the layout has none.
ChannelDatabase makeDistinctiveDatabase()
{
    ChannelDatabase db;
    db.version = 7;
    db.stamp = {0x81, 0x82, 0x83};
    db.layoutFlags = 0xA5000000 | FLAG_PROG_CA;
    db.compressed = true;
    db.keepStamp = true;
    db.fileName = "/home/u/old name.ckvx";
    db.pendingFileName = "/home/u/new name.kvx";
    const std::string longName = std::string("a\0b", 3) + std::string(300, 'n') + "\xFF";
    db.antennas.append(AntInfo{0x85, 0x0E, 0x32, 0x8F, 5150, 5750});
    db.antennas.append(AntInfo{});
    db.networks.append(
        NetInfo{.name = longName, .degree = 3599, .positionerId = 9, .netIndex = 63, .skewV = 1, .skewH = 2});
    db.transponders.append(TpInfo{.name = "Mux \xE4" + longName,
                                  .frequency = 12345,
                                  .symbolRate = 29900,
                                  .tpFlags = 0xF7,
                                  .freqDrift = 0x11,
                                  .netIndex = 0x22,
                                  .tpExtra = {0x1001, 0x2002, 0x3003, 0x4004},
                                  .gmtError = -90});
    db.programs.append(
        ProgInfo{.name = longName + "p",
                 .nameCodePage = 2,
                 .serviceId = 0x5101,
                 .pmtPid = 0x5102,
                 .pcrPid = 0x5103,
                 .videoPids = pids({{1, 0x0101}, {2, 0x0102}, {3, 0x0103}, {4, 0x0104}, {5, 0x105}}),
                 .audioPids = pids({{6, 0x4201}, {7, 0x0202}}),
                 .teletextPids = pids({{8, 0x0301}}),
                 .caSystems = 0x80000001,
                 .attributes = 0x33,
                 .spareByte = 0x44,
                 .spareWord = 0x5104,
                 .tpIndex = 0x5105,
                 .favMask = 0x5106});
    db.programs.append(ProgInfo{});
    db.favourites.append(FavInfo{longName + "f", {9, 8, 7}, {6, 5}});
    db.favourites.append(FavInfo{});
    return db;
}

// What the window does while it shows a database: every record points at its tree item.
void attachTreeItems(ChannelDatabase& db)
{
    static int item;
    for (auto& net : db.networks)
        net.treeItem = &item;
    for (auto& tp : db.transponders)
        tp.treeItem = &item;
    for (auto& prog : db.programs)
        prog.treeItem = &item;
}

} // namespace

TEST(DatabaseSnapshot, RestoresEveryFieldOfEveryRecordAndNoTreeItem)
{
    const ChannelDatabase expected = makeDistinctiveDatabase();
    ChannelDatabase shown = expected;
    attachTreeItems(shown);
    ChannelDatabase db = test::makeVariedDatabase(2, FLAG_TP_NAMES | FLAG_PROG_EXTRA);

    ASSERT_TRUE(DatabaseSnapshot::take(shown).restoreInto(db));

    EXPECT_TRUE(db.antennas == expected.antennas);
    EXPECT_TRUE(db.networks == expected.networks);
    EXPECT_TRUE(db.transponders == expected.transponders);
    EXPECT_TRUE(db.programs == expected.programs);
    EXPECT_TRUE(db.favourites == expected.favourites);
    EXPECT_TRUE(db == expected) << "a header field differs";
}

TEST(DatabaseSnapshot, SnapshotOfARestoredDatabaseHasTheSameBytes)
{
    const struct {
        const char* name;
        ChannelDatabase db;
    } cases[] = {
        {"satellite, plain layout", test::makeVariedDatabase(1, 0)},
        {"combo, every layout flag", test::makeVariedDatabase(2, 0x1F)},
        {"large", test::makeLargeDatabase()},
    };
    for (const auto& c : cases) {
        const DatabaseSnapshot snapshot = DatabaseSnapshot::take(c.db);
        ChannelDatabase restored = test::makeVariedDatabase(1, FLAG_TP_NAMES);
        ASSERT_TRUE(snapshot.restoreInto(restored)) << c.name;
        EXPECT_TRUE(DatabaseSnapshot::take(restored) == snapshot) << c.name;
        EXPECT_TRUE(restored == c.db) << c.name;
    }
}

TEST(DatabaseSnapshot, DamagedBytesAreRefusedAndLeaveTheDatabaseAlone)
{
    const DatabaseSnapshot snapshot = DatabaseSnapshot::take(makeDistinctiveDatabase());
    const auto bytes = snapshot.bytes();
    const ChannelDatabase before = test::makeVariedDatabase(1, 0);
    ChannelDatabase db = before;

    EXPECT_FALSE(DatabaseSnapshot().restoreInto(db));
    for (std::size_t size = 0; size < bytes.size(); ++size)
        ASSERT_FALSE(DatabaseSnapshot::restore(bytes.first(size), db)) << "cut to " << size;
    std::vector<uint8_t> longer(bytes.begin(), bytes.end());
    longer.push_back(0);
    EXPECT_FALSE(DatabaseSnapshot::restore(longer, db)) << "a trailing byte";
    EXPECT_TRUE(db == before);

    // A length or count of 0xFF.. must be refused before anything is allocated for it.
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        std::vector<uint8_t> damaged(bytes.begin(), bytes.end());
        damaged[at] = 0xFF;
        ChannelDatabase scratch;
        EXPECT_NO_THROW(DatabaseSnapshot::restore(damaged, scratch)) << "byte " << at;
    }
}
