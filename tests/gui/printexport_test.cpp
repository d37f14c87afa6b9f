#include <QAction>
#include <QFile>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QTest>

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
         {"commands.kvx", "Modified 2009-04-14", "Page 1 of", "Astra 1", "Position 19.2°", "Hotbird",
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

} // namespace
