#include "panels/programpage.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "db/tables.h"
#include "panels/controlfactory.h"
#include "panels/dlgaudio.h"
#include "panels/fieldhelpers.h"
#include "panels/namecheck.h"
#include "panels/pageform.h"
#include "platform/nameencoding.h"
#include "platform/systemlanguage.h"

namespace kvx {

namespace {

constexpr uint32_t kCaEditableBits = CA_SYSTEM_BITS;
constexpr uint32_t kCaKeptBits = 0x3FFF0000u; // bits 16-29 are not the page's
// A name field holds a short string of at most 254 bytes; a code-page marker takes two of them.
constexpr int kMaxNameLength = 254;
constexpr int kMaxMarkedNameLength = 253;

// Object names of the CA boxes, in the order of the CA name table.
const char* const kCaBoxNames[15] = {"caViaccess",    "caSeca",       "caIrdeto",    "caNagravision2",
                                     "caNagravision", "caAlphacrypt", "caBetacrypt", "caConax",
                                     "caCryptoworks", "caNds",        "caPowerVu",   "caSkycrypt",
                                     "caFirecrypt",   "caXcrypt",     "caUnknown"};

QHBoxLayout* fieldWithBox(QWidget* field, QWidget* box)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(field, 1);
    row->addWidget(box);
    return row;
}

bool firstWordIsNone(const PidList& list)
{
    return list.empty() || list.pidWord(0) == NO_PID;
}

uint16_t parsePid16(const QLineEdit* field)
{
    return static_cast<uint16_t>(ParseNumber(field));
}

} // namespace

ProgramPage::ProgramPage(const NameEncoding& encoding, uint16_t systemLanguage, QWidget* parent)
        : QWidget(parent)
        , encoding_(encoding)
        , systemLanguage_(systemLanguage)
        , langCodePages_(defaultLangCodePages())
{
    setObjectName("programPage");
    audioEditor_ = [this](const PidList& list) -> std::optional<PidList> {
        CDlgAudio dialog(this);
        dialog.setPidList(list);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.pidList();
    };
    buildControls();
    connectActions();
}

ProgramPage::LangCodePages ProgramPage::defaultLangCodePages()
{
    return {{static_cast<uint8_t>(LANG_RUSSIAN), NAME_CODE_PAGE_ISO8859_5}};
}

void ProgramPage::buildControls()
{
    name_ = makeField(this, "name", kMaxNameLength);
    serviceId_ = makeNumberField(this, "serviceId", 0, 0xFFFF, true);
    tv_ = new QRadioButton(tr("TV"), this);
    tv_->setObjectName("serviceTypeTv");
    radio_ = new QRadioButton(tr("Radio"), this);
    radio_->setObjectName("serviceTypeRadio");
    auto* types = new QButtonGroup(this);
    types->addButton(tv_);
    types->addButton(radio_);
    pmtPid_ = makeNumberField(this, "pmtPid", 0, 0xFFFF, true);
    pcrPid_ = makeNumberField(this, "pcrPid", 0, 0xFFFF, true);
    videoPid_ = makeNumberField(this, "videoPid", 0, 0xFFFF, true); // the whole word, marks included
    audioPid_ = makeNumberField(this, "audioPid", 0, PID_MASK, true);
    ac3_ = makeCheck(this, "ac3", "AC3");
    teletextPid_ = makeNumberField(this, "teletextPid", 0, PID_MASK, true);
    subtitles_ = makeCheck(this, "subtitles", tr("Subt"));
    scrambled_ = makeCheck(this, "scrambled", tr("Scrambled"));
    // The two marks beside their fields share one width, so the fields line up.
    const int markWidth = std::max(ac3_->sizeHint().width(), subtitles_->sizeHint().width());
    ac3_->setMinimumWidth(markWidth);
    subtitles_->setMinimumWidth(markWidth);
    moreAudio_ = new QPushButton(tr("More Audio..."), this);
    moreAudio_->setObjectName("moreAudio");

    PageForm form(this);
    form.addRow(tr(" Name"), "nameLabel", name_);
    form.addRow(tr(" Service ID"), "serviceIdLabel", serviceId_);
    auto* typeRow = new QHBoxLayout;
    typeRow->setContentsMargins(0, 0, 0, 0);
    typeRow->addWidget(tv_);
    typeRow->addWidget(radio_);
    typeRow->addStretch(1);
    form.addRow(tr(" Service Type"), "serviceTypeLabel", typeRow);
    form.addRow(tr(" PMT PID"), "pmtPidLabel", pmtPid_);
    form.addRow(tr(" PCR PID"), "pcrPidLabel", pcrPid_);
    form.addRow(tr(" Video PID"), "videoPidLabel", videoPid_);
    form.addRow(tr(" Audio PID"), "audioPidLabel", fieldWithBox(audioPid_, ac3_));
    form.addRow(tr(" Teletext PID"), "teletextPidLabel", fieldWithBox(teletextPid_, subtitles_));
    form.addRow(tr(" CA"), "caLabel", scrambled_);
    form.addWide(buildCaGrid());
    auto* audioRow = new QHBoxLayout;
    audioRow->addStretch(1);
    audioRow->addWidget(moreAudio_);
    form.layout()->addRow(audioRow);
    form.addWide(buildAttributes());
    ok_ = form.addOkButton();
}

