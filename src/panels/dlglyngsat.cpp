#include "panels/dlglyngsat.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvx {

namespace {

// Positions of the band choice.
constexpr int kCBand = 0;
constexpr int kKuBand = 1;

QLabel* namedLabel(const char* name, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

CDlgLyngSat::CDlgLyngSat(const LyngSatDialogValues& values, QWidget* parent)
        : QDialog(parent)
        , band_(new QComboBox)
        , pageName_(new QLineEdit)
{
    setWindowTitle(tr("Satellite Information"));
    LyngSatOptions start;
    start.band = values.band;
    if (values.last)
        start = values.last->options;

    band_->setObjectName(QStringLiteral("band"));
    band_->addItems({tr("C-Band"), tr("Ku-Band")});
    band_->setCurrentIndex(start.band == LyngSatBand::C ? kCBand : kKuBand);
    includeHd_ = addCheckBox("includeHd", tr("Include HD"), start.includeHd);
    includeDvbS2_ = addCheckBox("includeDvbS2", tr("Include DVB-S2"), start.includeDvbS2);
    includeFeeds_ = addCheckBox("includeFeeds", tr("Include Feeds"), start.includeFeeds);
    removeOutdated_ = addCheckBox("removeOutdated", tr("Remove outdated TPs"), start.removeOutdated);
    sortByFrequency_ = addCheckBox("sortByFrequency", tr("Sort by frequency"), start.sortByFrequency);
    pageName_->setObjectName(QStringLiteral("pageName"));
    if (values.last)
        pageName_->setText(values.last->pageName);

    auto* group = new QGroupBox(tr("Satellite Information"));
    auto* grid = new QGridLayout(group);
    grid->addWidget(namedLabel("satelliteName", tr("Satellite Name : %1").arg(values.satelliteName)), 0, 0, 1,
                    2);
    grid->addWidget(namedLabel("satelliteDegree", tr("Satellite Degree : %1").arg(values.satelliteDegree)), 1,
                    0, 1, 2);
    grid->addWidget(new QLabel(tr("Update Band :")), 2, 0);
    grid->addWidget(band_, 2, 1);
    grid->addWidget(includeHd_, 3, 0);
    grid->addWidget(includeDvbS2_, 3, 1);
    grid->addWidget(includeFeeds_, 4, 0);
    grid->addWidget(removeOutdated_, 4, 1);
    grid->addWidget(sortByFrequency_, 5, 0);
    grid->addWidget(namedLabel("siteAddress", values.siteAddress + QLatin1Char('/')), 6, 0);
    grid->addWidget(pageName_, 6, 1);
    grid->addWidget(new QLabel(tr("(case sensitive)")), 7, 1);

    auto* update = new QPushButton(tr("Update"));
    update->setObjectName(QStringLiteral("update"));
    update->setDefault(true);
    connect(update, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(tr("Cancel"));
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(update);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    pageName_->setFocus();
}

QCheckBox* CDlgLyngSat::addCheckBox(const char* name, const QString& text, bool on)
{
    auto* box = new QCheckBox(text);
    box->setObjectName(QLatin1String(name));
    box->setChecked(on);
    return box;
}

void CDlgLyngSat::accept()
{
    request_.pageName = pageName_->text();
    request_.options.band = band_->currentIndex() == kCBand ? LyngSatBand::C : LyngSatBand::Ku;
    request_.options.includeHd = includeHd_->isChecked();
    request_.options.includeDvbS2 = includeDvbS2_->isChecked();
    request_.options.includeFeeds = includeFeeds_->isChecked();
    request_.options.removeOutdated = removeOutdated_->isChecked();
    request_.options.sortByFrequency = sortByFrequency_->isChecked();
    QDialog::accept();
}

} // namespace kvx
