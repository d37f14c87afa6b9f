#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include "db/tables.h"
#include "panels/transponderpage.h"
#include "platform/nameencoding.h"
#include "widgetdriver.h"

using namespace kvx;
using namespace kvx::test;

namespace {

constexpr uint8_t fecBits(int code)
{
    return static_cast<uint8_t>(code << 4);
}

class TransponderPageTest : public testing::Test {
protected:
    TransponderPageTest()
    {
        tp = TpInfo::create(1, 11475, 1 /* H */);
        tp.name = "TP 7";
        tp.symbolRate = 27500;
    }

    const TpInfo& read()
    {
        page.ReadTransponderPage();
        return page.workTp();
    }

    NameEncoding encoding{"WINDOWS-1252"};
    TransponderPage page{encoding};
    TpInfo tp;
};

TEST_F(TransponderPageTest, OffersTheTransmissionAndFecLists)
{
    page.ShowTransponder(tp);
    EXPECT_EQ(choices(&page, "transmission"), QStringList({"DVB-S", "DVB-S2  8PSK", "DVB-S2  QPSK"}));
    EXPECT_EQ(choices(&page, "polarity"), QStringList({"Vert", "Horz", "Circular Right", "Circular Left"}));
    EXPECT_EQ(choices(&page, "bandwidth"), QStringList({"8 MHz", "7 MHz", "6 MHz", "5 MHz"}));
    EXPECT_EQ(choices(&page, "fec"), QStringList({"AUTO", "1/2", "2/3", "3/4", "5/6", "7/8"}));
    EXPECT_EQ(control<QLabel>(&page, "symbolRateLabel")->text(), " Symbol Rate");
}

TEST_F(TransponderPageTest, ShowsASatelliteTransponder)
{
    tp.tpFlags = 1 | fecBits(3);
    tp.freqDrift = 4;
    page.ShowTransponder(tp);
    EXPECT_EQ(text(&page, "name"), "TP 7");
    EXPECT_EQ(text(&page, "frequency"), "11475");
    EXPECT_EQ(text(&page, "symbolRate"), "27500");
    EXPECT_EQ(text(&page, "polarity"), "Horz");
    EXPECT_EQ(text(&page, "transmission"), "DVB-S");
    EXPECT_EQ(text(&page, "fec"), "3/4");
    EXPECT_FALSE(enabled(&page, "pilot"));
    EXPECT_EQ(text(&page, "freqDrift"), "4");
    EXPECT_EQ(text(&page, "gmtError"), ""); // none set
    EXPECT_FALSE(page.terrestrialMode());
}

TEST_F(TransponderPageTest, FecCarriesOverBetweenDvbS2AndDvbS)
{
    tp.tpFlags = 1 | TP_DVBS2 | TP_8PSK | fecBits(3); // 8PSK 3/4
    page.ShowTransponder(tp);
    EXPECT_EQ(text(&page, "transmission"), "DVB-S2  8PSK");
    EXPECT_EQ(control<QComboBox>(&page, "fec")->currentIndex(), 2);
    EXPECT_EQ(text(&page, "fec"), "3/4");
    EXPECT_TRUE(enabled(&page, "pilot"));

    pick(&page, "transmission", "DVB-S");
    EXPECT_EQ(choices(&page, "fec").first(), "AUTO");
    EXPECT_EQ(text(&page, "fec"), "3/4");
    EXPECT_EQ(control<QComboBox>(&page, "fec")->currentIndex(), 3);
    EXPECT_EQ(read().tpFlags, 1 | fecBits(3));

    pick(&page, "transmission", "DVB-S2  QPSK");
    EXPECT_EQ(choices(&page, "fec").size(), 9);
    EXPECT_EQ(text(&page, "fec"), "3/4");
    EXPECT_EQ(read().tpFlags, 1 | TP_DVBS2 | fecBits(3));

    // A code DVB-S lacks falls back to AUTO, and AUTO to 1/2 on the way back.
    pick(&page, "fec", "9/10");
    pick(&page, "transmission", "DVB-S");
    EXPECT_EQ(text(&page, "fec"), "AUTO");
    pick(&page, "transmission", "DVB-S2  8PSK");
    EXPECT_EQ(text(&page, "fec"), "1/2");
}

TEST_F(TransponderPageTest, DvbS2AutoShowsTwoThirdsAndIsKeptUntilAnotherIsChosen)
{
    tp.tpFlags = TP_DVBS2 | fecBits(0);
    page.ShowTransponder(tp);
    EXPECT_EQ(text(&page, "fec"), "2/3");
    EXPECT_EQ(read().fec(), 0);
    pick(&page, "fec", "3/4");
    EXPECT_EQ(read().fec(), 3);
}

TEST_F(TransponderPageTest, FecWithoutAPlaceInTheListIsKept)
{
    tp.tpFlags = fecBits(8); // 4/5 is no DVB-S code
    page.ShowTransponder(tp);
    EXPECT_EQ(control<QComboBox>(&page, "fec")->currentIndex(), -1);
    EXPECT_EQ(read().fec(), 8);
    type(&page, "fec", "7/9"); // matches no entry
    EXPECT_EQ(read().fec(), 8);
    type(&page, "fec", "auto"); // shown in upper case, so it names AUTO
    EXPECT_EQ(text(&page, "fec"), "AUTO");
    EXPECT_EQ(read().fec(), 0);
}

TEST_F(TransponderPageTest, PilotKeepsItsStateWhenDisabled)
{
    tp.tpFlags = TP_DVBS2 | TP_8PSK | fecBits(2);
    tp.tpExtra[3] = 0x1234;
    page.ShowTransponder(tp);
    EXPECT_FALSE(checked(&page, "pilot"));
    click(&page, "pilot");
    pick(&page, "transmission", "DVB-S");
    EXPECT_FALSE(enabled(&page, "pilot"));
    EXPECT_TRUE(checked(&page, "pilot"));
    EXPECT_EQ(read().tpExtra[3], 0x1334); // only the pilot bit changes
}

TEST_F(TransponderPageTest, DriftAndGmtErrorRules)
{
    page.ShowTransponder(tp);
    type(&page, "freqDrift", "0x10");
    EXPECT_EQ(read().freqDrift, 16);
    type(&page, "freqDrift", "300"); // the last digit would not fit 8 bits
    EXPECT_EQ(read().freqDrift, 30);
    type(&page, "gmtError", "0");
    EXPECT_EQ(read().gmtError, 0);
    type(&page, "gmtError", "-60");
    EXPECT_EQ(read().gmtError, -60);
    type(&page, "gmtError", "12a"); // letters are not accepted by the field
    EXPECT_EQ(text(&page, "gmtError"), "12");
    type(&page, "gmtError", "");
    EXPECT_EQ(read().gmtError, NO_GMT_ERROR);
    page.ShowTransponder(read());
    EXPECT_EQ(text(&page, "gmtError"), "");
}

TEST_F(TransponderPageTest, EditsReachTheWorkingCopy)
{
    page.ShowTransponder(tp);
    type(&page, "name", "Mux 1");
    type(&page, "frequency", "70000"); // the last digit would not fit 16 bits
    type(&page, "symbolRate", "x");
    pick(&page, "polarity", "Circular Left");
    const TpInfo& edited = read();
    EXPECT_EQ(edited.name, "Mux 1");
    EXPECT_EQ(edited.frequency, 7000);
    EXPECT_EQ(edited.symbolRate, 0);
    EXPECT_EQ(edited.polarity(), 3);
}

TEST_F(TransponderPageTest, TerrestrialModeShowsBandwidthAndTheTwoCharacterName)
{
    TpInfo dvbt = TpInfo::create(TERRESTRIAL_SLOT, 474, 0x35);
    dvbt.symbolRate = 1;
    dvbt.tpExtra[3] = ('2' << 8) | '1';
    dvbt.name = "stored";
    page.ShowTransponder(dvbt);
    EXPECT_TRUE(page.terrestrialMode());
    EXPECT_EQ(control<QLabel>(&page, "symbolRateLabel")->text(), " Bandwidth");
    EXPECT_TRUE(control<QWidget>(&page, "symbolRate")->isHidden());
    EXPECT_FALSE(control<QWidget>(&page, "bandwidth")->isHidden());
    EXPECT_EQ(text(&page, "bandwidth"), "7 MHz");
    EXPECT_EQ(text(&page, "name"), "21");
    for (const char* name : {"name", "polarity", "polarityLabel", "transmission", "fec", "fecLabel", "pilot"})
        EXPECT_FALSE(enabled(&page, name)) << name;
    EXPECT_EQ(control<QComboBox>(&page, "polarity")->currentIndex(), -1);
    EXPECT_TRUE(enabled(&page, "frequency"));

    pick(&page, "bandwidth", "5 MHz");
    const TpInfo& edited = read();
    EXPECT_EQ(edited.symbolRate, 3);
    EXPECT_EQ(edited.name, "stored");
    EXPECT_EQ(edited.tpFlags, 0x35);

    page.ShowTransponder(tp); // back to satellite mode
    EXPECT_FALSE(page.terrestrialMode());
    EXPECT_TRUE(enabled(&page, "polarity"));
    EXPECT_EQ(control<QLabel>(&page, "symbolRateLabel")->text(), " Symbol Rate");
    EXPECT_TRUE(control<QWidget>(&page, "bandwidth")->isHidden());
}

TEST_F(TransponderPageTest, UntouchedPageKeepsTheRecord)
{
    tp.tpFlags = 2 | TP_DVBS2 | fecBits(9);
    tp.tpExtra = {1, 2, 3, 0x100};
    tp.gmtError = -120;
    tp.freqDrift = 200;
    page.ShowTransponder(tp);
    EXPECT_FALSE(read().differs(tp));
}

} // namespace
