#include "app/guardedselectionmodel.h"

namespace kvx {

GuardedSelectionModel::GuardedSelectionModel(QAbstractItemModel* model, QObject* parent)
        : QItemSelectionModel(model, parent)
{}

void GuardedSelectionModel::setCurrentIndex(const QModelIndex& index,
                                            QItemSelectionModel::SelectionFlags command)
{
    if (index != currentIndex() && guard_ && !guard_())
        return;
    QItemSelectionModel::setCurrentIndex(index, command);
}

void GuardedSelectionModel::select(const QItemSelection& selection,
                                   QItemSelectionModel::SelectionFlags command)
{
    // A mouse press selects the clicked item after trying to make it current; when that was refused,
    // the clicked item must not be highlighted.
    const bool selects = command.testFlag(QItemSelectionModel::Select) && !selection.isEmpty();
    if (selects && !selection.contains(currentIndex()))
        return;
    // A Ctrl+click on another level starts a new selection there.
    if (selects && !command.testFlag(QItemSelectionModel::Clear) &&
        sameLevelAsCurrent(this->selection()) != this->selection())
        command |= QItemSelectionModel::Clear;
    QItemSelectionModel::select(sameLevelAsCurrent(selection), command);
}

namespace {

int depthOf(QModelIndex index)
{
    int depth = 0;
    for (; index.isValid(); index = index.parent())
        ++depth;
    return depth;
}

} // namespace

QItemSelection GuardedSelectionModel::sameLevelAsCurrent(const QItemSelection& selection) const
{
    // Records of different levels are never selected together: only rows of the current row's level
    // stay in a selection (a Shift range across a tree level keeps its programs, say).
    if (!currentIndex().isValid())
        return selection;
    const int depth = depthOf(currentIndex());
    QItemSelection kept;
    for (const QItemSelectionRange& range : selection)
        if (depthOf(range.topLeft()) == depth)
            kept.append(range);
    return kept;
}

} // namespace kvx
