#pragma once

#include <functional>
#include <vector>

#include <QAbstractTableModel>

#include "db/channellistwork.h"
#include "platform/nameencoding.h"

namespace kvx {

// The rows of the channel list as a table of four columns ("Name", "CA", "Network", "Favorite"). Texts
// are made only for the rows a view asks for, so a list of any length opens at once. Every change of
// the rows goes through here, so that the views hear of it.
class ChannelListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The row's value: its program's position in the database's program list.
    static constexpr int ProgramIndexRole = Qt::UserRole;

    ChannelListModel(ChannelListWork& work, const NameEncoding& encoding, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    QString text(int row, int column) const;
    QString nameText(const ProgInfo& prog) const;
    // A group's working name; "Fav%u" with its number when the name is empty.
    QString favoriteLabel(int group) const;

    // Runs a change that replaces all rows (a new group or tab).
    void refill(const std::function<void()>& change);
    // Sorts by the column; the selection follows its row.
    void sortByColumn(int column);
    // The reorderings of ChannelListWork (moveRows, stepRows, sortRows): the selection and the current
    // row follow their rows. They return the moved rows' new rows (sortRows: whether anything moved).
    std::vector<int> moveRows(const std::vector<int>& rows, int targetRow);
    std::vector<int> stepRows(const std::vector<int>& rows, int step);
    bool sortRows(ChannelSort order, const std::vector<int>& rows);
    // Adds the channels of the rows to the group; whether any was added.
    bool addToFavorite(const std::vector<int>& rows, int group);
    // Takes the channels of the rows out of the group, and their rows out of the list when the group is
    // shown; whether any channel left. `removedRows` receives the rows that left the list, ascending.
    bool removeFromFavorite(const std::vector<int>& rows, int group, std::vector<int>* removedRows = nullptr);
    // The "Favorite" texts of every row are made again (after a rename).
    void refreshFavoriteTexts();

private:
    // Runs a change that reorders the rows and returns the old row of each new row (nothing when no
    // row moved); the persistent indexes follow their rows.
    void reorder(const std::function<std::vector<int>()>& change);
    void refreshFavoriteTexts(const std::vector<int>& rows);
    QString caText(const ProgInfo& prog) const;
    QString networkText(const ProgInfo& prog) const;
    QString favoriteText(const ProgInfo& prog) const;

    ChannelListWork& work_;
    const NameEncoding& encoding_;
};

} // namespace kvx
