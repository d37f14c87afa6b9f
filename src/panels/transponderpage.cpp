#include "panels/transponderpage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "db/fieldtext.h"
#include "db/tables.h"
#include "panels/controlfactory.h"
#include "panels/fieldhelpers.h"
#include "panels/namecheck.h"
#include "panels/pageform.h"
#include "platform/nameencoding.h"

namespace kvx {

namespace {

const QStringList kBandwidths = {"8 MHz", "7 MHz", "6 MHz", "5 MHz"};
const QStringList kTransmissions = {"DVB-S", "DVB-S2  8PSK", "DVB-S2  QPSK"};
constexpr int kDvbs2FecCount = 9; // "1/2" .. "9/10"

// Shows whatever is typed into the FEC box in upper case, as the list's entries are.
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

QString fecName(int code)
{
    return QString::fromLatin1(kFecNames[static_cast<std::size_t>(code)].data());
}

uint16_t readWord(const QLineEdit* field)
{
    return static_cast<uint16_t>(ReadInteger(field->text()).value_or(0));
}

} // namespace

TransponderPage::TransponderPage(const NameEncoding& encoding, QWidget* parent)
        : QWidget(parent)
        , encoding_(encoding)
{
    setObjectName("transponderPage");
    buildControls();
    connect(transmission_, &QComboBox::activated, this, &TransponderPage::onTransmissionChanged);
    connect(ok_, &QPushButton::clicked, this, &TransponderPage::okClicked);
}

void TransponderPage::buildControls()
{
    name_ = makeField(this, "name", 254);
    frequency_ = makeNumberField(this, "frequency", 0, 0xFFFF);
    symbolRate_ = makeNumberField(this, "symbolRate", 0, 0xFFFF);
    bandwidth_ = makeChoiceList(this, "bandwidth", kBandwidths);
    bandwidth_->hide();
    polarity_ =
        makeChoiceList(this, "polarity", {tr("Vert"), tr("Horz"), tr("Circular Right"), tr("Circular Left")});
    transmission_ = makeChoiceList(this, "transmission", kTransmissions);
    fec_ = makeChoiceList(this, "fec", {});
    fec_->setEditable(true);
    fec_->setInsertPolicy(QComboBox::NoInsert);
    fec_->setValidator(new UpperCaseValidator(fec_));
    for (int code = 0; code < static_cast<int>(kFecNames.size()); ++code)
        fec_->addItem(fecName(code));
    pilot_ = new QCheckBox(tr("Pilot"), this);
    pilot_->setObjectName("pilot");
    pilot_->setLayoutDirection(Qt::RightToLeft); // text at the left of the box
    freqDrift_ = makeNumberField(this, "freqDrift", 0, 0xFF, true);
    // The lowest 32-bit value is the record's "not set", which an empty field stands for.
    gmtError_ = makeNumberField(this, "gmtError", INT32_MIN + int64_t{1}, INT32_MAX);

    PageForm form(this);
    nameLabel_ = form.addRow(tr(" Name"), "nameLabel", name_);
    form.addRow(tr(" Frequency"), "frequencyLabel", frequency_);
    auto* rateRow = new QHBoxLayout;
    rateRow->setContentsMargins(0, 0, 0, 0);
    rateRow->addWidget(symbolRate_);
    rateRow->addWidget(bandwidth_);
    symbolRateLabel_ = form.addRow(tr(" Symbol Rate"), "symbolRateLabel", rateRow);
    polarityLabel_ = form.addRow(tr(" Polarity"), "polarityLabel", polarity_);
    transmissionLabel_ = form.addRow(tr(" Transmission"), "transmissionLabel", transmission_);
    auto* fecRow = new QHBoxLayout;
    fecRow->setContentsMargins(0, 0, 0, 0);
    fecRow->addWidget(fec_, 1);
    fecRow->addWidget(pilot_);
    fecLabel_ = form.addRow(tr(" FEC"), "fecLabel", fecRow);
    form.addRow(tr(" Freq Drift"), "freqDriftLabel", freqDrift_);
    form.addRow(tr(" GMT Error"), "gmtErrorLabel", gmtError_);
    ok_ = form.addOkButton();
}

void TransponderPage::ShowTransponder(const TpInfo& tp)
{
    workTp_.copyFrom(tp);
    WriteInteger(frequency_, tp.frequency);
    WriteInteger(freqDrift_, tp.freqDrift);
    FormatField(gmtError_, tp.gmtError, 0, tp.gmtError != NO_GMT_ERROR);
    if (tp.netIndex == TERRESTRIAL_SLOT)
        showTerrestrial();
    else
        showSatellite(tp);
    rememberControls();
}

void TransponderPage::rememberControls()
{
    shown_.remember({name_, frequency_, symbolRate_, bandwidth_, polarity_, transmission_, fec_, pilot_,
                     freqDrift_, gmtError_});
}

void TransponderPage::showTerrestrial()
{
    // The channel's name is the two characters of its fourth extra word, high byte first; a zero
    // byte ends it.
    std::string characters;
    for (int shift : {8, 0}) {
        const auto byte = static_cast<char>((workTp_.tpExtra[3] >> shift) & 0xFF);
        if (byte == 0)
            break;
        characters += byte;
    }
    name_->setText(QString::fromStdString(encoding_.toUtf8(characters)));
    symbolRateLabel_->setText(tr(" Bandwidth"));
    symbolRate_->hide();
    bandwidth_->show();
    SelectPosition(polarity_, -1);
    SelectPosition(transmission_, -1);
    SelectPosition(fec_, -1);
    pilot_->setChecked(false);
    setSatelliteControlsEnabled(false);
    setNameToolTip(QString());
    SelectPosition(bandwidth_, workTp_.symbolRate);
    terrestrialMode_ = true;
}

void TransponderPage::showSatellite(const TpInfo& tp)
{
    name_->setText(QString::fromStdString(encoding_.toUtf8(tp.name)));
    symbolRateLabel_->setText(tr(" Symbol Rate"));
    bandwidth_->hide();
    symbolRate_->show();
    setSatelliteControlsEnabled(true);
    name_->setEnabled(nameStored_);
    setNameToolTip(nameStored_ ? QString()
                               : tr("The layout of this file has no room for transponder names."));
    terrestrialMode_ = false;
    WriteInteger(symbolRate_, tp.symbolRate);
    SelectPosition(polarity_, tp.polarity());
    const int transmission = !tp.isDvbS2() ? 0 : (tp.tpFlags & TP_8PSK) ? 1 : 2;
    SelectPosition(transmission_, transmission);
    pilot_->setChecked(tp.tpExtra[3] & TP_EXTRA_PILOT);
    pilot_->setEnabled(transmission != 0);
    RebuildFecList(tp.isDvbS2());
    selectFecCode(tp.fec(), tp.isDvbS2());
}

void TransponderPage::setSatelliteControlsEnabled(bool enabled)
{
    for (QWidget* widget : std::initializer_list<QWidget*>{
             name_, polarityLabel_, polarity_, transmissionLabel_, transmission_, fecLabel_, fec_, pilot_})
        widget->setEnabled(enabled);
}

void TransponderPage::setNameToolTip(const QString& text)
{
    name_->setToolTip(text);
    nameLabel_->setToolTip(text);
}

void TransponderPage::selectFecCode(int code, bool dvbS2)
{
    int position = -1;
    if (dvbS2)
        position = code == 0 ? 1 : code <= kDvbs2FecCount ? code - 1 : -1; // "AUTO" shows as "2/3"
    else
        position = code < kDvbsFecCount ? code : -1;
    SelectPosition(fec_, position);
}

void TransponderPage::RebuildFecList(bool dvbS2)
{
    const bool wasLong = fec_->count() > kDvbsFecCount;
    const int old = ShownPosition(fec_);
    fec_->clear();
    const int count = dvbS2 ? static_cast<int>(kFecNames.size()) : kDvbsFecCount;
    for (int code = dvbS2 ? 1 : 0; code < count; ++code)
        fec_->addItem(fecName(code));

    int position = old;
    if (wasLong && !dvbS2)
        position = old < 5 ? old + 1 : 0;
    else if (!wasLong && dvbS2)
        position = old > 0 ? old - 1 : 0;
    SelectPosition(fec_, position);
}

void TransponderPage::onTransmissionChanged(int position)
{
    RebuildFecList(position != 0);
    pilot_->setEnabled(position != 0);
}

int TransponderPage::ReadTransponderPage()
{
    if (!terrestrialMode_ && shown_.changed({name_}) && !plainNameMayBeStored(prompter_, encoding_, *name_))
        return 1;
    // Each field is read only when the user changed its controls; the others keep their stored values.
    if (shown_.changed({frequency_}))
        workTp_.frequency = readWord(frequency_);
    if (terrestrialMode_) {
        if (shown_.changed({bandwidth_}) && bandwidth_->currentIndex() >= 0)
            workTp_.symbolRate = static_cast<uint16_t>(bandwidth_->currentIndex());
    } else {
        readSatellite();
    }
    if (shown_.changed({freqDrift_}))
        workTp_.freqDrift = static_cast<uint8_t>(ParseNumber(freqDrift_));
    if (shown_.changed({gmtError_}))
        workTp_.gmtError = ReadInteger(gmtError_->text()).value_or(NO_GMT_ERROR);
    // From now on a change is one made after this reading, which the working copy already holds.
    rememberControls();
    return 0;
}

void TransponderPage::readSatellite()
{
    // An untouched name keeps its bytes, even those the name encoding cannot show.
    if (shown_.changed({name_}))
        workTp_.name = encoding_.fromUtf8(name_->text().toStdString());
    if (shown_.changed({symbolRate_}))
        workTp_.symbolRate = readWord(symbolRate_);
    uint8_t flags = workTp_.tpFlags;
    if (shown_.changed({polarity_}) && polarity_->currentIndex() >= 0)
        flags = static_cast<uint8_t>((flags & ~TP_POLARITY_MASK) | polarity_->currentIndex());
    const int transmission = transmission_->currentIndex();
    if (shown_.changed({transmission_}) && transmission >= 0) {
        flags &= static_cast<uint8_t>(~(TP_DVBS2 | TP_8PSK));
        flags |= static_cast<uint8_t>((transmission != 0 ? TP_DVBS2 : 0) | (transmission == 1 ? TP_8PSK : 0));
    }
    // A FEC box that names no entry keeps the stored code.
    const int fec = ShownPosition(fec_);
    if (shown_.changed({fec_}) && fec >= 0) {
        const int code = (flags & TP_DVBS2) ? fec + 1 : fec;
        flags = static_cast<uint8_t>((flags & 0x0F) | (code << 4));
    }
    workTp_.tpFlags = flags;
    if (shown_.changed({pilot_})) {
        uint16_t& word = workTp_.tpExtra[3];
        word = static_cast<uint16_t>(pilot_->isChecked() ? word | TP_EXTRA_PILOT : word & ~TP_EXTRA_PILOT);
    }
}

} // namespace kvx
