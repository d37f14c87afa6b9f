#include "panels/networkpage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "db/fieldtext.h"
#include "db/tables.h"
#include "panels/controlfactory.h"
#include "panels/fieldhelpers.h"
#include "panels/namecheck.h"
#include "panels/numbervalidator.h"
#include "panels/pageform.h"
#include "platform/nameencoding.h"
#include "ui/coretexts.h"

namespace kvx {

namespace {

const QStringList kLnbFrequencyChoices = {"5150",  "5700",  "5750",  "9750",  "10000", "10050",
                                          "10600", "10750", "11200", "11250", "11300", "11475"};

template <std::size_t N>
QStringList choiceTexts(const std::array<std::string_view, N>& table)
{
    QStringList texts;
    for (std::string_view text : table)
        texts << coreText("Tables", std::string(text));
    return texts;
}

constexpr int kMaxSkewAngle = 179;

QStringList numberTexts(int from, int to)
{
    QStringList texts;
    for (int n = from; n <= to; ++n)
        texts << QString::number(n);
    return texts;
}

int readWhole(const QComboBox* list)
{
    return ReadInteger(list->currentText()).value_or(0);
}

// An LNB frequency list that takes typed frequencies up to the 16 bits the record holds.
QComboBox* makeFrequencyList(QWidget* parent, const QString& name)
{
    QComboBox* list = makeChoiceList(parent, name, kLnbFrequencyChoices, true);
    list->setValidator(new NumberValidator(0, 0xFFFF, NumberValidator::Form::Decimal, list));
    return list;
}

} // namespace

NetworkPage::NetworkPage(const NameEncoding& encoding, QWidget* parent)
        : QWidget(parent)
        , encoding_(encoding)
{
    setObjectName("networkPage");
    buildControls();
    connectActions();
}

void NetworkPage::buildControls()
{
    name_ = makeField(this, "name", 254);
    degree_ = makeField(this, "degree");
    lnbType_ = makeChoiceList(this, "lnbType", choiceTexts(kLnbKindNames), false);
    lnbFreq_ = makeFrequencyList(this, "lnbFreq");
    lnbFreqH_ = makeFrequencyList(this, "lnbFreqH");
    lnbPower_ = makeChoiceList(this, "lnbPower", choiceTexts(kLnbPowerNames), false);
    switch22k_ = makeCheck(this, "switch22k", tr("On"));
    switch12v_ = makeCheck(this, "switch12v", tr("On"));
    switchLevel_ = makeChoiceList(this, "diseqcSwitchLevel", choiceTexts(kDiseqcSwitchLevels), false);
    switch10_ = makeChoiceList(this, "diseqcSwitch10", numberTexts(1, 4), false);
    switch11_ = makeChoiceList(this, "diseqcSwitch11", numberTexts(1, 16), false);
    positionerLevel_ =
        makeChoiceList(this, "diseqcPositionerLevel", choiceTexts(kDiseqcPositionerLevels), false);
    positionerId_ = makeNumberField(this, "diseqcPositionerId", 0, 0xFF);
    skewController_ = makeCheck(this, "skewController", tr("Exists"));
    skewAngleV_ = makeNumberField(this, "skewAngleV", 0, kMaxSkewAngle);
    skewAngleH_ = makeNumberField(this, "skewAngleH", 0, kMaxSkewAngle);

    PageForm form(this);
    form.addRow(tr(" Name"), "nameLabel", name_);
    const std::pair<const char*, QWidget*> rows[] = {
        {QT_TR_NOOP(" Degree"), degree_},
        {QT_TR_NOOP(" LNB Type"), lnbType_},
        {QT_TR_NOOP(" LNB Freq"), lnbFreq_},
        {QT_TR_NOOP(" LNB Freq H"), lnbFreqH_},
        {QT_TR_NOOP(" LNB Power/Switch"), lnbPower_},
        {QT_TR_NOOP(" 22Khz Switch"), switch22k_},
        {QT_TR_NOOP(" 12V Switch"), switch12v_},
        {QT_TR_NOOP(" DiSEqC Switch Level"), switchLevel_},
        {QT_TR_NOOP(" DiSEqC Switch 1.0"), switch10_},
        {QT_TR_NOOP(" DiSEqC Switch 1.1"), switch11_},
        {QT_TR_NOOP(" DiSEqC Positioner Level"), positionerLevel_},
        {QT_TR_NOOP(" DiSEqC Positioner ID"), positionerId_},
        {QT_TR_NOOP(" Skew Controller"), skewController_},
        {QT_TR_NOOP(" Skew Angle V"), skewAngleV_},
        {QT_TR_NOOP(" Skew Angle H"), skewAngleH_},
    };
    for (const auto& [text, field] : rows) {
        QLabel* label = form.addRow(tr(text), field->objectName() + "Label", field);
        antennaRows_ << label << field;
        if (field == skewAngleV_)
            skewAngleVLabel_ = label;
        else if (field == skewAngleH_)
            skewAngleHLabel_ = label;
    }
    ok_ = form.addOkButton(&separator_);
    antennaRows_ << separator_ << ok_;
}

void NetworkPage::connectActions()
{
    connect(lnbType_, &QComboBox::activated, this, &NetworkPage::onLnbTypeChanged);
    connect(switchLevel_, &QComboBox::activated, this, &NetworkPage::onSwitchLevelChanged);
    connect(positionerLevel_, &QComboBox::activated, this, &NetworkPage::onPositionerLevelChanged);
    connect(skewController_, &QCheckBox::clicked, this, &NetworkPage::onSkewControllerToggled);
    connect(ok_, &QPushButton::clicked, this, &NetworkPage::okClicked);
}

void NetworkPage::ShowNetwork(const AntInfo& ant, const NetInfo& net)
{
    workAnt_ = ant;
    workNet_.copyFrom(net);
    name_->setText(QString::fromStdString(encoding_.toUtf8(net.name)));

    const bool terrestrial = net.netIndex == TERRESTRIAL_SLOT;
    showTerrestrial(terrestrial);
    terrestrialMode_ = terrestrial;
    if (terrestrial)
        return;

    degree_->setText(QString::fromStdString(net.degreeText()));
    SelectPosition(lnbType_, ant.lnbKind());
    lnbFreq_->setEditText(QString::number(ant.lnbFrequency(0)));
    lnbFreqH_->setEditText(ant.lnbKind() == 0 ? QString() : QString::number(ant.lnbFrequency(1)));
    SelectPosition(lnbPower_, ant.power & 0x03);
    switch22k_->setChecked(ant.power & 0x04);
    switch12v_->setChecked(ant.power & 0x08);
    SelectPosition(switchLevel_, ant.switchLevel());
    SelectPosition(switch10_, ant.port10());
    SelectPosition(switch11_, ant.port11());
    SelectPosition(positionerLevel_, ant.positionerLevel());
    fillPositionerId();
    skewController_->setChecked(ant.diseqc & 0x80);
    fillSkewAngles();
    applyEnablingRules();
    rememberControls();
}

void NetworkPage::rememberControls()
{
    shown_.remember({name_, degree_, lnbType_, lnbFreq_, lnbFreqH_, lnbPower_, switch22k_, switch12v_,
                     switchLevel_, switch10_, switch11_, positionerLevel_, positionerId_, skewController_,
                     skewAngleV_, skewAngleH_});
}

void NetworkPage::showTerrestrial(bool terrestrial)
{
    for (QWidget* widget : antennaRows_)
        widget->setVisible(!terrestrial);
    name_->setEnabled(!terrestrial);
}

void NetworkPage::applyEnablingRules()
{
    const int kind = workAnt_.lnbKind();
    lnbFreqH_->setEnabled(kind != 0);
    switch22k_->setEnabled(kind != 1);
    switch10_->setEnabled(workAnt_.switchLevel() & 1);
    switch11_->setEnabled(workAnt_.switchLevel() & 2);
    positionerId_->setEnabled(workAnt_.positionerLevel() & 1);
    const bool skew = (workAnt_.diseqc & 0x80) && skewAnglesStored_;
    skewAngleV_->setEnabled(skew);
    skewAngleH_->setEnabled(skew);
}

void NetworkPage::setSkewAnglesStored(bool stored)
{
    skewAnglesStored_ = stored;
    const QString why = stored ? QString() : tr("The layout of this file has no room for skew angles.");
    for (QWidget* widget : {static_cast<QWidget*>(skewAngleV_), static_cast<QWidget*>(skewAngleH_),
                            static_cast<QWidget*>(skewAngleVLabel_), static_cast<QWidget*>(skewAngleHLabel_)})
        widget->setToolTip(why);
    applyEnablingRules();
}

void NetworkPage::fillPositionerId()
{
    const bool shown = (workAnt_.positionerLevel() & 1) && workNet_.positionerId != 0;
    FormatField(positionerId_, workNet_.positionerId, 0, shown);
    shown_.remember({positionerId_});
}

void NetworkPage::fillSkewAngles()
{
    const bool shown = workAnt_.diseqc & 0x80;
    FormatField(skewAngleV_, workNet_.skewV, 0, shown);
    FormatField(skewAngleH_, workNet_.skewH, 0, shown);
    shown_.remember({skewAngleV_, skewAngleH_});
}

void NetworkPage::onLnbTypeChanged(int position)
{
    if (position < 0 || position == workAnt_.lnbKind())
        return;
    workAnt_.lnbType = static_cast<uint8_t>((position << 6) | (workAnt_.lnbType & 0x0F));
    if (position != 0)
        lnbFreqH_->setEditText(QString::number(workAnt_.lnbFrequency(1)));
    applyEnablingRules();
}

void NetworkPage::onSwitchLevelChanged(int position)
{
    if (position < 0 || position == workAnt_.switchLevel())
        return;
    workAnt_.diseqc = static_cast<uint8_t>((workAnt_.diseqc & ~0x03) | position);
    SelectPosition(switch10_, workAnt_.port10());
    SelectPosition(switch11_, workAnt_.port11());
    shown_.remember({switch10_, switch11_});
    applyEnablingRules();
}

void NetworkPage::onPositionerLevelChanged(int position)
{
    if (position < 0 || position == workAnt_.positionerLevel())
        return;
    workAnt_.diseqc = static_cast<uint8_t>((workAnt_.diseqc & ~0x0C) | (position << 2));
    fillPositionerId();
    applyEnablingRules();
}

void NetworkPage::onSkewControllerToggled(bool checked)
{
    if (checked == bool(workAnt_.diseqc & 0x80))
        return;
    workAnt_.diseqc = static_cast<uint8_t>(checked ? workAnt_.diseqc | 0x80 : workAnt_.diseqc & ~0x80);
    fillSkewAngles();
    applyEnablingRules();
}

int NetworkPage::ReadNetworkPage()
{
    if (terrestrialMode_)
        return 0;
    if (shown_.changed({name_}) && !plainNameMayBeStored(prompter_, encoding_, *name_))
        return 1;
    // Each field is read only when the user changed its controls; the others keep their stored values.
    if (shown_.changed({name_}))
        workNet_.name = encoding_.fromUtf8(name_->text().toStdString());
    if (shown_.changed({degree_}))
        workNet_.degree = parseDegree(degree_->text().toStdString());
    if (shown_.changed({lnbType_, lnbFreq_, lnbFreqH_}))
        readLnb();
    readSwitches();
    // From now on a change is one made after this reading, which the working copy already holds.
    rememberControls();
    return 0;
}

void NetworkPage::readLnb()
{
    // A list left without a choice (a record with an unknown code) keeps the stored code.
    const int kind = lnbType_->currentIndex() >= 0 ? lnbType_->currentIndex() : workAnt_.lnbKind();
    workAnt_.lnbType = static_cast<uint8_t>((kind << 6) | (workAnt_.lnbType & 0x3F));
    const auto high = static_cast<uint16_t>(kind != 0 ? readWhole(lnbFreqH_) : 0);
    const auto low = static_cast<uint16_t>(readWhole(lnbFreq_));
    workAnt_.setLnbFrequencies(low, high);
}

void NetworkPage::readSwitches()
{
    // Sets the bits from a list position or a check box the user changed.
    const auto setBits = [this](uint8_t& byte, int mask, int shift, const QWidget* control, int position) {
        if (position >= 0 && shown_.changed({control}))
            byte = static_cast<uint8_t>((byte & ~mask) | ((position << shift) & mask));
    };
    setBits(workAnt_.power, 0x03, 0, lnbPower_, lnbPower_->currentIndex());
    setBits(workAnt_.power, 0x04, 2, switch22k_, switch22k_->isChecked());
    setBits(workAnt_.power, 0x08, 3, switch12v_, switch12v_->isChecked());

    setBits(workAnt_.diseqc, 0x03, 0, switchLevel_, switchLevel_->currentIndex());
    if (workAnt_.switchLevel() & 1)
        setBits(workAnt_.ports, 0x03, 0, switch10_, switch10_->currentIndex());
    if (workAnt_.switchLevel() & 2)
        setBits(workAnt_.ports, 0xF0, 4, switch11_, switch11_->currentIndex());

    setBits(workAnt_.diseqc, 0x0C, 2, positionerLevel_, positionerLevel_->currentIndex());
    if ((workAnt_.diseqc & 0x04) && shown_.changed({positionerId_}))
        workNet_.positionerId = static_cast<uint8_t>(ReadInteger(positionerId_->text()).value_or(0));

    setBits(workAnt_.diseqc, 0x80, 7, skewController_, skewController_->isChecked());
    if (workAnt_.diseqc & 0x80) {
        if (shown_.changed({skewAngleV_}))
            workNet_.skewV = parseSkewAngle(skewAngleV_->text().toStdString(), NetInfo::kDefaultSkewV);
        if (shown_.changed({skewAngleH_}))
            workNet_.skewH = parseSkewAngle(skewAngleH_->text().toStdString(), NetInfo::kDefaultSkewH);
    }
}

} // namespace kvx
