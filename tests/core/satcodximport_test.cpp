#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/satcodximport.h"
#include "importdatabase.h"
#include "support/importfixtures.h"

using namespace kvx;
using test::SdxFields;
using test::sdxLine;

namespace {

std::string sdxFile(const std::vector<SdxFields>& lines, const std::string& lineEnd = "\r\n")
{
    std::string text;
    for (const SdxFields& fields : lines)
        text += sdxLine(fields) + lineEnd;
    return text;
}

SdxFields tp(const char* frequency, const char* polarisation, const char* symbolRate)
{
    return {.frequency = frequency, .polarisation = polarisation, .symbolRate = symbolRate};
}

struct Fixture {
    // Slot 1 is imported into; slots 0 and 2 surround it in the transponder list.
    ChannelDatabase db = test::databaseWithNetworks({{{10714, 1, 22000, "A1"}, {10729, 0, 22000, "A2"}},
                                                     {{11778, 1, 27500, "B1"}},
                                                     {{12000, 0, 27500, "C1"}}});
    test::RecordingProgress progress;

    SatcodxImportResult import(const std::string& text)
    {
        return importSatcodx(db, db.networks[1], text, progress);
    }
};

} // namespace

TEST(SatcodxImport, ChannelsOfOneTransponderCollapseAndFileOrderIsKept)
{
    Fixture f;
    const std::string file = sdxFile({tp("012500", "0", "27500"), tp("012500", "0", "27500"), // two channels
                                      tp("012500", "1", "27500"), // other polarity
                                      tp("012500", "0", "30000"), // other rate
                                      tp("010700", "2", "22000"), tp("012500", "1", "27500")});
    const auto result = f.import(file);
    EXPECT_EQ(result.status, StatusOk);
    EXPECT_EQ(result.added, 4);

    const auto tps = test::transpondersOf(f.db, 1);
    ASSERT_EQ(tps.size(), 5u);
    EXPECT_EQ(tps[0]->name, "B1");
    const std::vector<std::tuple<int, int, int>> expected = {
        {12500, 0, 27500}, {12500, 1, 27500}, {12500, 0, 30000}, {10700, 2, 22000}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const TpInfo& added = *tps[i + 1];
        EXPECT_EQ(added.frequency, std::get<0>(expected[i]));
        EXPECT_EQ(added.tpFlags, std::get<1>(expected[i])); // the digit is the whole flags byte
        EXPECT_EQ(added.symbolRate, std::get<2>(expected[i]));
        EXPECT_EQ(added.gmtError, NO_GMT_ERROR);
        EXPECT_EQ(added.tpExtra[3], 0);
    }
    // The new transponders stand together after the network's own, before slot 2.
    EXPECT_EQ(f.db.transponders[7].netIndex, 2);
    test::expectReferencesIntact(f.db);
}

TEST(SatcodxImport, TransponderAlreadyInTheNetworkIsNotAddedAgain)
{
    Fixture f;
    // 11778 H 27500 exists in slot 1; 10714 H 22000 exists only in slot 0.
    const auto result = f.import(sdxFile({tp("011778", "1", "27500"), tp("010714", "1", "22000")}));
    EXPECT_EQ(result.added, 1);
    EXPECT_EQ(test::transponderNames(f.db, 1), (std::vector<std::string>{"B1", ""}));
    EXPECT_EQ(test::transponderNames(f.db, 0), (std::vector<std::string>{"A1", "A2"}));
}

TEST(SatcodxImport, NameAndPositionComeFromTheLastAcceptedLine)
{
    Fixture f;
    SdxFields first = tp("011000", "0", "27500");
    first.name = "First";
    first.degree = "0192";
    SdxFields nameOnly = tp("000000", "0", "27500");
    nameOnly.name = "Renamed    ";
    nameOnly.degree = "0235"; // a line without a frequency sets no position
    SdxFields oldVersion = tp("011100", "0", "27500");
    oldVersion.version = "02";
    oldVersion.name = "Old";
    const auto result = f.import(sdxFile({first, nameOnly, oldVersion}));
    EXPECT_EQ(result.added, 1);
    EXPECT_EQ(f.db.networks[1].name, "Renamed");
    EXPECT_EQ(f.db.networks[1].degree, 192);
}

