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
#include "panels/pageform.h"
#include "platform/nameencoding.h"
#include "platform/systemlanguage.h"

namespace kvx {

namespace {

constexpr uint32_t kCaEditableBits = 0x40003FFFu; // bits 0-13 and 30
constexpr uint32_t kCaKeptBits = 0x3FFF0000u;     // bits 16-29 are not the page's
constexpr uint8_t kAttributeBoxBits =
    ATTR_LOCK | ATTR_SKIP | ATTR_KEEP_PIDS | ATTR_KEEP_NAME | ATTR_KEEP_SERVICE_ID;

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
    name_ = makeField(this, "name", 253);
    serviceId_ = makeField(this, "serviceId");
    tv_ = new QRadioButton("TV", this);
    tv_->setObjectName("serviceTypeTv");
    radio_ = new QRadioButton("Radio", this);
    radio_->setObjectName("serviceTypeRadio");
    auto* types = new QButtonGroup(this);
    types->addButton(tv_);
    types->addButton(radio_);
    pmtPid_ = makeField(this, "pmtPid");
    pcrPid_ = makeField(this, "pcrPid");
    videoPid_ = makeField(this, "videoPid");
    audioPid_ = makeField(this, "audioPid");
    ac3_ = makeCheck(this, "ac3", "AC3");
    teletextPid_ = makeField(this, "teletextPid");
    subtitles_ = makeCheck(this, "subtitles", "Subt");
    scrambled_ = makeCheck(this, "scrambled", "Scrambled");
    // The two marks beside their fields share one width, so the fields line up.
    const int markWidth = std::max(ac3_->sizeHint().width(), subtitles_->sizeHint().width());
    ac3_->setMinimumWidth(markWidth);
    subtitles_->setMinimumWidth(markWidth);
    moreAudio_ = new QPushButton("More Audio...", this);
    moreAudio_->setObjectName("moreAudio");

    PageForm form(this);
    form.addRow(" Name", "nameLabel", name_);
    form.addRow(" Service ID", "serviceIdLabel", serviceId_);
    auto* typeRow = new QHBoxLayout;
    typeRow->setContentsMargins(0, 0, 0, 0);
    typeRow->addWidget(tv_);
    typeRow->addWidget(radio_);
    typeRow->addStretch(1);
    form.addRow(" Service Type", "serviceTypeLabel", typeRow);
    form.addRow(" PMT PID", "pmtPidLabel", pmtPid_);
    form.addRow(" PCR PID", "pcrPidLabel", pcrPid_);
    form.addRow(" Video PID", "videoPidLabel", videoPid_);
    form.addRow(" Audio PID", "audioPidLabel", fieldWithBox(audioPid_, ac3_));
    form.addRow(" Teletext PID", "teletextPidLabel", fieldWithBox(teletextPid_, subtitles_));
    form.addRow(" CA", "caLabel", scrambled_);
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
    auto* group = new QGroupBox("Attributes", this);
    group->setObjectName("attributes");
    auto* layout = new QVBoxLayout(group);
    layout->setSpacing(2);
    lock_ = makeCheck(group, "lock", "Lock");
    skip_ = makeCheck(group, "skip", "Skip");
    keepServiceId_ = makeCheck(group, "keepServiceId", "Don't update with service ID");
    keepName_ = makeCheck(group, "keepName", "Don't update name");
    keepPids_ = makeCheck(group, "keepPids", "Don't update video/audio PIDs");
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
    shownVideo_ = videoPid_->text();
    showAudioFields();
    const PidList& teletext = prog.teletextPids;
    const bool hasTeletext = !firstWordIsNone(teletext);
    FormatField(teletextPid_, hasTeletext ? teletext.pidWord(0) & PID_MASK : 0, 4, hasTeletext);
    subtitles_->setChecked(hasTeletext && (teletext.pidWord(0) & PID_FLAG_AC3));
    shownTeletext_ = teletextPid_->text();
    shownSubtitles_ = subtitles_->isChecked();

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
}

void ProgramPage::showName()
{
    const std::string& bytes = workProg_.name;
    // A name marked as ISO 8859-5 is shown readable whatever the name encoding is.
    const std::string text =
        workProg_.hasIsoName() ? NameEncoding::iso88595ToUtf8(bytes) : encoding_.toUtf8(bytes);
    shownName_ = QString::fromStdString(text);
    shownCodePage_ = workProg_.nameCodePage;
    name_->setText(shownName_);
}

void ProgramPage::showAudioFields()
{
    const PidList& audio = workProg_.audioPids;
    const bool hasAudio = !firstWordIsNone(audio);
    FormatField(audioPid_, hasAudio ? audio.pidWord(0) & PID_MASK : 0, 4, hasAudio);
    ac3_->setChecked(hasAudio && (audio.combinedWords() & PID_FLAG_AC3));
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
    if (workProg_.nameCodePage == NAME_CODE_PAGE_NONE && ask == 0)
        detectNameCodePage();
    readName();
    workProg_.serviceId = static_cast<uint16_t>(ParseNumber(serviceId_));
    const uint16_t pmt = parsePid16(pmtPid_);
    workProg_.pmtPid = pmt == 0 ? NO_PID : pmt;
    const uint16_t pcr = parsePid16(pcrPid_);
    workProg_.pcrPid = pcr == 0 ? NO_PID : pcr;
    readVideo();
    readAudio();
    readTeletext();
    readCaAndAttributes();
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
    if (found != langCodePages_.end())
        workProg_.nameCodePage = found->second;
}

void ProgramPage::readName()
{
    // An untouched name keeps its bytes, even those its code page cannot show.
    if (name_->text() == shownName_ && workProg_.nameCodePage == shownCodePage_)
        return;
    const std::string text = name_->text().toStdString();
    workProg_.name = workProg_.hasIsoName() ? NameEncoding::utf8ToIso88595(text) : encoding_.fromUtf8(text);
}

void ProgramPage::readVideo()
{
    PidList& video = workProg_.videoPids;
    if (workProg_.isRadio()) {
        video.clear();
        return;
    }
    // An untouched field leaves the list as the file had it.
    if (videoPid_->text() == shownVideo_)
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
    if (teletextPid_->text() == shownTeletext_ && subtitles_->isChecked() == shownSubtitles_)
        return;
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
    uint8_t attributes = workProg_.attributes;
    attributes = static_cast<uint8_t>(scrambled_->isChecked() ? attributes | ATTR_SCRAMBLED
                                                              : attributes & ~ATTR_SCRAMBLED);
    if (scrambled_->isChecked()) {
        uint32_t ca = workProg_.caSystems & kCaKeptBits;
        for (const CaBox& ca_box : caBoxes_)
            if (ca_box.box->isChecked())
                ca |= 1u << ca_box.bit;
        workProg_.caSystems = ca & (kCaKeptBits | kCaEditableBits);
    }
    const std::pair<QCheckBox*, uint8_t> boxes[] = {{lock_, ATTR_LOCK},
                                                    {skip_, ATTR_SKIP},
                                                    {keepPids_, ATTR_KEEP_PIDS},
                                                    {keepName_, ATTR_KEEP_NAME},
                                                    {keepServiceId_, ATTR_KEEP_SERVICE_ID}};
    attributes &= static_cast<uint8_t>(~kAttributeBoxBits);
    for (const auto& [box, bit] : boxes)
        if (box->isChecked())
            attributes |= bit;
    workProg_.attributes = attributes;
}

} // namespace kvx
