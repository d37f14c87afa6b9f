#pragma once

#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTreeWidget>

namespace kvx::test {

// Clicks the tick box of a row of the review's table, where the style draws it.
inline void clickTickBox(QTreeWidget* table, QTreeWidgetItem* item)
{
    table->scrollToItem(item);
    QStyleOptionViewItem option;
    option.initFrom(table->viewport());
    option.rect = table->visualItemRect(item);
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = item->text(0);
    option.showDecorationSelected = true;
    const QRect box = table->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, table);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, box.center());
}

} // namespace kvx::test