TEST(SatcodxImport, FileWithoutSatcodxLinesChangesNothing)
{
    Fixture f;
    const ChannelDatabase before = f.db;
    const auto result = f.import("Some header\nSATCODX02 old line\n\n");
    EXPECT_EQ(result.status, StatusOk);
    EXPECT_EQ(result.added, 0);
    EXPECT_EQ(f.db.networks[1].name, "Net 1");
    EXPECT_EQ(f.db.transponders.size(), before.transponders.size());
    EXPECT_EQ(f.progress.text, "Waiting for import SATCODE file");
    EXPECT_EQ(f.progress.range, 3);
    EXPECT_EQ(f.progress.steps, 3);
}

TEST(SatcodxImport, LongLinesContinueAsTheNextRead)
{
    Fixture f;
    // 128 characters of another record, then a SATCODX record on the same line.
    const std::string longLine = std::string(128, 'x') + sdxLine(tp("011500", "1", "22000"));
    const std::string text = longLine + "\n" + sdxLine(tp("011600", "0", "22000"));
    const auto result = f.import(text);
    EXPECT_EQ(result.added, 2);
    EXPECT_EQ(f.progress.range, 2); // whole lines
    EXPECT_EQ(f.progress.steps, 3); // reads

    // A record longer than one read keeps its fields, which all lie in the first read; the rest of
    // the line is a read of its own.
    Fixture g;
    SdxFields wide = tp("011700", "1", "27500");
    wide.length = 300;
    EXPECT_EQ(g.import(sdxLine(wide) + "\r\n").added, 1);
    EXPECT_EQ(g.progress.steps, 3);
}

TEST(SatcodxImport, EmptyNetworkGetsItsTranspondersAtTheEndOfTheList)
{
    Fixture f;
    const auto result =
        importSatcodx(f.db, f.db.networks[5], sdxFile({tp("011000", "1", "27500")}, "\n"), f.progress);
    EXPECT_EQ(result.added, 1);
    ASSERT_EQ(f.db.transponders.size(), 5u);
    EXPECT_EQ(f.db.transponders[4].netIndex, 5);
    EXPECT_EQ(f.db.networks[5].name, "Astra 19.2E");
    test::expectReferencesIntact(f.db);
}

TEST(SatcodxImport, NetworkOutsideTheDatabaseIsRefused)
{
    Fixture f;
    NetInfo stray;
    const auto result = importSatcodx(f.db, stray, sdxFile({tp("011000", "1", "27500")}), f.progress);
    EXPECT_EQ(result.status, StatusBadFormat);
    EXPECT_EQ(f.db.transponders.size(), 4u);
    EXPECT_TRUE(stray.name.empty());
}

TEST(SatcodxImport, AdditionsNextToAStoredTransponderOfTheirClassNameIt)
{
    // Slot 1 holds 11778 H at position 2; slot 2 holds 12000 V.
    const struct {
        const char* frequency;
        const char* polarisation;
        uint16_t nearPosition;
    } cases[] = {
        {"011779", "1", 2},           {"011780", "3", 2}, // L is of H's class
        {"011776", "1", 2},           {"011781", "1", NO_POSITION},
        {"011778", "0", NO_POSITION}, {"012000", "0", NO_POSITION}, // another network's
    };
    for (const auto& c : cases) {
        Fixture f;
        const SatcodxPlan plan =
            planSatcodxImport(f.db, 1, sdxFile({tp(c.frequency, c.polarisation, "27500")}), f.progress);
        ASSERT_EQ(plan.changes[0].kind, ChangeKind::Add) << c.frequency;
        const NearTransponder& near = plan.changes[0].possibleDuplicate;
        EXPECT_EQ(near.position, c.nearPosition) << c.frequency << " " << c.polarisation;
        if (c.nearPosition != NO_POSITION) {
            EXPECT_EQ(near.frequency, 11778);
            EXPECT_EQ(near.polarity, 1);
        }
        EXPECT_TRUE(plan.changes.defaultSelection()[0]); // offered ticked all the same
    }
}
