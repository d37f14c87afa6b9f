#pragma once

#include <QDialog>

namespace kvx {

// The about box: application icon, name and version.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

} // namespace kvx
