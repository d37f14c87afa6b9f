#include "app/qtprompter.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>

#include "ui/appnames.h"

namespace kvx {

namespace {

QMessageBox::Icon boxIcon(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::Information: return QMessageBox::Information;
    case PromptIcon::Warning: return QMessageBox::Warning;
    case PromptIcon::Stop: return QMessageBox::Critical;
    case PromptIcon::Question: return QMessageBox::Question;
    case PromptIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

PromptAnswer answerOf(int button)
{
    switch (button) {
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::No: return PromptAnswer::No;
    case QMessageBox::Retry: return PromptAnswer::Retry;
    case QMessageBox::Ok: return PromptAnswer::Ok;
    default: return PromptAnswer::Cancel;
    }
}

int runBox(QWidget* parent, const QString& text, PromptIcon icon, QMessageBox::StandardButtons buttons,
           QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(boxIcon(icon), applicationName(), text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return box.exec();
}

// The first extension of a filter such as "Compressed Network Database File (*.CKVX)".
QString suffixOfFilter(const QString& filter, const QString& fallback)
{
    static const QRegularExpression pattern(QStringLiteral(R"(\(\*\.([A-Za-z0-9]+))"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : fallback;
}

void prepareDialog(QFileDialog& dialog, const FileDialogSpec& request)
{
    dialog.setNameFilters(request.filters);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.initialPath.isEmpty())
        dialog.selectFile(request.initialPath);
}

} // namespace

PromptAnswer QtPrompter::askYesNoCancel(const QString& text)
{
    return answerOf(runBox(parent_, text, PromptIcon::Question,
                           QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes));
}

PromptAnswer QtPrompter::askYesNo(const QString& text, PromptIcon icon)
{
    return answerOf(runBox(parent_, text, icon, QMessageBox::Yes | QMessageBox::No, QMessageBox::No));
}

PromptAnswer QtPrompter::askRetryCancel(const QString& text, PromptIcon icon)
{
    return answerOf(
        runBox(parent_, text, icon, QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry));
}

void QtPrompter::showMessage(const QString& text, PromptIcon icon)
{
    runBox(parent_, text, icon, QMessageBox::Ok, QMessageBox::Ok);
}

std::optional<QString> QtPrompter::chooseOpenFile(const FileDialogSpec& request)
{
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    prepareDialog(dialog, request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<SaveFileChoice> QtPrompter::chooseSaveFile(const FileDialogSpec& request)
{
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    prepareDialog(dialog, request);
    // A name typed without extension gets the one of the chosen form.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, &request](const QString& filter) {
                         dialog.setDefaultSuffix(suffixOfFilter(filter, request.defaultSuffix));
                     });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return SaveFileChoice{dialog.selectedFiles().first(),
                          static_cast<int>(request.filters.indexOf(dialog.selectedNameFilter()))};
}

} // namespace kvx
