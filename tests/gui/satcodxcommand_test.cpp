#include <filesystem>

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>

#include "app/progressbar.h"
#include "core/importdatabase.h"
#include "framefixture.h"
#include "panels/editbar.h"
#include "reviewdriver.h"
#include "support/importfixtures.h"
#include "support/sampledatabase.h"
#include "widgetdriver.h"

using namespace kvx;
using namespace kvx::test;

namespace {

// Import SATCODX on the first network of an open database: "Net 0" with two transponders, "Net 1" with
// one.
class SatcodxCommandTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        open(writeKvx("list.kvx", databaseWithNetworks({{{11494, 1, 27500, "A"}, {11538, 0, 22000, "B"}},
                                                        {{12111, 0, 27500, "C"}}})));
        ASSERT_EQ(view().currentItem(), tree().topLevelItem(0));
        before = imageOf(db());
    }

    QString writeSdx(const QString& name, const std::vector<std::string>& lines)
    {
        std::string text;
        for (const std::string& line : lines)
            text += line + "\r\n";
        const QString path = pathFor(name);
        writeFile(path, QByteArray::fromStdString(text));
        return path;
    }

    QLabel* pane() const { return frame->statusBar()->findChild<QLabel*>("readyPane"); }
    CProgressBar* progressBar() const { return frame->statusBar()->findChild<CProgressBar*>(); }

    // Records the bar as the file dialog sees it, and every value it takes afterwards.
    void watchProgress()
    {
        prompter.whilePrompting = [this] {
            CProgressBar* bar = progressBar();
            ASSERT_NE(bar, nullptr);
            textAtDialog = pane()->text();
            maximumAtDialog = bar->maximum();
            QObject::connect(bar, &QProgressBar::valueChanged, bar, [this, bar](int value) {
                values.push_back(value);
                maximumAtEnd = bar->maximum();
                textAtEnd = pane()->text();
            });
        };
    }

    void expectUnchanged()
    {
        EXPECT_EQ(imageOf(db()), before);
        EXPECT_FALSE(view().modified());
        EXPECT_EQ(frame->windowTitle(), "list.kvx - KVXEdit : N(64) T(3) P(6) F(16)");
        EXPECT_EQ(progressBar(), nullptr);
        EXPECT_EQ(pane()->text(), "Ready");
    }

    std::vector<uint8_t> before;
    QString textAtDialog, textAtEnd;
    int maximumAtDialog = -1, maximumAtEnd = -1;
    std::vector<int> values;
};

SdxFields channel(const std::string& frequency, const std::string& polarisation,
                  const std::string& symbolRate)
{
    SdxFields fields;
    fields.name = "Hot Bird 13E";
    fields.degree = "0130";
    fields.frequency = frequency;
    fields.polarisation = polarisation;
    fields.symbolRate = symbolRate;
    return fields;
}

} // namespace

