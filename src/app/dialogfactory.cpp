#include "app/dialogfactory.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "panels/aboutdlg.h"
#include "panels/dlglyngsat.h"
#include "panels/dlgreference.h"
#include "panels/dlgreview.h"
#include "panels/dlgselectmodel.h"

namespace kvx {

std::optional<ReceiverModel> QtDialogFactory::selectModel(QWidget* parent)
{
    CDlgSelectModel dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.model();
}

void QtDialogFactory::showAbout(QWidget* parent)
{
    CAboutDlg dialog(parent);
    dialog.exec();
}

std::optional<DateDialogValues> QtDialogFactory::modificationDate(QWidget* parent,
                                                                  const DateDialogValues& values)
{
    CDlgDate dialog(parent);
    dialog.setValues(values);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.values();
}

std::optional<LyngSatRequest> QtDialogFactory::askLyngSatUpdate(QWidget* parent,
                                                                const LyngSatDialogValues& values)
{
    CDlgLyngSat dialog(values, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.request();
}

std::optional<TransponderListRequest>
QtDialogFactory::askTransponderList(QWidget* parent, const TransponderListDialogValues& values)
{
    CDlgTransponderList dialog(values, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.request();
}

std::optional<ChangeSelection> QtDialogFactory::reviewChanges(QWidget* parent, const ImportReview& review)
{
    CDlgReview dialog(review, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selection();
}

std::optional<ReferenceSelection> QtDialogFactory::reviewReference(QWidget* parent,
                                                                   const ReferenceReviewRequest& request)
{
    CDlgReference dialog(request, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selection();
}

std::unique_ptr<QPrintDialog> makePrintDialog(QPrinter& printer, bool selectionAvailable, QWidget* parent)
{
    auto dialog = std::make_unique<QPrintDialog>(&printer, parent);
    dialog->setWindowTitle(QObject::tr("Print"));
    dialog->setOption(QAbstractPrintDialog::PrintSelection, selectionAvailable);
    dialog->setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog->setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog;
}

std::optional<PrintChoice> QtDialogFactory::askPrint(QWidget* parent, QPrinter& printer,
                                                     bool selectionAvailable)
{
    const std::unique_ptr<QPrintDialog> dialog = makePrintDialog(printer, selectionAvailable, parent);
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    return PrintChoice{dialog->printRange() == QAbstractPrintDialog::Selection};
}

void QtDialogFactory::showPrintPreview(QWidget* parent, QPrinter& printer,
                                       const std::function<bool(QPrinter&)>& paint)
{
    QPrintPreviewDialog dialog(&printer, parent);
    // The first paint comes while the dialog is being shown, before it runs: it closes once it runs.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&dialog, &paint](QPrinter* target) {
                         if (!paint(*target))
                             QMetaObject::invokeMethod(&dialog, &QDialog::reject, Qt::QueuedConnection);
                     });
    dialog.exec();
}

std::unique_ptr<PrintProgress> QtDialogFactory::printProgress(QWidget* parent)
{
    // A print that is done in a moment shows no dialog.
    constexpr int kShowAfterMs = 400;
    return std::make_unique<PrintProgressDialog>(parent, kShowAfterMs);
}

} // namespace kvx
