#include <QApplication>

#include "app/mainframe.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quellor"));
    QApplication::setApplicationName(QStringLiteral("KVXEdit"));
    kvx::CMainFrame frame;
    frame.show();
    return QApplication::exec();
}
