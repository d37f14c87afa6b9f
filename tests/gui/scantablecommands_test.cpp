#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTreeWidget>

#include "commandsfixture.h"

using namespace kvx;
using namespace kvx::test;

namespace {

// A satellite section of a scan table.
QByteArray section(const char* system, int kHz, const char* polarisation, int symbols, const char* extra = "")
{
    QByteArray text = QByteArray("[CHANNEL]\n\tDELIVERY_SYSTEM = ") + system +
                      "\n\tFREQUENCY = " + QByteArray::number(kHz) +
                      "\n\tSYMBOL_RATE = " + QByteArray::number(symbols) + "\n";
    if (*polarisation != '\0')
        text += QByteArray("\tPOLARIZATION = ") + polarisation + "\n";
    return text + extra + "\n";
}

QStringList listTexts(const QTreeWidget* lists)
{
    QStringList texts;
    for (int row = 0; row < lists->topLevelItemCount(); ++row)
        texts << lists->topLevelItem(row)->text(0) + QLatin1Char(' ') + lists->topLevelItem(row)->text(1);
    return texts;
}

// The combo sample (Astra 1 at 19.2E with TP0..TP2, Hotbird at 13.0E with TP3, the terrestrial network with
// 0.474) and a scan table folder of the test's own, which the setting points to.
class ScanTableCommandsTest : public CommandsFixture {
protected:
    void SetUp() override
    {
        CommandsFixture::SetUp();
        ASSERT_TRUE(QDir(dir.path()).mkpath("dvb/dvb-s"));
        ASSERT_TRUE(QDir(dir.path()).mkpath("dvb/dvb-t"));
        QSettings().setValue(QStringLiteral("ScanTables/folder"), pathFor("dvb"));
        writeFile(pathFor("dvb/dvb-s/Astra-19.2E"), section("DVBS", 11362000, "HORIZONTAL", 22000000));
        writeFile(pathFor("dvb/dvb-s/Thor-5-6-0.8W"), section("DVBS", 10778000, "VERTICAL", 24500000));
        writeFile(pathFor("dvb/dvb-s/Hotbird-13.0E"),
                  section("DVBS", 10719000, "VERTICAL", 27500000, "\tINNER_FEC = 3/4\n") +
                      section("DVBS2", 11727500, "HORIZONTAL", 29900000,
                              "\tMODULATION = PSK/8\n\tINNER_FEC = 2/3\n") +
                      section("DVBS", 10720000, "VERTICAL", 27500000) + // repeats the first
                      section("DVBS", 12000000, "", 27500000));         // no polarisation: skipped
        writeFile(
            pathFor("dvb/dvb-t/de-Test"),
            "[CHANNEL]\n\tDELIVERY_SYSTEM = DVBT\n\tFREQUENCY = 474000000\n\tBANDWIDTH_HZ = 8000000\n\n"
            "[CHANNEL]\n\tDELIVERY_SYSTEM = DVBT2\n\tFREQUENCY = 690000000\n\tBANDWIDTH_HZ = 7000000\n");
        before = imageOf(db());
    }

    void expectUnchanged()
    {
        EXPECT_EQ(imageOf(db()), before);
        EXPECT_FALSE(view().modified());
    }

    std::vector<std::array<int, 3>> transpondersOf(int network) const
    {
        std::vector<std::array<int, 3>> values;
        for (const TpInfo& tp : frame->view()->database().transponders)
            if (tp.netIndex == network)
                values.push_back({tp.frequency, tp.symbolRate, tp.tpFlags});
        return values;
    }

    std::vector<uint8_t> before;
};

} // namespace

