#include <QPushButton>
#include <QTest>
#include <QTreeWidgetItemIterator>

#include "db/tables.h"
#include "framefixture.h"
#include "platform/systemlanguage.h"
#include "support/sampledatabase.h"
#include "widgetdriver.h"

using namespace kvx;
using namespace kvx::test;

namespace {

constexpr uint32_t kAllFlags = FLAG_TP_NAMES | FLAG_NET_SKEW | FLAG_PROG_CA | FLAG_TP_EXTRA | FLAG_PROG_EXTRA;

// Records whose fields hold bits and codes that no control of their page shows.
ChannelDatabase makeEveryBitDatabase()
{
    ChannelDatabase db = makeVariedDatabase(2, kAllFlags);
    db.antennas[0] = AntInfo{.diseqc = 0xFF,
                             .power = 0xFF,
                             .ports = 0xFF,
                             .lnbType = 0x7F,
                             .lnbFreqLow = 9750,
                             .lnbFreqHigh = 10600};
    db.networks[0].degree = 3650;
    db.networks[0].positionerId = 0xFF;
    db.networks[0].skewV = 200;
    db.networks[0].skewH = 0xFF;

    TpInfo& dvbs = db.transponders[0]; // DVB-S with the 8PSK bit and a FEC code beyond the DVB-S list
    dvbs.tpFlags = 0xF8 | 1;
    dvbs.tpExtra = {0xFFFF, 0xFFFF, 0xFFFF, 0xFEFF};
    dvbs.freqDrift = 0xFF;
    dvbs.gmtError = INT32_MIN + 1;
    db.transponders[1].tpFlags = TP_DVBS2 | TP_8PSK; // DVB-S2 with FEC code 0, shown as "2/3"

    ProgInfo& tv = db.programs[0];
    tv.name = "Brand\x99 \x9B One"; // "™" and "›": not in ISO 8859-5
    tv.caSystems = 0xFFFFFFFF;
    tv.attributes = static_cast<uint8_t>(0xFF & ~ATTR_RADIO);
    tv.audioPids.clear();
    tv.audioPids.append(NO_LANGUAGE, 0xE123); // marks in bits 13 to 15
    tv.teletextPids.clear();
    tv.teletextPids.append(NO_LANGUAGE, 0xA456);
    tv.videoPids.clear();
    tv.videoPids.append(NO_LANGUAGE, 0xFFFE);
    tv.pmtPid = 0xFFFE;
    tv.spareByte = 0xFF;
    ProgInfo& radio = db.programs[3]; // a radio program that still carries a video PID
    EXPECT_TRUE(radio.isRadio());
    radio.videoPids.append(NO_LANGUAGE, 0x123);
    radio.caSystems = 0x8000C000;
    return db;
}

struct SystemSetting {
    const char* name;
    uint16_t language;
    const char* codePage;
};

// The window on a database of such records, browsed and confirmed with the mouse.
class UntouchedPagesTest : public FrameFixture, public testing::WithParamInterface<SystemSetting> {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        view().setNameEncoding(GetParam().codePage);
        editBar().setSystemLanguage(GetParam().language);
        open(writeKvx("bits.kvx", makeEveryBitDatabase()));
        tree().expandAll();
        frame->show();
    }

    void clickItem(QTreeWidgetItem* item)
    {
        QTest::mouseClick(tree().viewport(), Qt::LeftButton, {}, centerOf(item));
        ASSERT_EQ(view().currentItem(), item) << item->text(0).toStdString();
    }
};

TEST_P(UntouchedPagesTest, BrowsingAsksNothingAndOkChangesNoByte)
{
    const std::vector<uint8_t> before = imageOf(db());
    for (QTreeWidgetItemIterator it(&tree()); *it; ++it) {
        clickItem(*it);
        auto* ok = editBar().widget()->findChild<QPushButton*>("ok");
        if (ok && ok->isVisible())
            QTest::mouseClick(ok, Qt::LeftButton);
    }
    EXPECT_TRUE(prompter.shown.isEmpty()) << prompter.shown.join(" | ").toStdString();
    EXPECT_FALSE(view().modified());
    EXPECT_EQ(imageOf(db()), before);
}

TEST_P(UntouchedPagesTest, AChangedControlWritesOnlyItsField)
{
    clickItem(tree().topLevelItem(0)->child(0));
    type(editBar().widget(), "freqDrift", "0x10");
    QTest::mouseClick(editBar().widget()->findChild<QPushButton*>("ok"), Qt::LeftButton);
    const TpInfo& tp = db().transponders[0];
    EXPECT_EQ(tp.freqDrift, 0x10);
    EXPECT_EQ(tp.tpFlags, 0xF8 | 1); // the 8PSK bit and the unlisted FEC code stay
    EXPECT_EQ(tp.gmtError, INT32_MIN + 1);
    EXPECT_TRUE(view().modified());
}

INSTANTIATE_TEST_SUITE_P(Systems, UntouchedPagesTest,
                         testing::Values(SystemSetting{"English", LANG_ENGLISH, "WINDOWS-1252"},
                                         SystemSetting{"Russian", LANG_RUSSIAN, "WINDOWS-1251"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
