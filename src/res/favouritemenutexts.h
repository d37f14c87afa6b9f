#pragma once

#include <QString>

namespace kvx {

// The submenus of favourite groups, in the Program menu and the tree's context menu.
inline constexpr const char* kAddToFavouriteGroupText =
    QT_TRANSLATE_NOOP("Commands", "Add to &Favourite Group");
inline constexpr const char* kRemoveFromFavouriteGroupText =
    QT_TRANSLATE_NOOP("Commands", "&Remove from Favourite Group");

// A group's entry: its number as the mnemonic for the first nine, then its name.
inline QString favouriteEntryText(int group, QString name)
{
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    const QString number = group < 9 ? QStringLiteral("&%1").arg(group + 1) : QString::number(group + 1);
    return number + QLatin1Char(' ') + name;
}

} // namespace kvx
