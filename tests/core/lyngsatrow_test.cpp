#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "import/cellwindow.h"
#include "import/lyngsatrow.h"
#include "import/pagerewrite.h"
#include "support/importfixtures.h"

using namespace kvx;
using test::dvbs2Row;
using test::dvbsRow;
using test::lyngSatPage;
using test::PageRowCells;

namespace {

// Every row the page yields, read cell by cell as the update reads it.
std::vector<LyngSatRow> rowsOf(const std::string& page, const LyngSatOptions& options = {})
{
    std::istringstream cells(rewritePageIntoCells(page));
    CellWindow window;
    std::vector<LyngSatRow> rows;
    std::string cell;
    while (std::getline(cells, cell)) {
        window.push(cell);
        if (auto row = parseLyngSatRow(window, options))
            rows.push_back(*row);
    }
    return rows;
}

std::vector<LyngSatRow> rowsOf(const std::vector<PageRowCells>& rows, const LyngSatOptions& options = {})
{
    return rowsOf(lyngSatPage(rows), options);
}

LyngSatOptions withDvbS2()
{
    LyngSatOptions options;
    options.includeDvbS2 = true;
    return options;
}

} // namespace

TEST(CellWindow, KeepsTheLastSixCellsWithoutBlanks)
{
    CellWindow window;
    window.push("<font size=2>\tDVB </font>");
    EXPECT_EQ(window.cell(0), "<fontsize=2>DVB</font>");
    EXPECT_EQ(window.cell(5), "");
    for (int i = 1; i <= 6; ++i)
        window.push(std::to_string(i));
    for (int age = 0; age < CellWindow::kSize; ++age)
        EXPECT_EQ(window.cell(age), std::to_string(6 - age));
}

TEST(LyngSatRowParser, ReadsAPlainDvbsRow)
{
    const auto rows = rowsOf({dvbsRow("11494 H", "27500-3/4")});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].frequency, 11494);
    EXPECT_TRUE(rows[0].horizontal);
    EXPECT_EQ(rows[0].symbolRate, 27500);
    EXPECT_FALSE(rows[0].dvbS2);
    EXPECT_EQ(rows[0].fec, 0); // FEC is read for DVB-S2 rows only
}

TEST(LyngSatRowParser, PolarityMarkers)
{
    const auto rows = rowsOf(
        {dvbsRow("11000 H"), dvbsRow("11100 L"), dvbsRow("11200 V"), dvbsRow("11300 R"), dvbsRow("11400 X")});
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_TRUE(rows[0].horizontal);
    EXPECT_TRUE(rows[1].horizontal); // circular left counts as horizontal
    EXPECT_FALSE(rows[2].horizontal);
    EXPECT_FALSE(rows[3].horizontal); // circular right as vertical
    EXPECT_EQ(rows[3].frequency, 11300);
}

TEST(LyngSatRowParser, FrequencyFormsOfTheFrequencyCell)
{
    PageRowCells ifc = dvbsRow("x");
    ifc.frequency = "<td><b><script>ifc(11720);</script>V</b></td>";
    PageRowCells ifk2 = dvbsRow("x");
    ifk2.frequency = "<td><a onclick=\"ifk2(12188);return false\">12188 ch</a><b>V</b></td>";
    PageRowCells ifk1 = dvbsRow("x");
    ifk1.frequency = "<td><a onclick=\"ifk1(10773);\">tp</a>H</td>";
    // The marker found first in marker order decides, not the one standing first.
    PageRowCells order = dvbsRow("x");
    order.frequency = "<td><i>V</i><b>11900 H</b></td>";
    // Text after "<br>tp" is cut away before the markers are looked for.
    PageRowCells tpSuffix = dvbsRow("x");
    tpSuffix.frequency = "<td><b>12603 V</b><br>tp 118 H</td>";
    const auto rows = rowsOf({ifc, ifk2, ifk1, order, tpSuffix});
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].frequency, 11720);
    EXPECT_FALSE(rows[0].horizontal);
    EXPECT_EQ(rows[1].frequency, 12188);
    EXPECT_EQ(rows[2].frequency, 10773);
    EXPECT_TRUE(rows[2].horizontal);
    EXPECT_EQ(rows[3].frequency, 11900);
    EXPECT_TRUE(rows[3].horizontal);
    EXPECT_EQ(rows[4].frequency, 12603);
    EXPECT_FALSE(rows[4].horizontal);
}

