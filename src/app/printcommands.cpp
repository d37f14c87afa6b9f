// The view's commands that put the database on paper or into another file: Print, Print Preview and
// Export Channel List and Export satellites.xml.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>

#include "app/childview.h"
#include "app/dialogfactory.h"
#include "app/printprogress.h"
#include "app/printreport.h"
#include "db/editops.h"
#include "db/safefile.h"
#include "export/channelexport.h"
#include "export/satellitesxmlexport.h"
#include "ui/prompter.h"

namespace kvx {

namespace {

// Filter position of HTML in the export dialog; CSV comes first.
constexpr int kHtmlFilter = 1;

FileDialogSpec exportDialogSpec(const std::string& fileName)
{
    QString initial;
    if (!fileName.empty()) {
        const QFileInfo file(QString::fromStdString(fileName));
        initial = file.dir().filePath(file.completeBaseName() + QStringLiteral(".csv"));
    }
    return {{QCoreApplication::translate("CChildView", "CSV File (*.csv)"),
             QCoreApplication::translate("CChildView", "HTML File (*.html *.htm)")},
            QStringLiteral("csv"),
            initial};
}

} // namespace

int CChildView::selectedNetworkSlot()
{
    const NetInfo* net = commandNetwork();
    if (net == nullptr)
        return -1;
    const uint8_t slot = slotOfNetwork(database_, net);
    return slot == NO_SLOT ? -1 : slot;
}

void CChildView::OnFilePrint()
{
    // What is printed is what is stored: the page's edits are settled first.
    if (!hasDocument() || ApplyEdits(1) == 1)
        return;
    QPrinter printer;
    printer.setDocName(titleText());
    const int slot = selectedNetworkSlot();
    const std::optional<PrintChoice> choice = services_.dialogs.askPrint(window(), printer, slot >= 0);
    if (!choice)
        return;
    PrintReport report(database_, encoding_, choice->selectionOnly ? slot : -1);
    const std::unique_ptr<PrintProgress> progress = services_.dialogs.printProgress(window());
    const PrintResult result = report.print(printer, *progress);
    if (result == PrintResult::PrinterFailed)
        services_.prompter.showMessage(tr("The printer could not be opened."), PromptIcon::Stop);
    // A file is not left with only some of the pages in it.
    if (result == PrintResult::CutShort && printer.outputFormat() == QPrinter::PdfFormat &&
        !printer.outputFileName().isEmpty())
        QFile::remove(printer.outputFileName());
}

void CChildView::OnFilePrintPreview()
{
    if (!hasDocument() || ApplyEdits(1) == 1)
        return;
    QPrinter printer;
    printer.setDocName(titleText());
    // Laid out before the preview opens, so that a cancel leaves no empty preview behind.
    PrintReport report(database_, encoding_);
    if (!report.layOut(printer, *services_.dialogs.printProgress(window())))
        return;
    services_.dialogs.showPrintPreview(window(), printer, [this, &report](QPrinter& target) {
        return report.print(target, *services_.dialogs.printProgress(window())) == PrintResult::Printed;
    });
}

void CChildView::OnFileExport()
{
    if (!hasDocument() || ApplyEdits(1) == 1)
        return;
    const std::optional<SaveFileChoice> choice =
        services_.prompter.chooseSaveFile(exportDialogSpec(database_.fileName));
    if (!choice)
        return;
    // The name's suffix decides the format; a name without a known one takes the chosen filter's.
    QString path = choice->path;
    const QString suffix = QFileInfo(path).suffix();
    std::optional<ExportFormat> format = exportFormatNamed(suffix.toStdString());
    if (!format) {
        format = choice->filterIndex == kHtmlFilter ? ExportFormat::Html : ExportFormat::Csv;
        if (suffix.isEmpty())
            path += choice->filterIndex == kHtmlFilter ? QStringLiteral(".html") : QStringLiteral(".csv");
    }
    const std::string title =
        database_.fileName.empty()
            ? tr("No Name").toStdString()
            : QFileInfo(QString::fromStdString(database_.fileName)).fileName().toStdString();
    const std::string text = exportChannelList(database_, encoding_, *format, title);
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    if (const Outcome written = replaceFileContent(path.toStdString(), {bytes, text.size()});
        written != StatusOk)
        reportStatus(written);
}

void CChildView::OnExportSatellitesXml()
{
    if (!hasDocument() || ApplyEdits(1) == 1)
        return;
    QString initial;
    if (!database_.fileName.empty())
        initial = QFileInfo(QString::fromStdString(database_.fileName))
                      .dir()
                      .filePath(QStringLiteral("satellites.xml"));
    const std::optional<SaveFileChoice> choice =
        services_.prompter.chooseSaveFile({{tr("satellites.xml (*.xml)")}, QStringLiteral("xml"), initial});
    if (!choice)
        return;
    const std::string text = exportSatellitesXml(database_, encoding_);
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    if (const Outcome written = replaceFileContent(choice->path.toStdString(), {bytes, text.size()});
        written != StatusOk)
        reportStatus(written);
}

} // namespace kvx
