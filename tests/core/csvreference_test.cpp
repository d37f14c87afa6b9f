#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/referenceplan.h"
#include "export/csvrecords.h"
#include "export/referencelist.h"
#include "platform/nameencoding.h"
#include "support/sampledatabase.h"

using namespace kvx;

namespace {

const std::string kHeader =
    "Number,Type,Name,Network,Frequency,Polarity,Symbol rate,Service ID,Favourite groups\r\n";

// Astra (19.2E) in slot 0 and Hotbird (13.0E) in slot 1, each with 11303 H holding "Alpha" (service
// 1) and "Beta" (service 2): Astra's first, then Hotbird's.
ChannelDatabase twoSatellites()
{
    ChannelDatabase db = test::makeEmptyModel(1, FLAG_PROG_CA);
    db.networks[0].name = "Astra";
    db.networks[0].degree = 192;
    db.networks[1].name = "Hotbird";
    db.networks[1].degree = 130;
    for (uint8_t slot : {0, 1}) {
        db.transponders.append(TpInfo::create(slot, 11303, 1));
        for (uint16_t sid : {1, 2}) {
            ProgInfo prog = ProgInfo::create(slot, sid);
            prog.name = std::string(sid == 1 ? "Alpha " : "Beta ") + db.networks[slot].name;
            db.programs.append(std::move(prog));
        }
    }
    return db;
}

std::vector<std::string> names(const ChannelDatabase& db)
{
    std::vector<std::string> out;
    for (const ProgInfo& prog : db.programs)
        out.push_back(prog.name);
    return out;
}

// Reads the CSV against `db`, applies it with the options and returns the result.
ChannelDatabase applied(ChannelDatabase db, const std::string& csv, bool copyMissing = false)
{
    ReferenceList list;
    EXPECT_EQ(readCsvReference(csv, db, NameEncoding(), list), StatusOk);
    const ReferencePlan plan = planReference(db, list.database, list.anyNetwork);
    ReferenceSelection selection = plan.defaultSelection();
    selection.copyMissing = copyMissing;
    EXPECT_EQ(applyReferencePlan(db, plan, selection), StatusOk);
    return db;
}

} // namespace

TEST(CsvRecords, SplitsQuotedFieldsAndCountsLines)
{
    const std::vector<CsvRecord> records =
        splitCsv("\xEF\xBB\xBF"
                 "a,\"b,c\"\r\n\r\n\"say \"\"hi\"\"\",\"two\nlines\"\nlast",
                 ',');
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].fields, (std::vector<std::string>{"a", "b,c"}));
    EXPECT_EQ(records[1].line, 3);
    EXPECT_EQ(records[1].fields, (std::vector<std::string>{"say \"hi\"", "two\nlines"}));
    EXPECT_EQ(records[2].line, 5);
    EXPECT_EQ(csvSeparatorOf("Number;Type;Name\n1,2"), ';');
    EXPECT_EQ(csvSeparatorOf("Number,Type;x"), ',');
}

TEST(CsvReference, RowsThatCannotBeReadAreToldByLineAndLeftOut)
{
    const ChannelDatabase db = twoSatellites();
    struct Case {
        const char* row;
        const char* reason; // empty: the row is read
    };
    const std::vector<Case> cases = {
        {"1,TV,Alpha,Astra,11303,H,27500,1,", ""},
        {"2,TV,Alpha,Astra,fast,H,27500,1,", "the frequency \"fast\" is not a number from 1 to 65535"},
        {"3,Data,Alpha,Astra,11303,H,27500,1,", "the type \"Data\" is neither TV nor Radio"},
        {"4,TV,Alpha,Astra,11303,X,27500,1,", "the polarity \"X\" is not V, H, R or L"},
        {"5,TV,Alpha,Astra,11303,H,27500,70000,", "the service ID \"70000\" is not a number from 0 to 65535"},
        {"six,TV,Alpha,Astra,11303,H,27500,1,", "the number \"six\" is not a number from 0 to 2147483647"},
    };
    std::string csv = kHeader;
    for (const Case& c : cases)
        csv += std::string(c.row) + "\r\n";
    ReferenceList list;
    ASSERT_EQ(readCsvReference(csv, db, NameEncoding(), list), StatusOk);
    EXPECT_EQ(list.database.programs.size(), 1u);
    std::size_t told = 0;
    for (std::size_t k = 0; k < cases.size(); ++k) {
        if (*cases[k].reason == '\0')
            continue;
        ASSERT_LT(told, list.problems.size());
        EXPECT_EQ(list.problems[told].line, static_cast<int>(k) + 2);
        EXPECT_EQ(list.problems[told++].reason, cases[k].reason);
    }
    EXPECT_EQ(told, list.problems.size());

    // Nothing readable, or no header with the needed columns, is no reference at all.
    EXPECT_EQ(readCsvReference(kHeader + cases[1].row, db, NameEncoding(), list), StatusBadFormat);
    EXPECT_EQ(list.problems.size(), 1u);
    EXPECT_EQ(readCsvReference("Name,Frequency\nAlpha,11303\n", db, NameEncoding(), list), StatusBadFormat);
    EXPECT_EQ(readCsvReference("", db, NameEncoding(), list), StatusBadFormat);
}

