#include "panels/dlgfavname.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvx {

CDlgFavName::CDlgFavName(QWidget* parent)
        : QDialog(parent)
{
    setObjectName(QStringLiteral("FavoriteGroupName"));
    setWindowTitle(tr("Favorite Group Name"));

    auto* grid = new QGridLayout;
    for (int i = 0; i < kGroupCount; ++i) {
        auto* label = new QLabel(QString::number(i + 1), this);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(24);
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("name%1").arg(i + 1));
        label->setBuddy(field);
        grid->addWidget(label, i, 0);
        grid->addWidget(field, i, 1);
        fields_[static_cast<std::size_t>(i)] = field;
    }
    grid->setColumnStretch(1, 1);

    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgFavName::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(separator);
    layout->addWidget(buttons);
    resize(310, 396);
}

void CDlgFavName::setNames(const Names& names)
{
    names_ = names;
    for (std::size_t i = 0; i < names_.size(); ++i)
        fields_[i]->setText(names_[i]);
}

void CDlgFavName::accept()
{
    for (std::size_t i = 0; i < names_.size(); ++i)
        names_[i] = fields_[i]->text();
    QDialog::accept();
}

} // namespace kvx
