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
    QItemSelectionModel::select(selection, command);
}

} // namespace kvx
