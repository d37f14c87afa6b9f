#pragma once

#include <QPointer>
#include <QProgressBar>
#include <QRect>
#include <QString>

#include <QLabel>
#include <QStatusBar>

namespace kvx {

// The progress control a long operation shows in the main window's status bar: its message stands in
// the first pane and the bar fills the given share of the rest of that pane. It lives as long as the
// operation; destroying it gives the pane back its idle text. In a window without a status bar it is
// created hidden and does nothing.
class CProgressBar : public QProgressBar {
    Q_OBJECT
public:
    // `window` is any widget of the main window.
    CProgressBar(QWidget* window, const QString& message, int sizePercent, int maximum);
    ~CProgressBar() override;

    const QString& message() const { return message_; }
    void SetText(const QString& message);
    // Hides the bar and shows the idle text in the first pane.
    void Clear();
    bool isInert() const { return pane_ == nullptr; }

    // The first pane's text when no operation runs.
    static QString idleText();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Resize();
    QRect barRect() const;

    // Siblings of the bar: a window that goes while the bar lives may take them first.
    QPointer<QStatusBar> statusBar_;
    QPointer<QLabel> pane_;
    QString message_;
    int sizePercent_;
    QRect lastRect_;
};

} // namespace kvx