// The Number column gives the order; a row whose Network column names no network here (or is empty)
// pairs in any network by frequency, class and service ID, or by a name unique in the whole database.
TEST(CsvReference, OrderComesFromNumbersAndUnnamedNetworksPairAnywhere)
{
    const std::string csv = kHeader + "4,TV,Alpha Astra,Astra,11303,H,27500,1,\r\n"
                                      "1,TV,Beta Hotbird,,11304,H,27500,2,\r\n"
                                      "3,TV,whatever,Nowhere,11302,L,27500,2,\r\n"
                                      "2,TV,  alpha hotbird ,,12000,V,27500,99,\r\n";
    EXPECT_EQ(names(applied(twoSatellites(), csv)),
              (std::vector<std::string>{"Beta Hotbird", "Alpha Hotbird", "Alpha Astra", "Beta Astra"}));
}

// Copying adds the reference's unmatched programs at the end: onto a transponder within 2 MHz of the
// same class, else onto a new one at the end of the network's transponders; their groups come along.
TEST(CsvReference, CopyMissingAddsProgramsAndTransponders)
{
    const std::string csv = kHeader + "1,TV,Gamma,Astra,11305,L,27500,3,News\r\n"
                                      "2,TV,Delta,Astra,12500,V,22000,4,News\r\n"
                                      "3,Radio,Echo,Astra,12500,V,22000,5,\r\n"
                                      "4,TV,Alpha Astra,Astra,11303,H,27500,1,News\r\n";
    const ChannelDatabase before = twoSatellites();
    const ChannelDatabase db = applied(before, csv, true);
    EXPECT_EQ(names(db), (std::vector<std::string>{"Alpha Astra", "Beta Astra", "Alpha Hotbird",
                                                   "Beta Hotbird", "Gamma", "Delta", "Echo"}));
    ASSERT_EQ(db.transponders.size(), 3u);
    EXPECT_EQ(db.transponders[1].frequency, 12500); // Astra's run ends before Hotbird's
    EXPECT_EQ(db.transponders[1].symbolRate, 22000);
    EXPECT_EQ(db.programs[4].tpIndex, 0);
    EXPECT_EQ(db.programs[5].tpIndex, 1);
    EXPECT_TRUE(db.programs[6].isRadio());
    EXPECT_EQ(db.programs[2].tpIndex, 2); // Hotbird's programs follow their transponder
    EXPECT_EQ(db.favourites[0].tvList, (CChList{4, 5, 0}));

    // Without the option the same reference adds nothing.
    EXPECT_EQ(applied(before, csv).programs.size(), before.programs.size());
}

// Group names the database has keep their group; others take the groups no name of the list names.
TEST(CsvReference, FavouriteGroupsFollowTheirNames)
{
    ChannelDatabase db = twoSatellites();
    const std::string csv = kHeader + "1,TV,Alpha Astra,Astra,11303,H,27500,1,Sport/Movies\r\n"
                                      "2,TV,Beta Astra,Astra,11303,H,27500,2,News/Sport\r\n";
    db = applied(db, csv);
    const std::vector<std::pair<std::string, CChList>> groups = {
        {"News", {1}}, {"Movies", {0}}, {"Sport", {0, 1}}, {"Hobby", {}}};
    for (std::size_t g = 0; g < groups.size(); ++g) {
        EXPECT_EQ(db.favourites[g].name, groups[g].first);
        EXPECT_EQ(db.favourites[g].tvList, groups[g].second) << groups[g].first;
    }
}
