#include "app/mainframe.h"

namespace kvx {

CMainFrame::CMainFrame(QWidget* parent)
        : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("KVXEdit"));
    resize(900, 600);
}

} // namespace kvx
