#include "panels/accentroomdelegate.h"

#include <QFontMetrics>

namespace kvx {

QSize AccentRoomDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QFontMetrics metrics(option.font);
    // The tallest accented capitals of the Latin, Cyrillic and Greek names receivers carry, and a pixel
    // above and below them.
    const QRect tallest = metrics.tightBoundingRect(QStringLiteral("ÃÚÅÉÑÖЙЁΆ"));
    const int needed = metrics.descent() - tallest.top() + 2;
    return size.expandedTo(QSize(0, needed));
}

} // namespace kvx
