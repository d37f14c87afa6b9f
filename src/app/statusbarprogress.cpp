#include "app/statusbarprogress.h"

#include <algorithm>
#include <limits>

#include <QCoreApplication>

#include "app/progressbar.h"
#include "ui/coretexts.h"

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
        bar_->SetText(
            coreText("Import", text)); // the engines' texts; the editor's own are translated already
}

void StatusBarProgress::setRange(int upper)
{
    showSteps();
    if (bar_)
        bar_->setRange(0, upper);
}

void StatusBarProgress::step()
{
    showSteps();
    if (!bar_)
        return;
    if (bar_->value() < bar_->maximum())
        setValueQuietly(bar_->value() < bar_->minimum() ? bar_->minimum() + 1 : bar_->value() + 1);
    keepPainted();
}

void StatusBarProgress::showAmount(int64_t done, int64_t total)
{
    if (!bar_)
        return;
    if (!steps_)
        steps_ = std::make_pair(bar_->value(), bar_->maximum());
    if (total < 1) {
        bar_->setRange(0, 0);
        return;
    }
    // The bar counts in int: a larger amount shows in coarser units.
    const int64_t unit = total / std::numeric_limits<int>::max() + 1;
    bar_->setRange(0, static_cast<int>(total / unit));
    setValueQuietly(static_cast<int>(std::clamp<int64_t>(done, 0, total) / unit));
}

void StatusBarProgress::setValueQuietly(int value)
{
    // A progress bar repaints itself at once whenever its value shows differently, which on a
    // long import costs more than the import: it is painted with the window in keepPainted().
    bar_->setUpdatesEnabled(false);
    bar_->setValue(value);
    bar_->setUpdatesEnabled(true);
}

void StatusBarProgress::showSteps()
{
    if (!steps_ || !bar_)
        return;
    bar_->setRange(0, steps_->second);
    if (steps_->first < bar_->minimum())
        bar_->reset(); // no step done yet
    else
        bar_->setValue(steps_->first);
    steps_.reset();
}

void StatusBarProgress::keepPainted()
{
    if (sincePaint_.elapsed() < kPaintIntervalMs)
        return;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sincePaint_.restart();
}

} // namespace kvx
