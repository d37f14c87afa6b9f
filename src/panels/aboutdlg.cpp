#include "panels/aboutdlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

#include "app/appnames.h"

namespace kvx {

CAboutDlg::CAboutDlg(QWidget* parent)
        : QDialog(parent)
{
    setWindowTitle(tr("About %1").arg(applicationName()));

    auto* icon = new QLabel;
    icon->setPixmap(QIcon(QStringLiteral(":/icons/kvxedit.xpm")).pixmap(32, 32));
    auto* text = new QLabel(QStringLiteral("%1 Version %2").arg(applicationName(), applicationVersion()));
    text->setObjectName(QStringLiteral("versionText"));

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addWidget(text, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace kvx
