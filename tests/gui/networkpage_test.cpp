#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "db/tables.h"
#include "panels/networkpage.h"
#include "platform/nameencoding.h"
#include "widgetdriver.h"

using namespace kvx;
using namespace kvx::test;

namespace {

class NetworkPageTest : public testing::Test {
protected:
    NetworkPageTest()
    {
        net.reset(3);
        net.name = "Astra 1";
        net.degree = 192;
    }

    // Shows the records, lets the test edit the page, and reads it back.
    void show() { page.ShowNetwork(ant, net); }
    const AntInfo& readAnt()
    {
        page.ReadNetworkPage();
        return page.workAnt();
    }
    const NetInfo& readNet()
    {
        page.ReadNetworkPage();
        return page.workNet();
    }

    NameEncoding encoding{"WINDOWS-1252"};
    NetworkPage page{encoding};
    AntInfo ant; // Universal, standard entry 1
    NetInfo net;
};

TEST_F(NetworkPageTest, OffersTheChoicesOfTheAntennaLists)
{
    EXPECT_EQ(choices(&page, "lnbType"), QStringList({"Single", "Universal", "OCS"}));
    EXPECT_EQ(choices(&page, "lnbPower"), QStringList({"OFF", "13V", "18V", "ON (Auto)"}));
    EXPECT_EQ(choices(&page, "diseqcSwitchLevel"), QStringList({"OFF", "1.0", "1.1", "1.0 / 1.1"}));
    EXPECT_EQ(choices(&page, "diseqcPositionerLevel"), QStringList({"OFF", "1.2", "USALS", "BOTH"}));
    EXPECT_EQ(choices(&page, "diseqcSwitch10").size(), 4);
    EXPECT_EQ(choices(&page, "diseqcSwitch11").last(), "16");
    EXPECT_EQ(choices(&page, "lnbFreq"), choices(&page, "lnbFreqH"));
    EXPECT_EQ(choices(&page, "lnbFreq").size(), 12);
    EXPECT_EQ(control<QLabel>(&page, "skewAngleVLabel")->text(), " Skew Angle V");
    EXPECT_EQ(control<QCheckBox>(&page, "skewController")->text(), "Exists");
}

TEST_F(NetworkPageTest, ShowsTheRecordsAndAppliesTheEnablingRules)
{
    ant.diseqc = 0x01 | 0x08 | 0x80; // switch 1.0, positioner USALS, skew controller
    ant.ports = 0x52;                // 1.0 port 3, 1.1 port 6
    ant.power = 0x0B;                // 18V... with 12 V
    net.positionerId = 7;
    net.skewV = 90;
    show();
    EXPECT_EQ(text(&page, "name"), "Astra 1");
    EXPECT_EQ(text(&page, "degree"), "19.2E");
    EXPECT_EQ(text(&page, "lnbType"), "Universal");
    EXPECT_EQ(text(&page, "lnbFreq"), "9750");
    EXPECT_EQ(text(&page, "lnbFreqH"), "10600");
    EXPECT_EQ(text(&page, "lnbPower"), "ON (Auto)");
    EXPECT_TRUE(checked(&page, "switch12v"));
    EXPECT_FALSE(enabled(&page, "switch22k")); // Universal switches 22 kHz itself
    EXPECT_EQ(text(&page, "diseqcSwitch10"), "3");
    EXPECT_TRUE(enabled(&page, "diseqcSwitch10"));
    EXPECT_FALSE(enabled(&page, "diseqcSwitch11"));
    EXPECT_EQ(text(&page, "diseqcPositionerId"), ""); // USALS has no position numbers
    EXPECT_FALSE(enabled(&page, "diseqcPositionerId"));
    EXPECT_EQ(text(&page, "skewAngleV"), "90");
    EXPECT_EQ(text(&page, "skewAngleH"), "33");

    net.degree = 3550;
    show();
    EXPECT_EQ(text(&page, "degree"), "5.0W");
}

TEST_F(NetworkPageTest, UniversalFrequenciesPickTheStandardEntryOrStayCustom)
{
    ant.lnbType = 0x40; // Universal, custom
    ant.lnbFreqLow = 9000;
    ant.lnbFreqHigh = 10000;
    show();
    type(&page, "lnbFreq", "9750");
    type(&page, "lnbFreqH", "10600");
    EXPECT_EQ(readAnt().lnbType, 0x41);
    EXPECT_EQ(page.workAnt().lnbFreqLow, 9000); // custom words untouched
    EXPECT_EQ(page.workAnt().lnbFreqHigh, 10000);

    show();
    type(&page, "lnbFreq", "9750");
    type(&page, "lnbFreqH", "10700");
    EXPECT_EQ(readAnt().lnbType, 0x40);
    EXPECT_EQ(page.workAnt().lnbFreqLow, 9750);
    EXPECT_EQ(page.workAnt().lnbFreqHigh, 10700);
}

TEST_F(NetworkPageTest, SingleFrequenciesPickTheTableEntryOrStayCustom)
{
    ant.lnbType = 0x02; // Single 9750
    show();
    EXPECT_EQ(text(&page, "lnbFreqH"), "");
    EXPECT_FALSE(enabled(&page, "lnbFreqH"));
    type(&page, "lnbFreq", "10600");
    EXPECT_EQ(readAnt().lnbType, 5);
    type(&page, "lnbFreq", "10700");
    EXPECT_EQ(readAnt().lnbType, 0);
    EXPECT_EQ(page.workAnt().lnbFreqLow, 10700);
}

TEST_F(NetworkPageTest, ChangingUniversalToSingleStoresASingleLnb)
{
    show();
    pick(&page, "lnbType", "Single");
    EXPECT_FALSE(enabled(&page, "lnbFreqH"));
    EXPECT_EQ(text(&page, "lnbFreqH"), "10600"); // kept on screen, no longer read
    EXPECT_TRUE(enabled(&page, "switch22k"));
    EXPECT_EQ(readAnt().lnbKind(), 0);
    EXPECT_EQ(page.workAnt().lnbFrequency(0), 9750);

    pick(&page, "lnbType", "OCS");
    EXPECT_EQ(text(&page, "lnbFreqH"), "5700"); // the new kind's entry at the kept index 2
}

TEST_F(NetworkPageTest, DegreesAreParsedTruncatedAndFolded)
{
    show();
    type(&page, "degree", "19.25");
    EXPECT_EQ(readNet().degree, 192);
    type(&page, "degree", "-5");
    EXPECT_EQ(readNet().degree, 3550);
    type(&page, "degree", "none");
    EXPECT_EQ(readNet().degree, 0);
}

TEST_F(NetworkPageTest, SkewAnglesFoldAndFallBackToTheirDefaults)
{
    net.skewV = 10;
    net.skewH = 20;
    show();
    EXPECT_FALSE(enabled(&page, "skewAngleV"));
    EXPECT_EQ(text(&page, "skewAngleV"), "");
    click(&page, "skewController");
    EXPECT_TRUE(enabled(&page, "skewAngleV"));
    EXPECT_EQ(text(&page, "skewAngleV"), "10");
    type(&page, "skewAngleV", "200");
    type(&page, "skewAngleH", "");
    const NetInfo& read = readNet();
    EXPECT_EQ(read.skewV, 20);
    EXPECT_EQ(read.skewH, 33);
    EXPECT_TRUE(page.workAnt().diseqc & 0x80);

    click(&page, "skewController"); // cleared: angles emptied, stored ones kept
    EXPECT_EQ(text(&page, "skewAngleH"), "");
    type(&page, "skewAngleV", "5");
    EXPECT_EQ(readNet().skewV, 20);
}

TEST_F(NetworkPageTest, PortsAndPositionerFollowTheirLevels)
{
    ant.ports = 0x31; // 1.0 port 2, 1.1 port 4
    net.positionerId = 9;
    show();
    pick(&page, "diseqcSwitchLevel", "1.1");
    EXPECT_FALSE(enabled(&page, "diseqcSwitch10"));
    EXPECT_TRUE(enabled(&page, "diseqcSwitch11"));
    EXPECT_EQ(text(&page, "diseqcSwitch11"), "4");
    pick(&page, "diseqcSwitch11", "12");
    pick(&page, "diseqcSwitch10", "4"); // disabled list: its port is kept
    EXPECT_EQ(readAnt().ports, 0xB1);
    EXPECT_EQ(page.workAnt().switchLevel(), 2);

    pick(&page, "diseqcPositionerLevel", "USALS");
    EXPECT_FALSE(enabled(&page, "diseqcPositionerId"));
    EXPECT_EQ(readNet().positionerId, 9);
    pick(&page, "diseqcPositionerLevel", "BOTH");
    EXPECT_EQ(text(&page, "diseqcPositionerId"), "9");
    type(&page, "diseqcPositionerId", "300"); // the last digit would not fit 8 bits
    EXPECT_EQ(text(&page, "diseqcPositionerId"), "30");
    EXPECT_EQ(readNet().positionerId, 30);
}

TEST_F(NetworkPageTest, PowerAndSwitchesGoToTheirBits)
{
    ant.lnbType = 0x02;
    ant.power = 0x03;
    show();
    pick(&page, "lnbPower", "13V");
    click(&page, "switch22k");
    EXPECT_EQ(readAnt().power, 0x05);
}

TEST_F(NetworkPageTest, TerrestrialNetworkShowsOnlyItsNameReadOnly)
{
    net.reset(TERRESTRIAL_SLOT);
    show();
    EXPECT_TRUE(page.terrestrialMode());
    EXPECT_EQ(text(&page, "name"), "Terrestrial");
    EXPECT_FALSE(enabled(&page, "name"));
    EXPECT_FALSE(control<QWidget>(&page, "name")->isHidden());
    for (const char* name : {"degree", "degreeLabel", "lnbType", "skewAngleH", "ok", "separator"})
        EXPECT_TRUE(control<QWidget>(&page, name)->isHidden()) << name;
    type(&page, "name", "Changed");
    EXPECT_EQ(readNet().name, "Terrestrial");

    net.reset(2);
    show();
    EXPECT_FALSE(page.terrestrialMode());
    EXPECT_TRUE(enabled(&page, "name"));
    EXPECT_FALSE(control<QWidget>(&page, "ok")->isHidden());
}

TEST_F(NetworkPageTest, UntouchedPageReadsBackTheSameRecords)
{
    ant.diseqc = 0x8F;
    ant.ports = 0xF3;
    ant.lnbType = 0x80; // OCS custom
    ant.lnbFreqLow = 5000;
    ant.lnbFreqHigh = 5900;
    net.name = "Caf\xE9";
    net.positionerId = 12;
    show();
    page.ReadNetworkPage();
    EXPECT_FALSE(page.workAnt().differs(ant));
    EXPECT_FALSE(page.workNet().differs(net, true, true));
}

} // namespace
