#pragma once

#include <string>

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

    CProgressBar* bar() const { return bar_; }

private:
    void keepPainted();

    QPointer<CProgressBar> bar_;
    QElapsedTimer sincePaint_;
};

} // namespace kvx
