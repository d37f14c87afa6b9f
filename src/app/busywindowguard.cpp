#include "app/busywindowguard.h"

#include <QCloseEvent>
#include <QWidget>

namespace kvx {

BusyWindowGuard::BusyWindowGuard(QWidget* window)
        : window_(window != nullptr ? window->window() : nullptr)
{
    if (window_)
        window_->installEventFilter(this);
}

BusyWindowGuard::~BusyWindowGuard()
{
    if (window_)
        window_->removeEventFilter(this);
}

bool BusyWindowGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && event->type() == QEvent::Close) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kvx