QWidget* ProgramPage::buildCaGrid()
{
    auto* grid = new QWidget(this);
    grid->setObjectName("caSystems");
    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(8, 0, 0, 0);
    layout->setHorizontalSpacing(6);
    layout->setVerticalSpacing(2);
    for (int k = 0; k < static_cast<int>(caBoxes_.size()); ++k) {
        const auto name = kCaSystemNames[static_cast<std::size_t>(k)];
        QCheckBox* box = makeCheck(grid, kCaBoxNames[k], QString::fromLatin1(name.data(), int(name.size())));
        caBoxes_[static_cast<std::size_t>(k)] = {caSystemBit(k), box};
        layout->addWidget(box, k / 3, k % 3);
    }
    return grid;
}

QWidget* ProgramPage::buildAttributes()
{
    auto* group = new QGroupBox(tr("Attributes"), this);
    group->setObjectName("attributes");
    auto* layout = new QVBoxLayout(group);
    layout->setSpacing(2);
    lock_ = makeCheck(group, "lock", tr("Lock"));
    skip_ = makeCheck(group, "skip", tr("Skip"));
    keepServiceId_ = makeCheck(group, "keepServiceId", tr("Don't update with service ID"));
    keepName_ = makeCheck(group, "keepName", tr("Don't update name"));
    keepPids_ = makeCheck(group, "keepPids", tr("Don't update video/audio PIDs"));
    for (QCheckBox* box : {lock_, skip_, keepServiceId_, keepName_, keepPids_})
        layout->addWidget(box);
    return group;
}

void ProgramPage::connectActions()
{
    connect(tv_, &QRadioButton::clicked, this, [this] { onServiceTypeClicked(false); });
    connect(radio_, &QRadioButton::clicked, this, [this] { onServiceTypeClicked(true); });
    connect(scrambled_, &QCheckBox::clicked, this, &ProgramPage::setCaBoxesEnabled);
    connect(moreAudio_, &QPushButton::clicked, this, &ProgramPage::onMoreAudio);
    connect(ac3_, &QCheckBox::clicked, this, &ProgramPage::onAc3Clicked);
    connect(ok_, &QPushButton::clicked, this, &ProgramPage::okClicked);
}

void ProgramPage::ShowProgram(const ProgInfo& prog)
{
    workProg_.copyFrom(prog);
    workProg_.spareWord = prog.spareWord;
    workProg_.favMask = prog.favMask;
    videoPid_->setEnabled(!prog.isRadio());
    showName();

    FormatField(serviceId_, prog.serviceId, 4, prog.serviceId != 0);
    (prog.isRadio() ? radio_ : tv_)->setChecked(true);
    FormatField(pmtPid_, prog.pmtPid, 4, prog.pmtPid != NO_PID);
    FormatField(pcrPid_, prog.pcrPid, 4, prog.pcrPid != NO_PID);
    const PidList& video = prog.videoPids;
    FormatField(videoPid_, firstWordIsNone(video) ? 0 : video.pidWord(0), 4, !firstWordIsNone(video));
    showAudioFields();
    const PidList& teletext = prog.teletextPids;
    const bool hasTeletext = !firstWordIsNone(teletext);
    FormatField(teletextPid_, hasTeletext ? teletext.pidWord(0) & PID_MASK : 0, 4, hasTeletext);
    subtitles_->setChecked(hasTeletext && (teletext.pidWord(0) & PID_FLAG_AC3));

    const bool scrambled = prog.attributes & ATTR_SCRAMBLED;
    scrambled_->setChecked(scrambled);
    for (const CaBox& ca : caBoxes_)
        ca.box->setChecked(prog.caSystems & (1u << ca.bit));
    setCaBoxesEnabled(scrambled);
    lock_->setChecked(prog.attributes & ATTR_LOCK);
    skip_->setChecked(prog.attributes & ATTR_SKIP);
    keepServiceId_->setChecked(prog.attributes & ATTR_KEEP_SERVICE_ID);
    keepName_->setChecked(prog.attributes & ATTR_KEEP_NAME);
    keepPids_->setChecked(prog.attributes & ATTR_KEEP_PIDS);
    rememberControls();
}

