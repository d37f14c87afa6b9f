#include "panels/editbar.h"

#include <QLabel>
#include <QScrollArea>

#include "db/tables.h"
#include "panels/networkpage.h"
#include "panels/transponderpage.h"
#include "platform/systemlanguage.h"

namespace kvx {

namespace {

constexpr int kPageMinimumWidth = 240;
// Wide enough for the program page's three columns of CA boxes.
constexpr int kPageHintWidth = 350;

// Every page asks for the same width, so a page switch leaves the dock as wide as it was; a short or
// narrow dock scrolls the page rather than squeezing its fields.
class PageScrollArea : public QScrollArea {
public:
    QSize sizeHint() const override { return {kPageHintWidth, QScrollArea::sizeHint().height()}; }
    QSize minimumSizeHint() const override { return {kPageMinimumWidth, 0}; }
};

} // namespace

CEditBar::CEditBar(const NameEncoding& encoding, QWidget* parent)
        : QDockWidget(parent)
        , encoding_(&encoding)
        , systemLanguage_(systemLanguageId())
        , langCodePages_(ProgramPage::defaultLangCodePages())
{
    setObjectName(QStringLiteral("EditBar"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    setWidget(makeEmptyPage());
    setWindowTitle(pageCaption(PAGE_EMPTY));
}

QString CEditBar::pageCaption(int page)
{
    switch (page) {
    case PAGE_NETWORK: return tr("Network");
    case PAGE_TRANSPONDER: return tr("Transponder");
    case PAGE_PROGRAM: return tr("Program");
    default: return QString();
    }
}

int CEditBar::SwitchPage(int page)
{
    if (page == page_)
        return 0;
    page_ = page;
    // Replacing the inner widget keeps the dock's place and width; the new page starts from its
    // initial choice lists.
    QWidget* old = widget();
    setWidget(page == PAGE_EMPTY ? makeEmptyPage() : makePage());
    delete old;
    setWindowTitle(pageCaption(page));
    emit stateChanged();
    return 1;
}

QWidget* CEditBar::makeEmptyPage() const
{
    auto* text = new QLabel(tr("Empty"));
    text->setObjectName(QStringLiteral("emptyText"));
    text->setAlignment(Qt::AlignCenter);
    text->setMinimumWidth(kPageMinimumWidth);
    return text;
}

QWidget* CEditBar::makePage()
{
    QWidget* page = nullptr;
    switch (page_) {
    case PAGE_NETWORK:
        networkPage_ = new NetworkPage(*encoding_);
        networkPage_->setPrompter(prompter_);
        connect(networkPage_, &NetworkPage::okClicked, this, &CEditBar::okPressed);
        page = networkPage_;
        break;
    case PAGE_TRANSPONDER:
        transponderPage_ = new TransponderPage(*encoding_);
        transponderPage_->setPrompter(prompter_);
        connect(transponderPage_, &TransponderPage::okClicked, this, &CEditBar::okPressed);
        page = transponderPage_;
        break;
    default:
        programPage_ = new ProgramPage(*encoding_, systemLanguage_);
        programPage_->setPrompter(prompter_);
        programPage_->setLangCodePages(langCodePages_);
        if (audioEditor_)
            programPage_->setAudioEditor(audioEditor_);
        connect(programPage_, &ProgramPage::okClicked, this, &CEditBar::okPressed);
        page = programPage_;
        break;
    }
    auto* scroll = new PageScrollArea;
    scroll->setObjectName(QStringLiteral("pageScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(page);
    return scroll;
}

void CEditBar::ShowEmpty()
{
    SwitchPage(PAGE_EMPTY);
}

void CEditBar::ShowNetwork(const AntInfo& ant, const NetInfo& net)
{
    SwitchPage(PAGE_NETWORK);
    networkPage_->setSkewAnglesStored(layoutFlags_ & FLAG_NET_SKEW);
    networkPage_->ShowNetwork(ant, net);
    workAnt_ = networkPage_->workAnt();
    workNet_.copyFrom(networkPage_->workNet());
    terrestrialMode_ = networkPage_->terrestrialMode();
    emit stateChanged();
}

void CEditBar::ShowTransponder(const TpInfo& tp)
{
    SwitchPage(PAGE_TRANSPONDER);
    transponderPage_->setNameStored(layoutFlags_ & FLAG_TP_NAMES);
    transponderPage_->ShowTransponder(tp);
    workTp_.copyFrom(transponderPage_->workTp());
    terrestrialMode_ = transponderPage_->terrestrialMode();
    emit stateChanged();
}

void CEditBar::ShowProgram(const ProgInfo& prog)
{
    SwitchPage(PAGE_PROGRAM);
    programPage_->ShowProgram(prog);
    workProg_ = programPage_->workProg();
    terrestrialMode_ = false;
    emit stateChanged();
}

int CEditBar::ReadNetworkPage()
{
    if (page_ != PAGE_NETWORK || !networkPage_)
        return READ_OTHER_PAGE;
    if (networkPage_->ReadNetworkPage() != 0)
        return READ_REFUSED;
    workAnt_ = networkPage_->workAnt();
    workNet_.copyFrom(networkPage_->workNet());
    return READ_OK;
}

int CEditBar::ReadTransponderPage()
{
    if (page_ != PAGE_TRANSPONDER || !transponderPage_)
        return READ_OTHER_PAGE;
    if (transponderPage_->ReadTransponderPage() != 0)
        return READ_REFUSED;
    workTp_.copyFrom(transponderPage_->workTp());
    return READ_OK;
}

int CEditBar::ReadProgramPage(int ask)
{
    if (page_ != PAGE_PROGRAM || !programPage_)
        return READ_OTHER_PAGE;
    if (programPage_->ReadProgramPage(ask) != 0)
        return READ_REFUSED;
    workProg_ = programPage_->workProg();
    return READ_OK;
}

void CEditBar::setNameEncoding(const NameEncoding& encoding)
{
    encoding_ = &encoding;
    // The pages decode names with the encoding they were made with: make the shown one again.
    const int shown = page_;
    SwitchPage(PAGE_EMPTY);
    switch (shown) {
    case PAGE_NETWORK: ShowNetwork(AntInfo(workAnt_), NetInfo(workNet_)); break;
    case PAGE_TRANSPONDER: ShowTransponder(TpInfo(workTp_)); break;
    case PAGE_PROGRAM: ShowProgram(ProgInfo(workProg_)); break;
    default: break;
    }
}

void CEditBar::setSystemLanguage(uint16_t language)
{
    systemLanguage_ = language;
    if (programPage_)
        programPage_->setSystemLanguage(language);
}

void CEditBar::setAudioEditor(ProgramPage::AudioEditor editor)
{
    audioEditor_ = std::move(editor);
    if (programPage_ && audioEditor_)
        programPage_->setAudioEditor(audioEditor_);
}

} // namespace kvx
