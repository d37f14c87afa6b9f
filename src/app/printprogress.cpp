#include "app/printprogress.h"

#include <QProgressDialog>

#include "ui/appnames.h"

namespace kvx {

PrintProgressDialog::PrintProgressDialog(QWidget* parent, int showAfterMs)
        : parent_(parent)
        , showAfterMs_(showAfterMs)
{}

PrintProgressDialog::~PrintProgressDialog()
{
    delete dialog_.data();
}

QProgressDialog* PrintProgressDialog::dialog() const
{
    return dialog_.data();
}

void PrintProgressDialog::begin(const QString& text, int steps)
{
    // Made with the first stage: a progress dialog shows itself a while after it is made.
    if (!dialog_) {
        dialog_ = new QProgressDialog(parent_.data());
        dialog_->setWindowTitle(applicationName());
        dialog_->setWindowModality(Qt::ApplicationModal);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        dialog_->setMinimumDuration(showAfterMs_);
    }
    // A stage after a cancelled one is asked for anew.
    if (dialog_->wasCanceled())
        dialog_->reset();
    dialog_->setLabelText(text);
    dialog_->setRange(0, steps);
    // A modal progress dialog lets events through on every value it is given once it is shown.
    dialog_->setValue(0);
}

bool PrintProgressDialog::advance()
{
    if (!dialog_)
        return true;
    if (dialog_->value() < dialog_->maximum())
        dialog_->setValue(dialog_->value() + 1);
    return !dialog_->wasCanceled();
}

} // namespace kvx