TEST(LyngSatRowParser, CallWithoutClosingOrInBadOrderGivesNoFrequency)
{
    PageRowCells unclosed = dvbsRow("x");
    unclosed.frequency = "<td>ifc(11720<b>V</b></td>";
    PageRowCells closedBefore = dvbsRow("x");
    closedBefore.frequency = "<td>f();ifc(11720)<b>V</b></td>";
    PageRowCells noQuote = dvbsRow("x");
    noQuote.frequency = "<td>ifk2(11720);<b>10800 V</b></td>"; // without the quote the call is no form
    const auto rows = rowsOf({unclosed, closedBefore, noQuote});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].frequency, 10800);
}

TEST(LyngSatRowParser, SystemCellAndDvbS2Option)
{
    PageRowCells digicipher = dvbsRow("11000 H");
    digicipher.system = "<td><font size=2>Digicipher 2</font></td>";
    PageRowCells other = dvbsRow("11100 H");
    other.system = "<td><font size=2>ISDB</font></td>";
    const auto s2Row = dvbs2Row("11200 V", "8PSK", "30000-3/4");
    EXPECT_EQ(rowsOf({digicipher, other, s2Row}).size(), 1u); // DVB-S2 rows are skipped by default

    const auto rows = rowsOf({digicipher, other, s2Row}, withDvbS2());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_FALSE(rows[0].dvbS2);
    EXPECT_TRUE(rows[1].dvbS2);
    EXPECT_FALSE(rows[1].qpsk);
    EXPECT_EQ(rows[1].fec, 3);
}

// Rows of the current page layout (since 2019), with or without the DVB-S2 option.
TEST(LyngSatRowParser, RowOfTheCurrentLayout)
{
    PageRowCells row;
    row.frequency = "<td bgcolor=\"#ffffbb\"><font face=\"Verdana\"><font size=2><b><a href=\"tp.html\" "
                    "style=\"color:blue\">10744&nbsp;H</a></b><br><font size=1>tp 51</font><br></td>";
    row.system = "<td bgcolor=\"#ffffbb\"><font face=\"Verdana\"><font size=2>DVB-S</font></td>";
    row.rate = "<td bgcolor=\"#ffffbb\" colspan=2><font face=\"Verdana\" size=1>22000-5/6<br></td>";
    for (const LyngSatOptions& options : {LyngSatOptions{}, withDvbS2()}) {
        const auto rows = rowsOf({row}, options);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].frequency, 10744);
        EXPECT_TRUE(rows[0].horizontal);
        EXPECT_FALSE(rows[0].dvbS2);
        EXPECT_EQ(rows[0].symbolRate, 22000);
    }
}

TEST(LyngSatRowParser, Dvbs2QpskRowWithFec35)
{
    PageRowCells row = dvbs2Row("12000 V", "QPSK", "29900-3/5");
    const auto rows = rowsOf({row}, withDvbS2());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_TRUE(rows[0].dvbS2);
    EXPECT_TRUE(rows[0].qpsk);
    EXPECT_EQ(rows[0].fec, 7);
    EXPECT_EQ(rows[0].symbolRate, 29900);

    // A cell with only the modulation line marks DVB-S2 as well.
    row.system = "<td><font size=1>8PSK</font></td>";
    ASSERT_EQ(rowsOf({row}, withDvbS2()).size(), 1u);
}

