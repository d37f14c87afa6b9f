#include "panels/channellistmodel.h"

#include <algorithm>

#include <QStringList>

#include "db/tables.h"

namespace kvx {

namespace {

constexpr int kColumnCount = 4;

// Every column is centred but the first, which a report list always aligns left.
int alignmentOf(int column)
{
    const Qt::Alignment alignment =
        column == CHLIST_COLUMN_NAME ? Qt::AlignLeft | Qt::AlignVCenter : Qt::Alignment(Qt::AlignCenter);
    return static_cast<int>(alignment);
}

} // namespace

ChannelListModel::ChannelListModel(ChannelListWork& work, const NameEncoding& encoding, QObject* parent)
        : QAbstractTableModel(parent)
        , work_(work)
        , encoding_(encoding)
{}

int ChannelListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(work_.rows().size());
}

int ChannelListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant ChannelListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole: return text(index.row(), index.column());
    case Qt::TextAlignmentRole: return alignmentOf(index.column());
    case ProgramIndexRole: return work_.rows()[static_cast<std::size_t>(index.row())].programIndex;
    default: return {};
    }
}

QVariant ChannelListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::TextAlignmentRole)
        return alignmentOf(section);
    if (role != Qt::DisplayRole)
        return {};
    switch (section) {
    case CHLIST_COLUMN_NAME: return tr("Name");
    case CHLIST_COLUMN_CA: return tr("CA");
    case CHLIST_COLUMN_NETWORK: return tr("Network");
    case CHLIST_COLUMN_FAVORITE: return tr("Favorite");
    default: return {};
    }
}

QString ChannelListModel::text(int row, int column) const
{
    if (row < 0 || row >= rowCount())
        return {};
    const ProgInfo& prog = *work_.rows()[static_cast<std::size_t>(row)].prog;
    switch (column) {
    case CHLIST_COLUMN_NAME: return nameText(prog);
    case CHLIST_COLUMN_CA: return caText(prog);
    case CHLIST_COLUMN_NETWORK: return networkText(prog);
    case CHLIST_COLUMN_FAVORITE: return favoriteText(prog);
    default: return {};
    }
}

QString ChannelListModel::nameText(const ProgInfo& prog) const
{
    // A name marked as ISO 8859-5 is shown in its own letters whatever the name encoding is.
    if (prog.hasIsoName())
        return QString::fromStdString(NameEncoding::iso88595ToUtf8(prog.name));
    return QString::fromStdString(encoding_.toUtf8(prog.name));
}

QString ChannelListModel::caText(const ProgInfo& prog) const
{
    return QString::fromStdString(caSystemsText(prog.caSystems));
}

QString ChannelListModel::networkText(const ProgInfo& prog) const
{
    const TpInfo* tp = work_.database().transponders.at(prog.tpIndex);
    if (tp == nullptr)
        return {};
    const NetInfo* net = work_.database().networks.at(tp->netIndex);
    const QString name = net != nullptr ? QString::fromStdString(encoding_.toUtf8(net->name)) : QString();
    const auto letter = kPolarityLetters[tp->tpFlags & TP_POLARITY_MASK];
    return QStringLiteral("%1 %2%3")
        .arg(name)
        .arg(tp->frequency)
        .arg(QLatin1String(letter.data(), static_cast<qsizetype>(letter.size())));
}

QString ChannelListModel::favoriteLabel(int group) const
{
    const std::string& name = work_.favourites()[static_cast<std::size_t>(group)].name;
    if (name.empty())
        return QStringLiteral("Fav%1").arg(group + 1);
    return QString::fromStdString(encoding_.toUtf8(name));
}

QString ChannelListModel::favoriteText(const ProgInfo& prog) const
{
    QStringList names;
    for (int g = 0; g < work_.menuGroupCount(); ++g)
        if (prog.favMask & (1u << g))
            names << favoriteLabel(g);
    return names.join(QLatin1Char('/'));
}

void ChannelListModel::refill(const std::function<void()>& change)
{
    beginResetModel();
    change();
    endResetModel();
}

void ChannelListModel::reorder(const std::function<std::vector<int>()>& change)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    const std::vector<int> order = change();
    if (!order.empty()) {
        std::vector<int> newRowOf(order.size());
        for (std::size_t k = 0; k < order.size(); ++k)
            newRowOf[static_cast<std::size_t>(order[k])] = static_cast<int>(k);
        QModelIndexList after;
        after.reserve(before.size());
        for (const QModelIndex& old : before)
            after << index(newRowOf[static_cast<std::size_t>(old.row())], old.column());
        changePersistentIndexList(before, after);
    }
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ChannelListModel::sortByColumn(int column)
{
    if (work_.rows().size() < 2)
        return;
    reorder([&] { return work_.sortByColumn(column); });
}

std::vector<int> ChannelListModel::moveRows(const std::vector<int>& rows, int targetRow)
{
    std::vector<int> moved;
    reorder([&] {
        std::vector<int> order;
        moved = work_.moveRows(rows, targetRow, &order);
        return order;
    });
    return moved;
}

std::vector<int> ChannelListModel::stepRows(const std::vector<int>& rows, int step)
{
    std::vector<int> moved;
    reorder([&] {
        std::vector<int> order;
        moved = work_.stepRows(rows, step, &order);
        return order;
    });
    return moved;
}

bool ChannelListModel::sortRows(ChannelSort order, const std::vector<int>& rows)
{
    bool sorted = false;
    reorder([&] {
        std::vector<int> oldRowOf = work_.sortRows(order, rows);
        sorted = !oldRowOf.empty();
        return oldRowOf;
    });
    return sorted;
}

void ChannelListModel::refreshFavoriteTexts(const std::vector<int>& rows)
{
    int low = rowCount();
    int high = -1;
    for (int row : rows) {
        if (row < 0 || row >= rowCount())
            continue;
        low = std::min(low, row);
        high = std::max(high, row);
    }
    if (high >= low)
        emit dataChanged(index(low, CHLIST_COLUMN_FAVORITE), index(high, CHLIST_COLUMN_FAVORITE),
                         {Qt::DisplayRole});
}

bool ChannelListModel::addToFavorite(const std::vector<int>& rows, int group)
{
    if (work_.addRowsToFavourite(rows, group) == 0)
        return false;
    refreshFavoriteTexts(rows);
    return true;
}

bool ChannelListModel::removeFromFavorite(const std::vector<int>& rows, int group,
                                          std::vector<int>* removedRows)
{
    if (removedRows != nullptr)
        removedRows->clear();
    if (work_.countInFavourite(rows, group) == 0)
        return false;
    const std::vector<int> leaving = work_.rowsLeavingFavourite(rows, group);
    if (leaving.empty()) {
        work_.removeRowsFromFavourite(rows, group);
        refreshFavoriteTexts(rows);
    } else if (leaving.back() - leaving.front() + 1 == static_cast<int>(leaving.size())) {
        // One run of rows: the views hear of exactly these rows going.
        beginRemoveRows({}, leaving.front(), leaving.back());
        work_.removeRowsFromFavourite(rows, group);
        endRemoveRows();
    } else {
        // Rows here and there go at once, in one pass over the list.
        refill([&] { work_.removeRowsFromFavourite(rows, group); });
    }
    if (removedRows != nullptr)
        *removedRows = leaving;
    return true;
}

void ChannelListModel::refreshFavoriteTexts()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, CHLIST_COLUMN_FAVORITE), index(rowCount() - 1, CHLIST_COLUMN_FAVORITE),
                         {Qt::DisplayRole});
}

} // namespace kvx
