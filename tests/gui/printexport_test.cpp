#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include "commandsfixture.h"
#include "support/sampledatabase.h"

using namespace kvx;
using namespace kvx::test;

namespace {

// The text of a PDF file as pdftotext reads it.
QString pdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("pdftotext failed: ") + QString::fromUtf8(process.readAllStandardError());
    // Ligatures such as "fi" come back as their letters.
    return QString::fromUtf8(process.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
}

using PrintExportTest = CommandsFixture;

TEST_F(PrintExportTest, PrintWritesTheReportOrTheSelectedNetwork)
{
    const struct {
        const char* select;
        bool selectionOnly;
        QStringList shown;
        QStringList notShown;
    } cases[] = {
        {"Astra 1",
         false,
         {"commands.kvx", "Modified 2009-04-14", "Page 1 of", "Astra 1", "Position 19.2E", "Hotbird",
          "LNB Single, 10700 MHz", "Terrestrial", "11037 MHz · Horz · 27500 kS/s · DVB-S · FEC 1/2", "Prog 0",
          "Первый", "Radio", "474 MHz"},
         {}},
        // A program of Hotbird is selected: its network is printed alone.
        {"Prog 3", true, {"Hotbird", "Prog 3", "11111 MHz"}, {"Astra 1", "Prog 0", "Terrestrial"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.select);
        select(QString::fromUtf8(c.select));
        const QString pdf = pathFor(QStringLiteral("report.pdf"));
        dialogs.answerPrint(PrintChoice{c.selectionOnly}, pdf);
        trigger(ID_FILE_PRINT);
        EXPECT_EQ(dialogs.selectionOffered.takeLast(), true);
        const QString text = pdfText(pdf);
        for (const QString& expected : c.shown)
            EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << " in\n" << text.toStdString();
        for (const QString& unexpected : c.notShown)
            EXPECT_FALSE(text.contains(unexpected)) << unexpected.toStdString();
        QFile::remove(pdf);
    }
}

TEST_F(PrintExportTest, AnUnnamedNetworkIsPrintedUnderTheTreesLabel)
{
    ChannelDatabase database = makeVariedDatabase(2, kFlags);
    database.networks[1].name.clear();
    reopen(std::move(database));
    const QString heading = QStringLiteral("(No name)\nPosition 13.0E");
    for (const char* item : {"Astra 1", "Prog 3"}) {
        SCOPED_TRACE(item);
        clickOn(findItem(QString::fromUtf8(item)));
        const QString pdf = pathFor(QStringLiteral("unnamed.pdf"));
        dialogs.answerPrint(PrintChoice{QByteArray(item) == "Prog 3"}, pdf);
        trigger(ID_FILE_PRINT);
        const QString text = pdfText(pdf);
        // The network's transponders follow its own heading, not the one of the network before.
        const qsizetype at = text.indexOf(heading);
        ASSERT_GE(at, 0) << text.toStdString();
        EXPECT_LT(at, text.indexOf(QStringLiteral("11111 MHz")));
        QFile::remove(pdf);
    }
    EXPECT_EQ(findItem(QStringLiteral("(No name)")), tree().topLevelItem(1));
}

TEST_F(PrintExportTest, PreviewPrintsTheWholeReportAndCancelPrintsNothing)
{
    const QString pdf = pathFor(QStringLiteral("preview.pdf"));
    dialogs.answerPreview(pdf);
    trigger(ID_FILE_PRINT_PREVIEW);
    EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("Hotbird")));

    dialogs.answerPrint(std::nullopt, pathFor(QStringLiteral("cancelled.pdf")));
    trigger(ID_FILE_PRINT);
    EXPECT_FALSE(QFile::exists(pathFor(QStringLiteral("cancelled.pdf"))));
}

