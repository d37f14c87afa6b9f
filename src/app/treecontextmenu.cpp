// The satellite tree's context menu: one popup per tree level, answering the right click.

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>

#include "app/childview.h"
#include "panels/editbar.h"
#include "res/commandtexts.h"
#include "res/contextmenutexts.h"
#include "res/favouritemenutexts.h"

namespace kvx {

namespace {

// The items a terrestrial network cannot offer.
bool greyedForTerrestrial(CommandId id)
{
    return id == ID_CTX_NET_IMPORT_SATCODX || id == ID_CTX_NET_UPDATE_LYNGSAT ||
           id == ID_CTX_NET_IMPORT_SATELLITES_XML || id == ID_DELETE_NETWORK;
}

} // namespace

std::unique_ptr<QMenu> CChildView::CreateContextMenu()
{
    std::span<const ContextMenuItem> items;
    QString title;
    switch (page()) {
    case PAGE_NETWORK:
        items = networkContextMenu();
        title = tr("Network");
        break;
    case PAGE_TRANSPONDER:
        items = transponderContextMenu();
        title = tr("Transponder");
        break;
    case PAGE_PROGRAM:
        items = programContextMenu();
        title = tr("Program");
        break;
    default: return nullptr;
    }
    const bool terrestrial = page() == PAGE_NETWORK && editBar_->terrestrialMode();
    auto menu = std::make_unique<QMenu>(title, this);
    menu->setObjectName(QStringLiteral("treeContextMenu"));
    for (const ContextMenuItem& item : items) {
        if (item.id == ID_NONE) {
            menu->addSeparator();
            continue;
        }
        // Every item is offered, whatever the main menu's rules say, except the greyed ones.
        QAction* action = menu->addAction(QCoreApplication::translate("Commands", item.text));
        action->setObjectName(QString::number(item.id));
        action->setData(static_cast<int>(item.runs));
        action->setEnabled(!(terrestrial && greyedForTerrestrial(item.id)));
    }
    if (page() == PAGE_PROGRAM)
        addProgramSelectionItems(*menu);
    return menu;
}

void CChildView::addProgramSelectionItems(QMenu& menu)
{
    menu.addSeparator();
    const QStringList groups = favouriteGroupNames();
    for (const auto& [title, first] : {std::pair{kAddToFavouriteGroupText, ID_FAV_ADD_FIRST},
                                       std::pair{kRemoveFromFavouriteGroupText, ID_FAV_REMOVE_FIRST}}) {
        QMenu* submenu = menu.addMenu(QCoreApplication::translate("Commands", title));
        for (int group = 0; group < groups.size(); ++group)
            submenu->addAction(favouriteEntryText(group, groups[group]))->setData(first + group);
    }
    for (const CommandId id : {ID_PROG_MARK_SCRAMBLED, ID_PROG_CLEAR_SCRAMBLED})
        menu.addAction(QCoreApplication::translate("Commands", commandText(id)->text))
            ->setData(static_cast<int>(id));
}

void CChildView::OnContextMenu(QPoint globalPos)
{
    if (dragging_)
        return;
    std::unique_ptr<QMenu> menu = CreateContextMenu();
    if (!menu)
        return;
    QAction* chosen = menuRunner_ ? menuRunner_(*menu, globalPos) : menu->exec(globalPos);
    // The menu is gone before the command runs, since the command may rebuild the tree.
    const int command = chosen != nullptr && chosen->isEnabled() ? chosen->data().toInt() : ID_NONE;
    menu.reset();
    if (command != ID_NONE)
        emit commandRequested(command);
}

void CChildView::contextMenuEvent(QContextMenuEvent* event)
{
    OnContextMenu(event->globalPos());
    event->accept();
}

} // namespace kvx
