#pragma once

#include <QStyledItemDelegate>

namespace kvx {

// Rows as tall as the accents on capitals need: a row of the font's own height clips "ÃÚ" to "AU" in
// common fonts, whose accented capitals reach above the font's ascent.
class AccentRoomDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace kvx
