#include "app/dialogfactory.h"

#include "panels/aboutdlg.h"
#include "panels/dlglyngsat.h"
#include "panels/dlgnotices.h"
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

void QtDialogFactory::showNotices(QWidget* parent, const QStringList& notices)
{
    CDlgNotices dialog(notices, parent);
    dialog.exec();
}

bool QtDialogFactory::reviewImport(QWidget* parent, const ImportReview& review)
{
    CDlgReview dialog(review, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace kvx
