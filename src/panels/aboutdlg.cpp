#include "panels/aboutdlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/appnames.h"
#include "ui/xpmicon.h"

namespace kvx {

CAboutDlg::CAboutDlg(QWidget* parent)
        : QDialog(parent)
{
    setWindowTitle(tr("About %1").arg(applicationName()));

    auto* icon = new QLabel;
    icon->setPixmap(xpmIcon(QStringLiteral(":/icons/kvxedit.xpm")).pixmap(32, 32));
    auto* text = new QLabel(tr("%1 Version %2").arg(applicationName(), applicationVersion()));
    text->setObjectName(QStringLiteral("versionText"));

    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addSpacing(16);
    row->addWidget(text, 1);
    row->addSpacing(24);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 14);
    layout->addLayout(row);
    layout->addSpacing(12);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace kvx
