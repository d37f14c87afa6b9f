// The satellite tree's selections of several rows of one level: Ctrl+A, Ctrl+Shift+Up and Down, and
// selecting moved rows again after a rebuild.

#include <algorithm>

#include <QKeyEvent>

#include "app/kvxtree.h"

namespace kvx {

namespace {

int rowOf(const QTreeWidget& tree, const QTreeWidgetItem* item)
{
    return item->parent() != nullptr ? item->parent()->indexOfChild(const_cast<QTreeWidgetItem*>(item))
                                     : tree.indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item));
}

QTreeWidgetItem* siblingAt(const QTreeWidget& tree, const QTreeWidgetItem* item, int row)
{
    if (row < 0)
        return nullptr;
    return item->parent() != nullptr ? item->parent()->child(row) : tree.topLevelItem(row);
}

} // namespace

void CKVXTree::selectItems(QTreeWidgetItem* current, const QList<QTreeWidgetItem*>& items)
{
    if (current == nullptr)
        return;
    const QModelIndex index = indexFromItem(current);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    if (currentIndex() != index)
        return; // the guard kept the current row
    QItemSelection selection(index, index);
    for (const QTreeWidgetItem* item : items) {
        const QModelIndex other = indexFromItem(item);
        selection.select(other, other);
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

bool CKVXTree::isRowSelected(const QTreeWidgetItem* item) const
{
    // The item's own flag lags behind the guarded selection model; the model knows.
    return item != nullptr && selectionModel()->isSelected(indexFromItem(item));
}

QList<QTreeWidgetItem*> CKVXTree::selectedRows() const
{
    QList<QTreeWidgetItem*> rows = selectedItems();
    // A tree's order: ancestors' rows first, then the row itself.
    const auto path = [this](const QTreeWidgetItem* item) {
        std::vector<int> rowsFromTop;
        for (; item != nullptr; item = item->parent())
            rowsFromTop.insert(rowsFromTop.begin(), rowOf(*this, item));
        return rowsFromTop;
    };
    std::vector<std::pair<std::vector<int>, QTreeWidgetItem*>> keyed;
    keyed.reserve(rows.size());
    for (QTreeWidgetItem* item : rows)
        keyed.emplace_back(path(item), item);
    std::sort(keyed.begin(), keyed.end());
    rows.clear();
    for (const auto& entry : keyed)
        rows.append(entry.second);
    return rows;
}

void CKVXTree::selectAll()
{
    QTreeWidgetItem* current = currentItem();
    if (current == nullptr)
        return;
    QList<QTreeWidgetItem*> siblings;
    for (int row = 0; QTreeWidgetItem* sibling = siblingAt(*this, current, row); ++row)
        siblings.append(sibling);
    selectItems(current, siblings);
}

void CKVXTree::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers extending = Qt::ControlModifier | Qt::ShiftModifier;
    if ((event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) &&
        (event->modifiers() & ~Qt::KeypadModifier) == extending) {
        extendSelection(event->key() == Qt::Key_Up ? -1 : 1);
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

QItemSelectionModel::SelectionFlags CKVXTree::selectionCommand(const QModelIndex& index,
                                                               const QEvent* event) const
{
    // A row the program makes current (after a move, an undo, an added record) is selected alone, even
    // while the user still holds the Ctrl or Shift of the key that ran the command.
    if (event == nullptr)
        return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    return QTreeWidget::selectionCommand(index, event);
}

void CKVXTree::extendSelection(int step)
{
    QTreeWidgetItem* current = currentItem();
    if (current == nullptr)
        return;
    QTreeWidgetItem* anchor = itemFromIndex(selectionAnchor_);
    if (anchor == nullptr || anchor->parent() != current->parent() || !isRowSelected(anchor) ||
        selectedItems().size() < 2)
        anchor = current;
    QTreeWidgetItem* next = siblingAt(*this, current, rowOf(*this, current) + step);
    if (next == nullptr)
        return;
    const int from = std::min(rowOf(*this, anchor), rowOf(*this, next));
    const int to = std::max(rowOf(*this, anchor), rowOf(*this, next));
    QList<QTreeWidgetItem*> span;
    for (int row = from; row <= to; ++row)
        span.append(siblingAt(*this, current, row));
    selectItems(next, span);
    if (currentItem() == next)
        selectionAnchor_ = indexFromItem(anchor);
    scrollToItem(next);
}

} // namespace kvx
