#pragma once

#include <QMainWindow>

namespace kvx {

// The editor's main window.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);
};

} // namespace kvx
