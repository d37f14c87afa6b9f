#include "panels/editbar.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/itemlabels.h"
#include "db/tables.h"

namespace kvx {

namespace {

const auto kCaptionName = QStringLiteral("pageCaption");
const auto kRecordName = QStringLiteral("recordLabel");

} // namespace

CEditBar::CEditBar(const NameEncoding& encoding, QWidget* parent)
        : QDockWidget(parent)
        , encoding_(&encoding)
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
    // Replacing the inner widget keeps the dock's place and width.
    QWidget* old = widget();
    setWidget(page == PAGE_EMPTY ? makeEmptyPage() : makeRecordPage());
    delete old;
    setWindowTitle(pageCaption(page));
    emit stateChanged();
    return 1;
}

void CEditBar::ShowEmpty()
{
    SwitchPage(PAGE_EMPTY);
}

void CEditBar::ShowNetwork(const AntInfo& ant, const NetInfo& net)
{
    SwitchPage(PAGE_NETWORK);
    workAnt_ = ant;
    workNet_.copyFrom(net);
    terrestrialMode_ = net.netIndex == TERRESTRIAL_SLOT;
    showRecordLabel();
    emit stateChanged();
}

void CEditBar::ShowTransponder(const TpInfo& tp)
{
    SwitchPage(PAGE_TRANSPONDER);
    workTp_.copyFrom(tp);
    terrestrialMode_ = tp.isTerrestrial();
    showRecordLabel();
    emit stateChanged();
}

void CEditBar::ShowProgram(const ProgInfo& prog)
{
    SwitchPage(PAGE_PROGRAM);
    workProg_.copyFrom(prog);
    terrestrialMode_ = false;
    showRecordLabel();
    emit stateChanged();
}

void CEditBar::setNameEncoding(const NameEncoding& encoding)
{
    encoding_ = &encoding;
    showRecordLabel();
}

QWidget* CEditBar::makeEmptyPage() const
{
    auto* text = new QLabel(tr("Empty"));
    text->setObjectName(QStringLiteral("emptyText"));
    text->setAlignment(Qt::AlignCenter);
    text->setMinimumWidth(240);
    return text;
}

QWidget* CEditBar::makeRecordPage() const
{
    auto* page = new QWidget;
    auto* caption = new QLabel(pageCaption(page_));
    caption->setObjectName(kCaptionName);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    auto* record = new QLabel;
    record->setObjectName(kRecordName);
    record->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(caption);
    layout->addWidget(record);
    layout->addStretch(1);
    page->setMinimumWidth(240);
    return page;
}

QString CEditBar::workLabel() const
{
    switch (page_) {
    case PAGE_NETWORK: return networkLabel(workNet_, *encoding_);
    case PAGE_TRANSPONDER: return transponderLabel(workTp_);
    case PAGE_PROGRAM: return programLabel(workProg_, *encoding_);
    default: return QString();
    }
}

void CEditBar::showRecordLabel()
{
    if (auto* record = widget()->findChild<QLabel*>(kRecordName))
        record->setText(workLabel());
}

} // namespace kvx