TEST(LyngSatRowParser, EveryFecSuffixInItsOrder)
{
    const std::vector<std::pair<std::string, int>> suffixes = {{"-1/2", 1}, {"-2/3", 2}, {"-3/4", 3},
                                                               {"-5/6", 4}, {"-7/8", 5}, {"-8/9", 6},
                                                               {"-3/5", 7}, {"-4/5", 8}, {"-9/10", 9}};
    for (const auto& [suffix, fec] : suffixes) {
        const auto rows = rowsOf({dvbs2Row("11000 H", "8PSK", "22000" + suffix)}, withDvbS2());
        ASSERT_EQ(rows.size(), 1u) << suffix;
        EXPECT_EQ(rows[0].fec, fec) << suffix;
    }
    // The table order wins over the order in the cell.
    auto rows = rowsOf({dvbs2Row("11000 H", "8PSK", "22000-9/10 or -2/3")}, withDvbS2());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].fec, 2);
    // A DVB-S2 row without a known suffix is dropped; a DVB-S row needs none.
    EXPECT_TRUE(rowsOf({dvbs2Row("11000 H", "8PSK", "22000-1/3")}, withDvbS2()).empty());
    EXPECT_EQ(rowsOf({dvbsRow("11000 H", "22000")}).size(), 1u);
}

TEST(LyngSatRowParser, HdAndFeedFilters)
{
    PageRowCells hd = dvbsRow("11000 H");
    hd.system = "<td><font size=2>DVB</font><br><font size=1>HD</font></td>";
    PageRowCells grey = dvbsRow("11100 H");
    grey.colour = "<td bgcolor = \"#d0d0d0\">Feed</td>";
    PageRowCells greyText = dvbsRow("11200 H");
    greyText.colour = "<td><font color=\"gray\">Feed</font></td>";
    EXPECT_TRUE(rowsOf({hd, grey, greyText}).empty());

    LyngSatOptions options;
    options.includeHd = true;
    EXPECT_EQ(rowsOf({hd, grey, greyText}, options).size(), 1u);
    options.includeFeeds = true;
    EXPECT_EQ(rowsOf({hd, grey, greyText}, options).size(), 3u);
}

TEST(LyngSatRowParser, BandLimitsAreInclusive)
{
    const std::vector<PageRowCells> page = {dvbsRow("2999 H"),  dvbsRow("3000 H"),  dvbsRow("6100 V"),
                                            dvbsRow("6101 V"),  dvbsRow("10699 H"), dvbsRow("10700 H"),
                                            dvbsRow("12900 V"), dvbsRow("12901 V")};
    auto rows = rowsOf(page);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].frequency, 10700);
    EXPECT_EQ(rows[1].frequency, 12900);

    LyngSatOptions cBand;
    cBand.band = LyngSatBand::C;
    rows = rowsOf(page, cBand);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].frequency, 3000);
    EXPECT_EQ(rows[1].frequency, 6100);
}

TEST(LyngSatRowParser, SymbolRateMarkers)
{
    PageRowCells noFont = dvbsRow("11000 H");
    noFont.rate = "<td>27500-3/4</td>";
    PageRowCells otherSize = dvbsRow("11100 H");
    otherSize.rate = "<td><font size=2>27500-3/4</font></td>";
    PageRowCells sizeBeforeFont = dvbsRow("11200 H");
    sizeBeforeFont.rate = "<td size=1><font>27500</font></td>";
    PageRowCells tooLarge = dvbsRow("11300 H", "99999");
    PageRowCells shortRate = dvbsRow("11400 H", "2200-5/6 extra 99");
    const auto rows = rowsOf({noFont, otherSize, sizeBeforeFont, tooLarge, shortRate});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].frequency, 11400);
    EXPECT_EQ(rows[0].symbolRate, 2200);
}

TEST(LyngSatRowParser, OtherLayoutsYieldNoRows)
{
    EXPECT_TRUE(rowsOf("").empty());
    EXPECT_TRUE(rowsOf("<html><body><h1>404 Not Found</h1></body></html>").empty());
    EXPECT_TRUE(rowsOf("<table><tr><td>11494 H</td><td>DVB</td><td>27500</td></tr></table>").empty());
}
