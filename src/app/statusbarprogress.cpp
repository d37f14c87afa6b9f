#include "app/statusbarprogress.h"

#include <QCoreApplication>

#include "app/progressbar.h"

namespace kvx {

namespace {

// How often a long import lets the window repaint.
constexpr qint64 kPaintIntervalMs = 50;

// Both users of the bar let it take the whole rest of the first pane.
constexpr int kFullPane = 100;

} // namespace

StatusBarProgress::StatusBarProgress(QWidget* window, const QString& message, int maximum)
        : bar_(new CProgressBar(window, message, kFullPane, maximum))
{
    sincePaint_.start();
}

StatusBarProgress::~StatusBarProgress()
{
    // The bar may sit in a status bar; it goes now, not with its parent.
    delete bar_.data();
}

void StatusBarProgress::setText(const std::string& text)
{
    if (bar_)
        bar_->SetText(QString::fromStdString(text));
}

void StatusBarProgress::setRange(int upper)
{
    if (bar_)
        bar_->setRange(0, upper);
}

void StatusBarProgress::step()
{
    if (!bar_)
        return;
    if (bar_->value() < bar_->maximum())
        bar_->setValue(bar_->value() < bar_->minimum() ? bar_->minimum() + 1 : bar_->value() + 1);
    keepPainted();
}

void StatusBarProgress::keepPainted()
{
    if (sincePaint_.elapsed() < kPaintIntervalMs)
        return;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sincePaint_.restart();
}

} // namespace kvx
