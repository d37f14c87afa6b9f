#include "panels/dlgselectmodel.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kvx {

CDlgSelectModel::CDlgSelectModel(QWidget* parent)
        : QDialog(parent)
        , satelliteOnly_(new QRadioButton(tr("For &Satellite Only")))
        , combo_(new QRadioButton(tr("For Combo (Satellite + Terrestrial)")))
{
    setWindowTitle(tr("New"));
    satelliteOnly_->setObjectName(QStringLiteral("satelliteOnly"));
    combo_->setObjectName(QStringLiteral("combo"));

    auto* group = new QGroupBox(tr("Select"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(satelliteOnly_);
    groupLayout->addWidget(combo_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);

    satelliteOnly_->setChecked(true);
    connect(satelliteOnly_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            onRadioClicked(0);
    });
    connect(combo_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            onRadioClicked(1);
    });
}

void CDlgSelectModel::onRadioClicked(int which)
{
    comboFlag_ = which;
}

} // namespace kvx
