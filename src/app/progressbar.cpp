#include "app/progressbar.h"

#include <algorithm>

#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

namespace kvx {

namespace {

// The main window's status bar, without making one where the window has none.
QStatusBar* statusBarOf(QWidget* widget)
{
    auto* frame = widget != nullptr ? qobject_cast<QMainWindow*>(widget->window()) : nullptr;
    if (frame == nullptr)
        return nullptr;
    return frame->findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
}

// The status bar's first pane: the label that says "Ready" while nothing else is shown.
QLabel* firstPaneOf(QStatusBar* statusBar)
{
    if (statusBar == nullptr)
        return nullptr;
    return statusBar->findChild<QLabel*>(QStringLiteral("readyPane"), Qt::FindDirectChildrenOnly);
}

} // namespace

CProgressBar::CProgressBar(QWidget* window, const QString& message, int sizePercent, int maximum)
        : QProgressBar(nullptr)
        , message_(message)
        , sizePercent_(sizePercent)
{
    setObjectName(QStringLiteral("statusProgress"));
    setTextVisible(false);
    QStatusBar* statusBar = statusBarOf(window);
    pane_ = firstPaneOf(statusBar);
    setRange(0, maximum & 0xFFFF);
    if (pane_ == nullptr) {
        hide();
        return;
    }
    statusBar_ = statusBar;
    setParent(statusBar_);
    // A prompt left over from the menu would cover the message.
    statusBar_->clearMessage();
    statusBar_->installEventFilter(this);
    pane_->installEventFilter(this);
    setGeometry(QRect());
    show();
    Resize();
}

CProgressBar::~CProgressBar()
{
    Clear();
}

QString CProgressBar::idleText()
{
    return tr("Ready");
}

void CProgressBar::SetText(const QString& message)
{
    message_ = message;
    Resize();
}

void CProgressBar::Clear()
{
    if (pane_ == nullptr)
        return;
    hide();
    pane_->setText(idleText());
}

bool CProgressBar::eventFilter(QObject* watched, QEvent* event)
{
    // The bar follows every change of the pane's place and size and of the status bar's font.
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Move:
    case QEvent::FontChange:
        if (watched == pane_ || watched == statusBar_)
            Resize();
        break;
    default: break;
    }
    return QProgressBar::eventFilter(watched, event);
}

QRect CProgressBar::barRect() const
{
    const QFontMetrics metrics = statusBar_->fontMetrics();
    const int messageWidth = metrics.horizontalAdvance(message_);
    const int spaceWidth = metrics.horizontalAdvance(QLatin1Char(' '));
    const QRect pane = pane_->geometry();
    // Measured from the status bar's left edge; right edges are exclusive.
    const int left = messageWidth + 4 * spaceWidth;
    const int paneRight = pane.x() + pane.width();
    const int right = std::max(left, left + (paneRight - left) * sizePercent_ / 100);
    const int margin = pane.height() / 10;
    return {QPoint(left, pane.y() + margin), QPoint(right - 1, pane.y() + pane.height() - margin - 1)};
}

void CProgressBar::Resize()
{
    if (pane_ == nullptr || statusBar_ == nullptr)
        return;
    if (!isHidden()) {
        pane_->setText(message_);
        // The operation does not return to the event loop while it works: show the message now.
        if (statusBar_->isVisible())
            statusBar_->repaint();
    }
    const QRect rect = barRect();
    if (rect != lastRect_) {
        setGeometry(rect);
        if (isVisible())
            repaint();
    }
    lastRect_ = rect;
}

} // namespace kvx
