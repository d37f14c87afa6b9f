#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace kvx {

// Keeps the main window open while a modal operation of the view runs: the operation lets the window
// repaint (and waits for the network) in event loops of its own, and a close request handled there
// would take the database away under it. A close asked for meanwhile is refused; the user can close
// again once the operation is done.
class BusyWindowGuard final : public QObject {
    Q_OBJECT
public:
    explicit BusyWindowGuard(QWidget* window);
    ~BusyWindowGuard() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
};

} // namespace kvx
