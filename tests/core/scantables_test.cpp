#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "db/applychanges.h"
#include "db/fieldtext.h"
#include "export/satellitesxmlexport.h"
#include "import/dvbv5table.h"
#include "import/satellitesxml.h"
#include "import/scantables.h"
#include "platform/nameencoding.h"
#include "support/sampledatabase.h"

using namespace kvx;

namespace {

const std::string kTables = (std::filesystem::path(KVX_TEST_DATA_DIR) / "scan").string();

std::string tableText(const std::string& relative)
{
    std::ifstream in(kTables + "/" + relative, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// One section of a table.
std::string section(const std::string& lines)
{
    return "[CHANNEL]\n" + lines + "\n";
}

constexpr uint8_t V = 0, H = 1, R = 2, L = 3;

} // namespace

TEST(ScanTable, ReadsTheSystemsTables)
{
    const ScanTable hotbird = parseDvbV5Table(tableText("dvb-s/Hotbird-13.0E"));
    ASSERT_EQ(hotbird.rows.size(), 95u);
    EXPECT_EQ(hotbird.skipped, 0);
    const LyngSatRow& first = hotbird.rows.front(); // 10719000 V 27500000 3/4, DVB-S
    EXPECT_EQ(first.frequency, 10719);
    EXPECT_EQ(first.polarity, V);
    EXPECT_EQ(first.symbolRate, 27500);
    EXPECT_TRUE(first.fecGiven);
    EXPECT_EQ(first.fec, 3);
    EXPECT_FALSE(first.dvbS2);

    const ScanTable astra = parseDvbV5Table(tableText("dvb-s/Astra-19.2E"));
    ASSERT_EQ(astra.rows.size(), 1u);
    EXPECT_TRUE(astra.rows[0].dvbS2);
    EXPECT_FALSE(astra.rows[0].qpsk); // PSK/8
    EXPECT_EQ(astra.rows[0].polarity, H);

    const ScanTable abs = parseDvbV5Table(tableText("dvb-s/ABS-2-75.0E"));
    int apsk = 0;
    for (const LyngSatRow& row : abs.rows)
        apsk += row.dvbS2 && !row.qpsk;
    EXPECT_GT(apsk, 0);

    const ScanTable berlin = parseDvbV5Table(tableText("dvb-t/de-Berlin"));
    ASSERT_FALSE(berlin.rows.empty());
    EXPECT_TRUE(berlin.rows[0].terrestrial);
    EXPECT_EQ(berlin.rows[0].frequency, 506);
    EXPECT_EQ(berlin.rows[0].symbolRate, 0); // 8 MHz
}

TEST(ScanTable, RoundsHalvesUpAndSkipsWhatNoRecordHolds)
{
    struct Case {
        const char* what;
        std::string lines;
        bool read;
        uint16_t frequency = 0;
        uint16_t rate = 0;
        bool fecGiven = false;
        bool qpsk = true;
    };
    const std::string sat = "DELIVERY_SYSTEM = DVBS\nPOLARIZATION = LEFT\n";
    const std::vector<Case> cases = {
        {"half up", sat + "FREQUENCY = 11303500\nSYMBOL_RATE = 27499500", true, 11304, 27500},
        {"below half", sat + "FREQUENCY=11303499\nSYMBOL_RATE\t=\t27499499", true, 11303, 27499},
        {"DVB-S FEC beyond 7/8 keeps the stored one", sat + "FREQUENCY = 11303000\nINNER_FEC = 8/9", true,
         11303},
        {"DVB-S FEC", sat + "FREQUENCY = 11303000\nINNER_FEC = 7/8", true, 11303, 0, true},
        {"DVB-S2 APSK as 8PSK",
         "DELIVERY_SYSTEM = DVBS2\nPOLARIZATION = RIGHT\nFREQUENCY = 12000000\nMODULATION = "
         "APSK/32\nINNER_FEC = 9/10",
         true, 12000, 0, true, false},
        {"no polarisation", "DELIVERY_SYSTEM = DVBS\nFREQUENCY = 11303000", false},
        {"no delivery system", "POLARIZATION = LEFT\nFREQUENCY = 11303000", false},
        {"cable", "DELIVERY_SYSTEM = DVBC/ANNEX_A\nFREQUENCY = 346000000", false},
        {"frequency out of range", sat + "FREQUENCY = 99999999999", false},
        {"frequency not a number", sat + "FREQUENCY = 11.3GHz", false},
        {"terrestrial 7 MHz", "DELIVERY_SYSTEM = DVBT2\nFREQUENCY = 177500000\nBANDWIDTH_HZ = 7000000", true,
         178, 1, false, false},
    };
    for (const Case& c : cases) {
        const ScanTable table = parseDvbV5Table("# comment\n" + section(c.lines));
        ASSERT_EQ(table.rows.size(), c.read ? 1u : 0u) << c.what;
        EXPECT_EQ(table.skipped, c.read ? 0 : 1) << c.what;
        if (!c.read)
            continue;
        EXPECT_EQ(table.rows[0].frequency, c.frequency) << c.what;
        EXPECT_EQ(table.rows[0].symbolRate, c.rate) << c.what;
        EXPECT_EQ(table.rows[0].fecGiven, c.fecGiven) << c.what;
        EXPECT_EQ(table.rows[0].qpsk, c.qpsk) << c.what;
    }
}

TEST(ScanTable, ListsInstalledTablesWithTheirPositionsFirst)
{
    const std::vector<std::pair<const char*, std::optional<uint16_t>>> names = {
        {"Hotbird-13.0E", 130},       {"Thor-5-6-0.8W", 3592},   {"Astra-1KR-19.2E", 192},
        {"ad-Andorra", std::nullopt}, {"Sat-13E", std::nullopt}, {"Sat-.5E", std::nullopt}};
    for (const auto& [name, position] : names)
        EXPECT_EQ(positionInTableName(name), position) << name;

    std::vector<ScanTableEntry> tables;
    ASSERT_EQ(listScanTables(kTables, false, tables, 192), StatusOk);
    ASSERT_EQ(tables.size(), 3u);
    EXPECT_EQ(tables[0].name, "Astra-19.2E");
    EXPECT_EQ(tables[1].name, "ABS-2-75.0E");
    ASSERT_EQ(listScanTables(kTables, true, tables), StatusOk);
    EXPECT_EQ(tables.size(), 1u);
    EXPECT_EQ(listScanTables(kTables + "/none", false, tables), StatusNoFile);
    EXPECT_NE(missingScanTablesMessage("/x", false).find("dtv-scan-tables"), std::string::npos);
}

// The update's rules with a table's values: a row within 2 MHz of the class updates the nearest
// transponder (AUTO keeps its FEC, a DVB-S row its 8PSK bit); a DVB-S2 QPSK row clears 8PSK and sets the
// pilot; other rows are added; nothing is removed by default; the network is sorted.
TEST(ScanTable, MergesWithTheUpdatesRules)
{
    ChannelDatabase db = test::makeEmptyModel(2, FLAG_TP_EXTRA);
    const auto stored = [&](uint16_t frequency, uint8_t flags) {
        TpInfo tp = TpInfo::create(1, frequency, flags);
        tp.symbolRate = 27500;
        db.transponders.append(tp);
    };
    stored(11303, H | TP_8PSK | (3 << 4)); // DVB-S, 3/4, 8PSK bit left over
    stored(12000, V | (2 << 4));
    stored(10700, R);
    const std::string text =
        section("DELIVERY_SYSTEM = DVBS\nFREQUENCY = 11304000\nPOLARIZATION = HORIZONTAL\n"
                "SYMBOL_RATE = 27500000\nINNER_FEC = AUTO") +
        section("DELIVERY_SYSTEM = DVBS2\nFREQUENCY = 11999000\nPOLARIZATION = VERTICAL\n"
                "SYMBOL_RATE = 30000000\nINNER_FEC = 3/5\nMODULATION = QPSK") +
        section("DELIVERY_SYSTEM = DVBS\nFREQUENCY = 11500000\nPOLARIZATION = LEFT\n"
                "SYMBOL_RATE = 22000000\nINNER_FEC = 5/6");
    const LyngSatPlan plan = planTransponderRows(parseDvbV5Table(text).rows, db, 1, scanTableOptions());
    ASSERT_EQ(applyChanges(db, plan.changes, plan.changes.defaultSelection()), StatusOk);
    struct Expected {
        uint16_t frequency;
        uint16_t rate;
        uint8_t flags;
        bool pilot;
    };
    const std::vector<Expected> expected = {
        {10700, 27500, R, false},
        {11304, 27500, H | TP_8PSK | (3 << 4), false},
        {11500, 22000, L | (4 << 4), false},
        {11999, 30000, V | TP_DVBS2 | (7 << 4), true},
    };
    ASSERT_EQ(db.transponders.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        const TpInfo& tp = db.transponders[k];
        EXPECT_EQ(tp.frequency, expected[k].frequency) << k;
        EXPECT_EQ(tp.symbolRate, expected[k].rate) << k;
        EXPECT_EQ(tp.tpFlags, expected[k].flags) << k;
        EXPECT_EQ((tp.tpExtra[3] & TP_EXTRA_PILOT) != 0, expected[k].pilot) << k;
    }
    // A terrestrial table fills only the terrestrial network.
    int leftOut = 0;
    const ScanTable berlin = parseDvbV5Table(tableText("dvb-t/de-Berlin"));
    EXPECT_EQ(planTransponderRows(berlin.rows, db, 1, scanTableOptions(), &leftOut).result.rows, 0);
    EXPECT_EQ(leftOut, static_cast<int>(berlin.rows.size()));
    const LyngSatPlan terrestrial =
        planTransponderRows(berlin.rows, db, TERRESTRIAL_SLOT, scanTableOptions());
    EXPECT_EQ(terrestrial.result.rows, static_cast<int>(berlin.rows.size()));
    EXPECT_GT(terrestrial.result.added, 0);
}

// What the export writes, the import reads back into an emptied network as the same transponders.
TEST(SatellitesXml, ExportReadsBackIntoAnEmptiedNetwork)
{
    ChannelDatabase db = test::makeVariedDatabase(1, FLAG_TP_EXTRA);
    db.networks[0].name = "Astra & <Co>";
    db.networks[0].degree = 192;
    db.networks[1].name = "Thor";
    db.networks[1].degree = 3592;
    const std::string xml = exportSatellitesXml(db, NameEncoding());
    EXPECT_NE(xml.find("<sat name=\"Astra &amp; &lt;Co&gt;\" flags=\"0\" position=\"192\">"),
              std::string::npos);
    EXPECT_NE(xml.find("position=\"-8\""), std::string::npos);

    std::vector<SatXmlSatellite> satellites;
    ASSERT_EQ(parseSatellitesXml(xml, satellites), StatusOk);
    for (const uint8_t slot : {0, 1}) {
        const SatXmlSatellite* sat = satelliteAt(satellites, db.networks[slot].degree);
        ASSERT_NE(sat, nullptr);
        EXPECT_EQ(sat->name, slot == 0 ? "Astra & <Co>" : "Thor");
        std::vector<TpInfo> before;
        for (const TpInfo& tp : db.transponders)
            if (tp.netIndex == slot)
                before.push_back(tp);
        ChannelDatabase emptied = db;
        LyngSatOptions options = scanTableOptions();
        options.sortByFrequency = false;
        for (std::size_t j = emptied.transponders.size(); j-- > 0;)
            if (emptied.transponders[j].netIndex == slot)
                emptied.transponders.removeAt(j);
        emptied.programs = CProgList();
        const LyngSatPlan plan = planTransponderRows(sat->rows, emptied, slot, options);
        ASSERT_EQ(applyChanges(emptied, plan.changes, plan.changes.allSelected()), StatusOk);
        std::vector<TpInfo> after;
        for (const TpInfo& tp : emptied.transponders)
            if (tp.netIndex == slot)
                after.push_back(tp);
        ASSERT_EQ(after.size(), before.size()) << int(slot);
        for (std::size_t k = 0; k < before.size(); ++k) {
            EXPECT_EQ(after[k].frequency, before[k].frequency);
            EXPECT_EQ(after[k].symbolRate, before[k].symbolRate);
            EXPECT_EQ(after[k].tpFlags, before[k].tpFlags) << before[k].label();
        }
    }
    EXPECT_EQ(parseSatellitesXml("<satellites></satellites>", satellites), StatusBadFormat);
    EXPECT_EQ(parseDegree("0.8W"), *parsePositionArgument("-8"));
    EXPECT_EQ(parsePositionArgument("19.2E"), parsePositionArgument("192"));
    EXPECT_FALSE(parsePositionArgument("east"));
}
