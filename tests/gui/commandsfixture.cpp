#include "commandsfixture.h"

#include <QContextMenuEvent>
#include <QCoreApplication>

namespace kvx::test {

QStringList menuTexts(const QMenu& menu)
{
    QStringList texts;
    for (QAction* action : menu.actions()) {
        if (!action->isVisible())
            continue;
        if (action->isSeparator())
            texts << QStringLiteral("|");
        else
            texts << action->text() + (action->isEnabled() ? QString() : QStringLiteral(" (off)"));
    }
    return texts;
}

void CommandsFixture::SetUp()
{
    FrameFixture::SetUp();
    view().setContextMenuRunner([this](QMenu& menu, QPoint) -> QAction* {
        ++menusShown;
        menuShown = menuTexts(menu);
        // "Submenu/Item" picks in a submenu.
        const QStringList path = menuChoice.split(QLatin1Char('/'));
        const QMenu* in = &menu;
        for (int depth = 0; !menuChoice.isEmpty() && in != nullptr; ++depth) {
            const QMenu* next = nullptr;
            for (QAction* action : in->actions()) {
                if (action->text() != path[depth])
                    continue;
                if (depth + 1 == path.size())
                    return action;
                next = action->menu();
            }
            in = next;
        }
        return nullptr;
    });
    reopen(makeVariedDatabase(2, kFlags));
    frame->show();
}

void CommandsFixture::reopen(ChannelDatabase database)
{
    open(writeKvx("commands.kvx", std::move(database)));
    tree().expandAll();
}

void CommandsFixture::select(const QString& label)
{
    QTreeWidgetItem* item = findItem(label);
    ASSERT_NE(item, nullptr) << label.toStdString();
    tree().setCurrentItem(item);
    ASSERT_EQ(view().currentItem(), item);
}

QStringList CommandsFixture::childLabels(QTreeWidgetItem* item) const
{
    QStringList labels;
    for (int i = 0; i < item->childCount(); ++i)
        labels << item->child(i)->text(0);
    return labels;
}

std::vector<std::string> CommandsFixture::programNames() const
{
    std::vector<std::string> names;
    for (const ProgInfo& prog : frame->view()->database().programs)
        names.push_back(prog.name);
    return names;
}

void CommandsFixture::requestContextMenu()
{
    // What a right click on the tree raises: the tree leaves it to the view.
    QWidget* viewport = tree().viewport();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), viewport->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(viewport, &event);
}

} // namespace kvx::test
