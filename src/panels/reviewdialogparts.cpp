#include "panels/reviewdialogparts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QSettings>

namespace kvx {

QDialogButtonBox* makeApplyCancelButtons(QDialog& dialog, QPushButton*& apply)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Apply | QDialogButtonBox::Cancel, &dialog);
    apply = buttons->button(QDialogButtonBox::Apply);
    apply->setObjectName(QStringLiteral("apply"));
    apply->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    QObject::connect(apply, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

void restoreReviewGeometry(QDialog& dialog, QSize wanted, const QString& geometryKey)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        wanted = wanted.boundedTo(screen->availableGeometry().size() * 0.95);
    dialog.resize(wanted);
    dialog.restoreGeometry(QSettings().value(geometryKey).toByteArray());
}

} // namespace kvx
