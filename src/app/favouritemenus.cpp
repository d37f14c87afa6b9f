// The Program menu's submenus that put the selected programs into a favourite group or take them out,
// one entry per group, named as the open database names its groups.

#include <QCoreApplication>
#include <QMenu>

#include "app/childview.h"
#include "app/mainframe.h"
#include "res/favouritemenutexts.h"

namespace kvx {

void CMainFrame::createFavouriteMenus(QMenu* programMenu)
{
    programMenu->addMenu(createFavouriteMenu(
        QCoreApplication::translate("Commands", kAddToFavouriteGroupText), ID_FAV_ADD_FIRST));
    programMenu->addMenu(createFavouriteMenu(
        QCoreApplication::translate("Commands", kRemoveFromFavouriteGroupText), ID_FAV_REMOVE_FIRST));
}

QMenu* CMainFrame::createFavouriteMenu(const QString& title, CommandId first)
{
    auto* menu = new QMenu(title, this);
    menu->setObjectName(first == ID_FAV_ADD_FIRST ? QStringLiteral("addToFavouriteMenu")
                                                  : QStringLiteral("removeFromFavouriteMenu"));
    for (int group = 0; group < kFavouriteMenuGroups; ++group) {
        auto* entry = menu->addAction(QString());
        const auto id = static_cast<CommandId>(first + group);
        entry->setData(static_cast<int>(id));
        entry->setObjectName(QString::number(id));
        actions_[id] = entry;
        const bool adds = first == ID_FAV_ADD_FIRST;
        connect(entry, &QAction::triggered, view_, [view = view_, adds, group] {
            if (adds)
                view->OnAddToFavouriteGroup(group);
            else
                view->OnRemoveFromFavouriteGroup(group);
        });
    }
    // The names are the open database's, so they are read each time the menu opens.
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        const QStringList names = view_->favouriteGroupNames();
        const QList<QAction*> entries = menu->actions();
        for (int group = 0; group < entries.size(); ++group) {
            entries[group]->setVisible(group < names.size());
            if (group < names.size())
                entries[group]->setText(favouriteEntryText(group, names[group]));
        }
    });
    return menu;
}

} // namespace kvx
