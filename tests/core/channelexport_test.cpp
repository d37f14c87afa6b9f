#include <gtest/gtest.h>

#include <algorithm>

#include "db/channellistwork.h"
#include "export/channelexport.h"
#include "export/channelorder.h"
#include "platform/nameencoding.h"
#include "support/sampledatabase.h"

using namespace kvx;

namespace {

using Row = std::vector<std::string>;

ChannelDatabase exportSample()
{
    ChannelDatabase db = test::makeVariedDatabase(2, FLAG_PROG_CA);
    db.programs[1].name = "\xCF\xE5\xF0\xE2\xFB\xE9"; // "Первый" in Windows-1251
    db.networks[1].name = "Hot, \"bird\"";
    db.favourites[2].name.clear();
    return db;
}

TEST(ChannelExport, OrderIsTheChannelListsTvThenRadioTab)
{
    ChannelDatabase db = exportSample();
    std::vector<uint16_t> shown;
    ChannelListWork work(db);
    for (const int tab : {0, 1}) {
        work.selectTab(tab);
        for (const ChannelRow& row : work.rows())
            shown.push_back(row.programIndex);
    }
    std::vector<uint16_t> exported;
    for (const ChannelListEntry& entry : channelListOrder(db))
        exported.push_back(entry.programIndex);
    EXPECT_EQ(exported, shown);
}

TEST(ChannelExport, RowsCarryEveryColumnDecoded)
{
    const ChannelDatabase db = exportSample();
    const auto rows = exportRows(db, NameEncoding("WINDOWS-1251"));
    ASSERT_EQ(rows.size(), 12u);
    ASSERT_EQ(exportColumns().size(), rows[0].size());
    const struct {
        std::size_t row;
        Row expected;
    } cases[] = {
        {0,
         {"1", "TV", "Prog 0", "Astra 1", "11000", "V", "27500", "100", "256", "512", "513", "768 769",
          "1024", "No", "News"}},
        // Name bytes in the chosen code page; the group without a name is called by its number.
        {1,
         {"2", "TV", "Первый", "Astra 1", "11037", "H", "27500", "101", "257", "513", "514", "769", "", "Yes",
          "News"}},
        // The code-page marker decodes the name as ISO 8859-5 whatever the chosen code page.
        {2,
         {"3", "TV", "Первый", "Astra 1", "11074", "R", "27500", "102", "258", "514", "515", "770", "", "No",
          "News"}},
        // A terrestrial channel has no polarity or symbol rate.
        {3,
         {"4", "TV", "Prog 4", "Terrestrial", "474", "", "", "104", "260", "516", "517", "772", "1028", "No",
          ""}},
        {4,
         {"5", "TV", "Prog 5", "Astra 1", "11000", "V", "27500", "105", "261", "517", "518", "773", "", "Yes",
          "Fav3"}},
        {9,
         {"1", "Radio", "Prog 3", "Hot, \"bird\"", "11111", "L", "27500", "103", "259", "515", "", "771 772",
          "", "Yes", "News"}},
        {11,
         {"3", "Radio", "Prog 11", "Astra 1", "11037", "H", "27500", "111", "267", "523", "", "779", "",
          "Yes", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rows[c.row], c.expected) << "row " << c.row;
}

TEST(ChannelExport, CsvAndHtmlQuoteWhatTheirSyntaxNeeds)
{
    const ChannelDatabase db = exportSample();
    const NameEncoding encoding("WINDOWS-1251");
    const std::string csv = exportChannelList(db, encoding, ExportFormat::Csv, "db.kvx");
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
              "Number,Type,Name,Network,Frequency,Polarity,Symbol rate,Service ID,PMT PID,PCR PID,Video PIDs,"
              "Audio PIDs,Teletext PIDs,Scrambled,Favourite groups");
    EXPECT_NE(
        csv.find("\r\n1,Radio,Prog 3,\"Hot, \"\"bird\"\"\",11111,L,27500,103,259,515,,771 772,,Yes,News\r\n"),
        std::string::npos);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 13);

    const std::string html = exportChannelList(db, encoding, ExportFormat::Html, "a<b>.kvx");
    EXPECT_NE(html.find("<title>a&lt;b&gt;.kvx</title>"), std::string::npos);
    EXPECT_NE(html.find("<td>Hot, &quot;bird&quot;</td>"), std::string::npos);
    EXPECT_NE(html.find("<td>Первый</td>"), std::string::npos);
}

TEST(ChannelExport, AnUnnamedNetworkIsCalledWhatTheTreeCallsIt)
{
    ChannelDatabase db = exportSample();
    db.networks[1].name.clear();
    const NameEncoding encoding("WINDOWS-1251");
    const struct {
        ExportFormat format;
        std::string expected;
    } cases[] = {
        {ExportFormat::Csv, "\r\n1,Radio,Prog 3,(No name),11111,L,"},
        {ExportFormat::Html, "<td>Prog 3</td><td>(No name)</td><td>11111</td>"},
    };
    for (const auto& c : cases) {
        const std::string text = exportChannelList(db, encoding, c.format, "db.kvx");
        EXPECT_NE(text.find(c.expected), std::string::npos) << text;
    }
}

TEST(ChannelExport, FormatNames)
{
    EXPECT_EQ(exportFormatNamed("csv"), ExportFormat::Csv);
    EXPECT_EQ(exportFormatNamed("HTML"), ExportFormat::Html);
    EXPECT_EQ(exportFormatNamed("htm"), ExportFormat::Html);
    EXPECT_EQ(exportFormatNamed("json"), std::nullopt);
}

} // namespace
