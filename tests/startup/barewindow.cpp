// The yardstick of the editor's start-up: a bare Qt main window with a tree, a dock, a menu and a
// toolbar, shown and ended once its tree was painted, as the editor ends with KVXEDIT_QUIT_WHEN_PAINTED.
#include <QApplication>
#include <QDockWidget>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

namespace {

class QuitWhenPainted final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    auto* tree = new QTreeWidget;
    tree->setHeaderHidden(true);
    for (int n = 0; n < 3; ++n)
        new QTreeWidgetItem(tree, {QStringLiteral("Network %1").arg(n)});
    window.setCentralWidget(tree);
    auto* dock = new QDockWidget(QStringLiteral("Edit bar"));
    dock->setWidget(new QLabel(QStringLiteral("Page")));
    window.addDockWidget(Qt::RightDockWidgetArea, dock);
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    QAction* quit = file->addAction(QStringLiteral("E&xit"), &app, &QCoreApplication::quit);
    window.addToolBar(QStringLiteral("Standard"))->addAction(quit);
    window.resize(1000, 700);
    window.show();
    tree->viewport()->installEventFilter(new QuitWhenPainted(&window));
    return QApplication::exec();
}