TEST_F(SatcodxCommandTest, ImportFillsTheNetworkRebuildsTheTreeAndMarksTheDocument)
{
    SdxFields lowerTag = channel("010971", "0", "29700");
    lowerTag.tag = "satcodx";
    SdxFields oldVersion = channel("012000", "0", "27500");
    oldVersion.version = "02";
    const QString path =
        writeSdx("hotbird.sdx", {
                                    sdxLine(channel("011494", "1", "27500")), // already there
                                    sdxLine(channel("010719", "0", "27500")),
                                    sdxLine(channel("010719", "0", "27500")), // second channel
                                    sdxLine(channel("010719", "1", "27500")), // other polarity
                                    sdxLine(lowerTag),
                                    sdxLine(oldVersion),
                                    "a line of something else",
                                });
    watchProgress();
    prompter.chooseFile(path);
    trigger(ID_IMPORT_SATCODX);

    ASSERT_EQ(prompter.fileDialogs.size(), 1);
    EXPECT_EQ(prompter.fileDialogs[0].filters, QStringList({"SATCODX File (*.SDX)", "All file (*)"}));
    EXPECT_EQ(prompter.fileDialogs[0].defaultSuffix, "SDX");
    EXPECT_TRUE(prompter.shown.isEmpty());

    // The review showed what the import was about to do.
    ASSERT_EQ(dialogs.reviewsShown.size(), 1);
    const ImportReview& review = dialogs.reviewsShown[0];
    EXPECT_EQ(review.title, "Import SATCODX");
    EXPECT_EQ(review.countsText(), "3 added, 0 updated, 0 removed");
    ASSERT_EQ(review.rows.size(), 4);
    EXPECT_EQ(review.rows[0].kind, ReviewRow::Kind::Network);
    EXPECT_EQ(review.rows[0].note, "Name: Net 0 → Hot Bird 13E; Position: 0.0E → 13.0E");
    EXPECT_EQ(review.rows[3].cells, QStringList({"10971", "V", "29700", "DVB-S", "AUTO", ""}));

    EXPECT_EQ(db().networks[0].name, "Hot Bird 13E");
    EXPECT_EQ(db().networks[0].degree, 130);
    EXPECT_EQ(transponderNames(db(), 0), std::vector<std::string>({"A", "B", "", "", ""}));
    const auto added = transpondersOf(db(), 0);
    EXPECT_EQ(added[2]->frequency, 10719);
    EXPECT_EQ(added[2]->polarity(), 0);
    EXPECT_EQ(added[3]->polarity(), 1);
    EXPECT_EQ(added[4]->frequency, 10971);
    EXPECT_EQ(added[4]->symbolRate, 29700);
    EXPECT_EQ(transponderNames(db(), 1), std::vector<std::string>({"C"}));
    expectReferencesIntact(db());

    // The tree shows the new transponders; the rebuild selected the first network.
    EXPECT_EQ(tree().topLevelItem(0)->childCount(), 5);
    EXPECT_TRUE(tree().topLevelItem(0)->text(0).contains("Hot Bird 13E"));
    EXPECT_EQ(view().currentItem(), tree().topLevelItem(0));
    EXPECT_EQ(view().currentNet(), &db().networks[0]);
    EXPECT_EQ(text(editBar().widget(), "name"), "Hot Bird 13E");
    EXPECT_TRUE(view().modified());
    EXPECT_EQ(frame->windowTitle(), "list.kvx (Modified) - KVXEdit : N(64) T(6) P(6) F(16)");

    // The bar asked for the file, then counted the seven lines, and went when the import was done.
    EXPECT_EQ(textAtDialog, "Please select the SATCODE file for update");
    EXPECT_EQ(maximumAtDialog, 100);
    EXPECT_EQ(values, std::vector<int>({1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(maximumAtEnd, 7);
    EXPECT_EQ(textAtEnd, "Waiting for import SATCODE file");
    EXPECT_EQ(progressBar(), nullptr);
    EXPECT_EQ(pane()->text(), "Ready");

    // Nothing pending in the edit bar: moving on asks nothing.
    tree().setCurrentItem(tree().topLevelItem(1));
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(SatcodxCommandTest, CancelledFileDialogChangesNothing)
{
    watchProgress();
    prompter.cancelFileDialog();
    trigger(ID_IMPORT_SATCODX);
    EXPECT_EQ(textAtDialog, "Please select the SATCODE file for update");
    EXPECT_TRUE(prompter.shown.isEmpty());
    expectUnchanged();
}

TEST_F(SatcodxCommandTest, FileThatCannotBeReadIsReportedAndChangesNothing)
{
    prompter.chooseFile(pathFor("gone.sdx"));
    prompter.acknowledgeMessage();
    trigger(ID_IMPORT_SATCODX);
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0], "No file found");
    EXPECT_EQ(prompter.icons[0], PromptIcon::Stop);
    expectUnchanged();

    // A folder is no file either.
    prompter.chooseFile(dir.path());
    prompter.acknowledgeMessage();
    trigger(ID_IMPORT_SATCODX);
    EXPECT_EQ(prompter.shown.size(), 2);
    expectUnchanged();

    // A file above 64 MiB is refused for what it is (a sparse file: nothing of it is read).
    std::filesystem::resize_file(QFile::encodeName(writeSdx("huge.sdx", {})).toStdString(),
                                 64 * 1024 * 1024 + 1);
    prompter.chooseFile(pathFor("huge.sdx"));
    prompter.acknowledgeMessage();
    trigger(ID_IMPORT_SATCODX);
    ASSERT_EQ(prompter.shown.size(), 3);
    EXPECT_EQ(prompter.shown[2], "The file is too large to be a SATCODX file.");
    expectUnchanged();
}

TEST_F(SatcodxCommandTest, FilesThatBringNoTransponderOrNoChangeAreToldAndChangeNothing)
{
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        const char* message;
    };
    const Case cases[] = {
        // A zero frequency line would only rename the network.
        {"other.sdx",
         {"just text", sdxLine(channel("000000", "0", "27500"))},
         "No transponders were found in the file"},
        {"empty.sdx", {}, "No transponders were found in the file"},
        {"same.sdx",
         {sdxLine({.name = "Net 0",
                   .frequency = "011538",
                   .polarisation = "0",
                   .degree = "0000",
                   .symbolRate = "22000"})},
         "The network already holds every transponder of the file; nothing was changed"},
    };
    for (const Case& c : cases) {
        prompter.chooseFile(writeSdx(c.name, c.lines));
        prompter.acknowledgeMessage();
        trigger(ID_IMPORT_SATCODX);
        ASSERT_FALSE(prompter.shown.isEmpty()) << c.name;
        EXPECT_EQ(prompter.shown.back(), c.message);
        EXPECT_TRUE(dialogs.reviewsShown.isEmpty());
        EXPECT_EQ(imageOf(db()), before) << c.name;
        EXPECT_FALSE(view().modified()) << c.name;
    }
}

TEST_F(SatcodxCommandTest, CancelledReviewChangesNothing)
{
    prompter.chooseFile(writeSdx("hotbird.sdx", {sdxLine(channel("010719", "0", "27500"))}));
    dialogs.answerReview(false);
    trigger(ID_IMPORT_SATCODX);
    ASSERT_EQ(dialogs.reviewsShown.size(), 1);
    EXPECT_EQ(dialogs.reviewsShown[0].countsText(), "1 added, 0 updated, 0 removed");
    expectUnchanged();
}

TEST_F(SatcodxCommandTest, CancelledPendingEditStopsBeforeTheFileDialog)
{
    type(editBar().widget(), "degree", "7");
    prompter.answerQuestion(PromptAnswer::Cancel);
    trigger(ID_IMPORT_SATCODX);
    EXPECT_TRUE(prompter.fileDialogs.isEmpty());
    expectUnchanged();
}

TEST_F(SatcodxCommandTest, OnlyASatelliteNetworkTakesAnImport)
{
    // A transponder selected: the command is off, and the handler does nothing when reached anyway.
    tree().setCurrentItem(tree().topLevelItem(0)->child(0));
    EXPECT_FALSE(frame->action(ID_IMPORT_SATCODX)->isEnabled());
    view().OnImportSatcodx();

    // The terrestrial network of a combo database.
    const QString combo =
        writeKvx("combo.kvx", makeEmptyModel(2, FLAG_PROG_CA | FLAG_TP_EXTRA | FLAG_PROG_EXTRA));
    open(combo);
    tree().setCurrentItem(tree().topLevelItem(64));
    ASSERT_TRUE(editBar().terrestrialMode());
    EXPECT_FALSE(frame->action(ID_IMPORT_SATCODX)->isEnabled());
    view().OnImportSatcodx();
    EXPECT_TRUE(prompter.fileDialogs.isEmpty());
    EXPECT_FALSE(view().modified());

    tree().setCurrentItem(tree().topLevelItem(0));
    EXPECT_TRUE(frame->action(ID_IMPORT_SATCODX)->isEnabled());
}

TEST_F(SatcodxCommandTest, BothImportsSitInTheSatelliteMenu)
{
    QMenu* satellite = nullptr;
    for (QAction* entry : frame->menuBar()->actions())
        if (entry->text() == "&Satellite")
            satellite = entry->menu();
    ASSERT_NE(satellite, nullptr);
    ASSERT_GE(satellite->actions().size(), 2);
    QAction* import = satellite->actions().at(0);
    QAction* update = satellite->actions().at(1);
    EXPECT_EQ(import, frame->action(ID_IMPORT_SATCODX));
    EXPECT_EQ(import->text(), "Import &SATCODX");
    EXPECT_EQ(import->statusTip(), "Load the selected satellite from SATCODX file");
    EXPECT_EQ(update, frame->action(ID_UPDATE_LYNGSAT));
    EXPECT_EQ(update->text(), "Update from &Lyngsat");
    EXPECT_EQ(update->statusTip(), "Load the selected satellite from Lyngsat site");
}

TEST_F(SatcodxCommandTest, WindowStaysOpenWhileTheImportRuns)
{
    bool closedDuringImport = true;
    prompter.whilePrompting = [&] { closedDuringImport = frame->close(); };
    prompter.cancelFileDialog();
    trigger(ID_IMPORT_SATCODX);
    EXPECT_FALSE(closedDuringImport);
    prompter.whilePrompting = nullptr;
    // Afterwards the window closes as usual.
    EXPECT_TRUE(frame->close());
}

TEST_F(SatcodxCommandTest, TheWholeImportIsOneUndoStep)
{
    prompter.chooseFile(writeSdx(
        "new.sdx", {sdxLine(channel("010719", "0", "27500")), sdxLine(channel("010758", "1", "22000"))}));
    trigger(ID_IMPORT_SATCODX);
    const std::vector<uint8_t> imported = imageOf(db());
    EXPECT_EQ(frame->action(ID_EDIT_UNDO)->text(), "&Undo Import SATCODX");
    trigger(ID_EDIT_UNDO);
    expectUnchanged();
    trigger(ID_EDIT_REDO);
    EXPECT_EQ(imageOf(db()), imported);
    EXPECT_TRUE(view().modified());
}

TEST_F(SatcodxCommandTest, AResultTooLargeForAFileCannotBeAppliedUntilChangesAreLeftOut)
{
    open(writeKvx("large.kvx", makeLargeDatabase()));
    const std::vector<uint8_t> large = imageOf(db());
    std::vector<std::string> lines;
    for (int k = 0; k < 6000; ++k)
        lines.push_back(
            sdxLine(channel("0" + std::to_string(10700 + k % 2000), std::to_string(k / 2000), "27500")));
    prompter.chooseFile(writeSdx("huge.sdx", lines));
    dialogs.answerReviewWith([](CDlgReview& review) {
        auto* table = review.findChild<QTreeWidget*>("changes");
        auto* apply = review.findChild<QPushButton*>("apply");
        EXPECT_TRUE(review.findChild<QLabel*>("tooLarge")->isVisible());
        EXPECT_FALSE(apply->isEnabled());
        // Everything left out, then one transponder taken.
        table->setFocus();
        QTest::keyClick(table, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(table, Qt::Key_Space);
        test::clickTickBox(table, table->topLevelItem(1));
        QCoreApplication::processEvents();
        EXPECT_FALSE(review.findChild<QLabel*>("tooLarge")->isVisible());
        EXPECT_EQ(review.findChild<QLabel*>("counts")->text(),
                  "1 added, 0 updated, 0 removed; 6000 changes left out");
        ASSERT_TRUE(apply->isEnabled());
        QTest::mouseClick(apply, Qt::LeftButton);
    });
    trigger(ID_IMPORT_SATCODX);
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_EQ(db().transponders.size(), 6001u);
    EXPECT_NE(imageOf(db()), large);
}

TEST_F(SatcodxCommandTest, TheReviewNamesTheStoredTransponderAnAdditionMayRepeat)
{
    prompter.chooseFile(
        writeSdx("near.sdx", {sdxLine(channel("011495", "3", "27500")),    // 1 MHz from 11494 H
                              sdxLine(channel("011541", "0", "27500"))})); // 3 MHz from 11538 V
    dialogs.answerReview(false);
    trigger(ID_IMPORT_SATCODX);
    ASSERT_EQ(dialogs.reviewsShown.size(), 1);
    const QList<ReviewRow>& rows = dialogs.reviewsShown[0].rows;
    ASSERT_EQ(rows.size(), 3); // the network's new name, then the two additions
    EXPECT_EQ(rows[1].note, "possible duplicate of 11494 H");
    EXPECT_TRUE(rows[1].ticked);
    EXPECT_EQ(rows[2].note, "");
    expectUnchanged();
}