TEST_F(PrintExportTest, PrintingShowsItsProgressAndCancelStopsIt)
{
    reopen(makeLargeDatabase({4, 40, 600, 10}));
    const QString layout = QStringLiteral("Laying out the report");
    const QString drawing = QStringLiteral("Drawing the pages");
    const struct {
        CommandId command;
        QString cancelStage; // none: the run is not cancelled
        int cancelAfter;
        QStringList stages; // %1: the report's pages
        int previewsClosed;
    } cases[] = {
        {ID_FILE_PRINT_PREVIEW, {}, 0, {layout + ": 4/4", drawing + ": %1/%1"}, 0},
        // Cancelled before the preview opens, or while it draws its pages, which closes it.
        {ID_FILE_PRINT_PREVIEW, layout, 2, {layout + ": 3/4"}, 0},
        {ID_FILE_PRINT_PREVIEW, drawing, 2, {layout + ": 4/4", drawing + ": 3/%1"}, 1},
        // A print cancelled on its way to a file leaves no file.
        {ID_FILE_PRINT, drawing, 1, {layout + ": 4/4", drawing + ": 2/%1"}, 0},
    };
    int pages = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.command << " " << c.cancelStage.toStdString());
        const QString pdf = pathFor(QStringLiteral("large.pdf"));
        if (c.command == ID_FILE_PRINT)
            dialogs.answerPrint(PrintChoice{false}, pdf);
        else if (c.cancelStage != layout)
            dialogs.answerPreview(pdf);
        if (!c.cancelStage.isEmpty())
            dialogs.cancelPrintAfter(c.cancelStage, c.cancelAfter);
        dialogs.printStages.clear();
        dialogs.previewsClosed = 0;
        // The window's events keep coming while the pages are laid out.
        QStringList stagesWhenEventsCame;
        QTimer::singleShot(0, frame.get(), [&] { stagesWhenEventsCame = dialogs.printStages; });
        trigger(c.command);

        if (pages == 0) {
            const QRegularExpressionMatch match =
                QRegularExpression(QStringLiteral("Page 1 of (\\d+)")).match(pdfText(pdf));
            pages = match.captured(1).toInt();
            ASSERT_GT(pages, 5);
        }
        QStringList stages = c.stages;
        for (QString& stage : stages)
            stage.replace(QStringLiteral("%1"), QString::number(pages));
        EXPECT_EQ(dialogs.printStages, stages);
        EXPECT_EQ(dialogs.previewsClosed, c.previewsClosed);
        EXPECT_EQ(stagesWhenEventsCame, QStringList({layout + ": 2/4"}));
        if (!c.cancelStage.isEmpty()) {
            EXPECT_EQ(dialogs.progressShownAtCancel, "1 " + c.cancelStage);
        }
        if (c.command == ID_FILE_PRINT) {
            EXPECT_FALSE(QFile::exists(pdf));
        }
        QFile::remove(pdf);
    }
}

TEST_F(PrintExportTest, ExportWritesTheFormatOfTheSuffixOrElseOfTheFilter)
{
    const struct {
        const char* chosen;
        int filter;
        const char* written;
        const char* starts;
    } cases[] = {
        {"list.csv", 0, "list.csv", "Number,Type,Name,Network,"},
        {"list.htm", 0, "list.htm", "<!DOCTYPE html>"},
        {"page", 1, "page.html", "<!DOCTYPE html>"},
        {"table.txt", 0, "table.txt", "Number,Type,Name,Network,"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        prompter.chooseSaveFile(pathFor(QString::fromUtf8(c.chosen)), c.filter);
        trigger(ID_FILE_EXPORT);
        EXPECT_TRUE(readFile(pathFor(QString::fromUtf8(c.written))).startsWith(c.starts));
    }
    EXPECT_TRUE(readFile(pathFor("list.csv")).contains("\r\n1,TV,Prog 0,Astra 1,11000,V,27500,100,"));
    ASSERT_FALSE(prompter.fileDialogs.isEmpty());
    EXPECT_EQ(prompter.fileDialogs[0].filters, QStringList({"CSV File (*.csv)", "HTML File (*.html *.htm)"}));
    EXPECT_EQ(prompter.fileDialogs[0].initialPath, pathFor("commands.csv"));

    // A folder that cannot be written to is reported.
    prompter.chooseSaveFile(pathFor("missing/list.csv"), 0);
    prompter.acknowledgeMessage();
    trigger(ID_FILE_EXPORT);
    EXPECT_EQ(prompter.shown.last(), "Creating file failed: No such file or directory");
}

TEST_F(PrintExportTest, CommandsNeedAnOpenDatabase)
{
    trigger(ID_FILE_CLOSE);
    for (CommandId id : {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_EXPORT})
        EXPECT_FALSE(frame->action(id)->isEnabled()) << id;
    // The shortcut of a disabled command opens no dialog (none is scripted).
    QTest::keyClick(frame.get(), Qt::Key_P, Qt::ControlModifier);
}

TEST(PrintDialogTest, OffersTheSelectionOnlyWhenThereIsOne)
{
    QPrinter printer;
    for (const bool selection : {false, true}) {
        const auto dialog = makePrintDialog(printer, selection, nullptr);
        EXPECT_EQ(dialog->testOption(QAbstractPrintDialog::PrintSelection), selection);
        EXPECT_TRUE(dialog->testOption(QAbstractPrintDialog::PrintToFile));
    }
}

TEST(PrintPreviewTest, APaintThatWasCancelledClosesThePreview)
{
    QPrinter printer;
    QtDialogFactory factory;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        ADD_FAILURE() << "the preview stayed open";
        QApplication::activeModalWidget()->close();
    });
    guard.start(10000);
    int paints = 0;
    factory.showPrintPreview(nullptr, printer, [&paints](QPrinter&) {
        ++paints;
        return false;
    });
    EXPECT_EQ(paints, 1);
}

} // namespace
