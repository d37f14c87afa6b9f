#include "panels/dlgtransponderlist.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kvx {

namespace {

QCheckBox* checkBox(const char* name, const QString& text, bool on)
{
    auto* box = new QCheckBox(text);
    box->setObjectName(QLatin1String(name));
    box->setChecked(on);
    return box;
}

} // namespace

CDlgTransponderList::CDlgTransponderList(const TransponderListDialogValues& values, QWidget* parent)
        : QDialog(parent)
        , lists_(new QTreeWidget)
        , removeOutdated_(
              checkBox("removeOutdated", tr("Remove outdated TPs"), values.options.removeOutdated))
        , sortByFrequency_(
              checkBox("sortByFrequency", tr("Sort by frequency"), values.options.sortByFrequency))
{
    setWindowTitle(values.title);
    request_.options = values.options;

    auto* network = new QLabel(tr("Network: %1").arg(values.networkText));
    network->setObjectName(QStringLiteral("network"));
    network->setTextFormat(Qt::PlainText);

    lists_->setObjectName(QStringLiteral("lists"));
    lists_->setRootIsDecorated(false);
    lists_->setUniformRowHeights(true);
    lists_->setHeaderLabels({tr("List"), tr("Position")});
    lists_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lists_->header()->setStretchLastSection(false);
    QList<QTreeWidgetItem*> items;
    for (const TransponderListChoice& choice : values.choices)
        items << new QTreeWidgetItem(QStringList{choice.name, choice.position});
    lists_->addTopLevelItems(items);
    if (values.current >= 0 && values.current < items.size())
        lists_->setCurrentItem(items[values.current]);
    connect(lists_, &QTreeWidget::itemActivated, this, &QDialog::accept);

    auto* buttons = new QDialogButtonBox;
    QPushButton* update = buttons->addButton(tr("Update"), QDialogButtonBox::AcceptRole);
    update->setObjectName(QStringLiteral("update"));
    update->setDefault(true);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Nothing to take from an empty list.
    update->setEnabled(!items.isEmpty());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(network);
    layout->addWidget(lists_, 1);
    layout->addWidget(removeOutdated_);
    layout->addWidget(sortByFrequency_);
    layout->addWidget(buttons);
    resize(520, 460);
    lists_->setFocus();
}

void CDlgTransponderList::accept()
{
    QTreeWidgetItem* current = lists_->currentItem();
    if (current == nullptr)
        return;
    request_.choice = lists_->indexOfTopLevelItem(current);
    request_.options.removeOutdated = removeOutdated_->isChecked();
    request_.options.sortByFrequency = sortByFrequency_->isChecked();
    QDialog::accept();
}

} // namespace kvx