TEST_F(ScanTableCommandsTest, ScanTableFillsTheNetworkThroughTheReviewAsOneUndoStep)
{
    using Values = std::vector<std::array<int, 3>>; // frequency, symbol rate (or bandwidth code), flags
    struct Case {
        int network;
        QStringList lists; // as the dialog shows them, the first selected
        QStringList labels;
        Values values;
    };
    const Case cases[] = {
        {1,
         {"Hotbird-13.0E 13.0E", "Astra-19.2E 19.2E", "Thor-5-6-0.8W 0.8W"},
         {"10.719  (V)  27.500", "TP3", "11.728  (H)  29.900"},
         {{10719, 27500, 0x30}, {11111, 27500, 0x33}, {11728, 29900, 0x20 | TP_DVBS2 | TP_8PSK | 1}}},
        {TERRESTRIAL_SLOT, {"de-Test "}, {"0.474 (8 Mhz)", "0.690 (7 Mhz)"}, {{474, 0, 0}, {690, 1, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.network);
        clickOn(c.network == TERRESTRIAL_SLOT ? terrestrialNetwork() : tree().topLevelItem(c.network));
        dialogs.answerTransponderListWith([&](CDlgTransponderList& dialog) {
            const auto* lists = dialog.findChild<QTreeWidget*>("lists");
            EXPECT_EQ(listTexts(lists), c.lists);
            EXPECT_EQ(lists->currentItem(), lists->topLevelItem(0));
            EXPECT_FALSE(dialog.findChild<QCheckBox*>("removeOutdated")->isChecked());
            EXPECT_TRUE(dialog.findChild<QCheckBox*>("sortByFrequency")->isChecked());
            QTest::mouseClick(dialog.findChild<QPushButton*>("update"), Qt::LeftButton);
        });
        trigger(ID_UPDATE_SCAN_TABLE);
        EXPECT_TRUE(prompter.shown.isEmpty()) << prompter.shown.join('\n').toStdString();
        EXPECT_EQ(childLabels(view().currentItem()), c.labels);
        EXPECT_EQ(transpondersOf(c.network), c.values);
        EXPECT_EQ(frame->action(ID_EDIT_UNDO)->text(), "&Undo Update from Scan Table");
        trigger(ID_EDIT_UNDO);
        EXPECT_EQ(imageOf(db()), before);
    }
    // The satellite table's repeat was offered unticked.
    int unticked = 0;
    for (const ReviewRow& row : dialogs.reviewsShown.front().rows)
        unticked += !row.ticked;
    EXPECT_EQ(unticked, 1);
}

TEST_F(ScanTableCommandsTest, MissingTablesAndCancelChangeNothing)
{
    clickOn(findItem("Hotbird"));
    dialogs.answerTransponderListWith([](CDlgTransponderList& dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton*>("cancel"), Qt::LeftButton);
    });
    trigger(ID_UPDATE_SCAN_TABLE);
    expectUnchanged();

    QSettings().setValue(QStringLiteral("ScanTables/folder"), pathFor("none"));
    prompter.acknowledgeMessage();
    chooseInContextMenu("Update from Scan &Table...");
    requestContextMenu();
    EXPECT_EQ(prompter.shown,
              QStringList{
                  QString("No scan tables were found in %1/dvb-s. The package dtv-scan-tables provides them.")
                      .arg(pathFor("none"))});
    expectUnchanged();
}

TEST_F(ScanTableCommandsTest, ExportedSatellitesXmlFillsTheEmptiedNetworkAgain)
{
    const auto astra = transpondersOf(0);
    const QString xml = pathFor("satellites.xml");
    prompter.chooseSaveFile(xml, 0);
    trigger(ID_FILE_EXPORT_SATELLITES_XML);
    ASSERT_TRUE(readFile(xml).startsWith("<?xml"));

    clickOn(findItem("Astra 1"));
    prompter.answerQuestion(PromptAnswer::Yes);
    trigger(ID_TP_DELETE_ALL_IN_NET);
    ASSERT_TRUE(transpondersOf(0).empty());

    clickOn(findItem("Astra 1"));
    prompter.chooseFile(xml);
    dialogs.answerTransponderListWith([](CDlgTransponderList& dialog) {
        EXPECT_EQ(listTexts(dialog.findChild<QTreeWidget*>("lists")),
                  (QStringList{"Astra 1 19.2E", "Hotbird 13.0E"}));
        QTest::mouseClick(dialog.findChild<QPushButton*>("update"), Qt::LeftButton);
    });
    trigger(ID_IMPORT_SATELLITES_XML);
    EXPECT_TRUE(prompter.scriptDone());
    EXPECT_EQ(transpondersOf(0), astra);
    EXPECT_EQ(frame->action(ID_EDIT_UNDO)->text(), "&Undo Import satellites.xml");
}
