#include "panels/dlgnotices.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvx {

CDlgNotices::CDlgNotices(const QStringList& notices, QWidget* parent)
        : QDialog(parent)
        , notices_(notices)
{
    setObjectName(QStringLiteral("noticesDialog"));
    setWindowTitle(tr("KVXEdit"));
    auto* count =
        new QLabel(notices.size() == 1 ? tr("1 notice") : tr("%1 notices").arg(notices.size()), this);
    count->setObjectName(QStringLiteral("count"));
    auto* list = new QListWidget(this);
    list->setObjectName(QStringLiteral("notices"));
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setWordWrap(true);
    list->setAlternatingRowColors(true);
    list->addItems(notices);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copy = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("copy"));
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("close"));
    connect(copy, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(text()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(count);
    layout->addWidget(list, 1);
    layout->addWidget(buttons);
    resize(520, 360);
}

QString CDlgNotices::text() const
{
    return notices_.join(QStringLiteral("\n\n")) + QLatin1Char('\n');
}

} // namespace kvx
