#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

#include "app/progressbar.h"
#include "import/progresssink.h"

class QWidget;

namespace kvx {

// Shows an import's progress with a CProgressBar in the main window's status bar for as long as this
// object lives. While the import advances, the window is repainted now and then, so that it does not
// look frozen; user input waits until the import is done.
class StatusBarProgress final : public ProgressSink {
public:
    StatusBarProgress(QWidget* window, const QString& message, int maximum);
    ~StatusBarProgress() override;
    StatusBarProgress(const StatusBarProgress&) = delete;
    StatusBarProgress& operator=(const StatusBarProgress&) = delete;

    void setText(const std::string& text) override;
    void setRange(int upper) override;
    void step() override;

    // Shows `done` of `total` (the bytes of a download; `total` below 1: running, its end unknown) in
    // place of the steps, until showSteps(), setRange() or step().
    void showAmount(int64_t done, int64_t total);
    // The steps again as they were before showAmount().
    void showSteps();

    CProgressBar* bar() const { return bar_; }

private:
    void setValueQuietly(int value);
    void keepPainted();

    QPointer<CProgressBar> bar_;
    QElapsedTimer sincePaint_;
    std::optional<std::pair<int, int>> steps_; // value and maximum, while an amount shows
};

} // namespace kvx