void ProgramPage::rememberControls()
{
    shown_.remember({name_, serviceId_, tv_, radio_, pmtPid_, pcrPid_, videoPid_, audioPid_, ac3_,
                     teletextPid_, subtitles_, scrambled_, lock_, skip_, keepServiceId_, keepName_,
                     keepPids_});
    for (const CaBox& ca : caBoxes_)
        shown_.remember({ca.box});
}

bool ProgramPage::caBoxesChanged() const
{
    return std::any_of(caBoxes_.begin(), caBoxes_.end(),
                       [this](const CaBox& ca) { return shown_.changed({ca.box}); });
}

void ProgramPage::showName()
{
    const std::string& bytes = workProg_.name;
    // A name marked as ISO 8859-5 is shown readable whatever the name encoding is.
    const std::string text =
        workProg_.hasIsoName() ? NameEncoding::iso88595ToUtf8(bytes) : encoding_.toUtf8(bytes);
    name_->setMaxLength(workProg_.nameCodePage == NAME_CODE_PAGE_NONE ? kMaxNameLength
                                                                      : kMaxMarkedNameLength);
    filledName_ = QString::fromStdString(text);
    name_->setText(filledName_);
}

void ProgramPage::showAudioFields()
{
    const PidList& audio = workProg_.audioPids;
    const bool hasAudio = !firstWordIsNone(audio);
    FormatField(audioPid_, hasAudio ? audio.pidWord(0) & PID_MASK : 0, 4, hasAudio);
    ac3_->setChecked(hasAudio && (audio.combinedWords() & PID_FLAG_AC3));
    shown_.remember({audioPid_, ac3_});
}

void ProgramPage::setCaBoxesEnabled(bool enabled)
{
    for (const CaBox& ca : caBoxes_)
        ca.box->setEnabled(enabled);
}

void ProgramPage::onServiceTypeClicked(bool radio)
{
    if (radio == workProg_.isRadio())
        return;
    workProg_.attributes = static_cast<uint8_t>(workProg_.attributes ^ ATTR_RADIO);
    videoPid_->setEnabled(!radio);
}

void ProgramPage::onMoreAudio()
{
    const std::optional<PidList> edited = audioEditor_(workProg_.audioPids);
    if (!edited)
        return;
    workProg_.audioPids = *edited;
    showAudioFields();
}

void ProgramPage::onAc3Clicked(bool checked)
{
    // With several tracks the mark belongs to each track, so the box leads to the audio dialog.
    if (workProg_.audioPids.size() > 1) {
        ac3_->setChecked(!checked);
        onMoreAudio();
    }
}

int ProgramPage::ReadProgramPage(int ask)
{
    // Each field is read only when the user changed its controls; the others keep their stored values.
    // The OK button may mark a name typed since the page was filled, even one read before.
    const uint8_t marker = workProg_.nameCodePage;
    if (marker == NAME_CODE_PAGE_NONE && ask == 0 && name_->text() != filledName_)
        detectNameCodePage();
    if (shown_.changed({name_}) || workProg_.nameCodePage != marker) {
        if (!nameMayBeStored()) {
            workProg_.nameCodePage = marker;
            return 1;
        }
        readName();
    }
    if (shown_.changed({serviceId_}))
        workProg_.serviceId = static_cast<uint16_t>(ParseNumber(serviceId_));
    if (shown_.changed({pmtPid_}))
        workProg_.pmtPid = readPidOrNone(pmtPid_);
    if (shown_.changed({pcrPid_}))
        workProg_.pcrPid = readPidOrNone(pcrPid_);
    readVideo();
    if (shown_.changed({audioPid_, ac3_}))
        readAudio();
    if (shown_.changed({teletextPid_, subtitles_}))
        readTeletext();
    readCaAndAttributes();
    // From now on a change is one made after this reading, which the working copy already holds.
    rememberControls();
    return 0;
}

void ProgramPage::detectNameCodePage()
{
    const std::string text = name_->text().toStdString();
    const std::string bytes = encoding_.fromUtf8(text);
    const bool nonLatin = !encoding_.canEncode(text) ||
                          std::any_of(bytes.begin(), bytes.end(), [](char c) { return uint8_t(c) > 128; });
    if (!nonLatin)
        return;
    const auto found = langCodePages_.find(static_cast<uint8_t>(systemLanguage_ & 0xFF));
    // A language without an entry leaves the name in the name encoding, unmarked.
    if (found == langCodePages_.end())
        return;
    // The marker is given only where it loses nothing: every character must exist in the marked code
    // page, and the name must leave room for the marker.
    const uint8_t marker = found->second;
    const bool fits = marker == NAME_CODE_PAGE_ISO8859_5 ? NameEncoding::canEncodeIso88595(text)
                                                         : encoding_.canEncode(text);
    if (fits && name_->text().size() <= kMaxMarkedNameLength)
        workProg_.nameCodePage = marker;
}

