#pragma once

#include <functional>

#include <QItemSelectionModel>

namespace kvx {

// The tree's selection model. The current index moves only when the guard lets it, and a selection
// always holds the current index. Every way of moving (mouse press, drag, keys, keyboard
// search, code) passes through here before anything changes, so a refused move leaves the current
// item, the highlight and whatever shows the current item exactly as they were. Rows of several records
// may be selected together, all of the current row's level.
class GuardedSelectionModel final : public QItemSelectionModel {
    Q_OBJECT
public:
    // Asked before the current index changes; false keeps it where it is.
    using Guard = std::function<bool()>;

    explicit GuardedSelectionModel(QAbstractItemModel* model, QObject* parent = nullptr);
    void setGuard(Guard guard) { guard_ = std::move(guard); }

    void setCurrentIndex(const QModelIndex& index, QItemSelectionModel::SelectionFlags command) override;
    using QItemSelectionModel::select;
    void select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command) override;

private:
    QItemSelection sameLevelAsCurrent(const QItemSelection& selection) const;

    Guard guard_;
};

} // namespace kvx