bool ProgramPage::nameMayBeStored()
{
    if (prompter_ == nullptr)
        return true;
    const QString text = name_->text();
    const bool mayMark = workProg_.nameCodePage == NAME_CODE_PAGE_NONE && text.size() <= kMaxMarkedNameLength;
    const NameCheck check = workProg_.hasIsoName() ? checkTypedCyrillicName(*prompter_, text)
                                                   : checkTypedName(*prompter_, encoding_, text, mayMark);
    if (check == NameCheck::StoreAsCyrillic)
        workProg_.nameCodePage = NAME_CODE_PAGE_ISO8859_5;
    if (check != NameCheck::BackToField)
        return true;
    returnToNameField(*name_);
    return false;
}

void ProgramPage::readName()
{
    const std::string text = name_->text().toStdString();
    workProg_.name = workProg_.hasIsoName() ? NameEncoding::utf8ToIso88595(text) : encoding_.fromUtf8(text);
}

uint16_t ProgramPage::readPidOrNone(const QLineEdit* field)
{
    const uint16_t pid = parsePid16(field);
    return pid == 0 ? NO_PID : pid;
}

void ProgramPage::readVideo()
{
    PidList& video = workProg_.videoPids;
    // A program the user made a radio program loses its video; one stored as radio keeps what it has.
    if (workProg_.isRadio()) {
        if (shown_.changed({tv_, radio_}))
            video.clear();
        return;
    }
    if (!shown_.changed({videoPid_, tv_, radio_}))
        return;
    const uint16_t value = parsePid16(videoPid_);
    if (value == 0) {
        video.clear();
    } else if (video.size() == 1) {
        video.set(0, {video.language(0), value});
    } else {
        video.clear();
        video.append(NO_LANGUAGE, value);
    }
}

void ProgramPage::readAudio()
{
    PidList& audio = workProg_.audioPids;
    const uint16_t value = parsePid16(audioPid_);
    if (value == 0) {
        audio.clear();
        return;
    }
    const bool severalTracks = audio.size() >= 2;
    const bool ac3 = severalTracks ? (audio.pidWord(0) & PID_FLAG_AC3) : ac3_->isChecked();
    const auto word = static_cast<uint16_t>((value & PID_MASK) | (ac3 ? PID_FLAG_AC3 : 0));
    if (audio.empty())
        audio.append(NO_LANGUAGE, word);
    else if (audio.pidWord(0) != word)
        audio.set(0, {audio.language(0), word}); // also fills a first track that had no PID
}

void ProgramPage::readTeletext()
{
    PidList& teletext = workProg_.teletextPids;
    const uint16_t value = parsePid16(teletextPid_);
    if (value == 0) {
        teletext.clear();
        return;
    }
    const auto word =
        static_cast<uint16_t>((value & PID_MASK) | (subtitles_->isChecked() ? PID_FLAG_AC3 : 0));
    if (teletext.size() == 1) {
        teletext.set(0, {teletext.language(0), word});
    } else {
        teletext.clear();
        teletext.append(NO_LANGUAGE, word);
    }
}

void ProgramPage::readCaAndAttributes()
{
    uint8_t& attributes = workProg_.attributes;
    const auto setBit = [&attributes](QCheckBox* box, uint8_t bit) {
        attributes = static_cast<uint8_t>(box->isChecked() ? attributes | bit : attributes & ~bit);
    };
    if (shown_.changed({scrambled_}))
        setBit(scrambled_, ATTR_SCRAMBLED);
    if (scrambled_->isChecked() && caBoxesChanged()) {
        uint32_t ca = workProg_.caSystems & kCaKeptBits;
        for (const CaBox& caBox : caBoxes_)
            if (caBox.box->isChecked())
                ca |= 1u << caBox.bit;
        workProg_.caSystems = ca & (kCaKeptBits | kCaEditableBits);
    }
    const std::pair<QCheckBox*, uint8_t> boxes[] = {{lock_, ATTR_LOCK},
                                                    {skip_, ATTR_SKIP},
                                                    {keepPids_, ATTR_KEEP_PIDS},
                                                    {keepName_, ATTR_KEEP_NAME},
                                                    {keepServiceId_, ATTR_KEEP_SERVICE_ID}};
    for (const auto& [box, bit] : boxes)
        if (shown_.changed({box}))
            setBit(box, bit);
}

} // namespace kvx
