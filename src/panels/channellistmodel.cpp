#include "panels/channellistmodel.h"

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

void ChannelListModel::sortByColumn(int column)
{
    if (work_.rows().size() < 2)
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    const std::vector<int> order = work_.sortByColumn(column);
    std::vector<int> newRowOf(order.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        newRowOf[static_cast<std::size_t>(order[k])] = static_cast<int>(k);
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before)
        after << index(newRowOf[static_cast<std::size_t>(old.row())], old.column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

bool ChannelListModel::moveRow(int source, int drop)
{
    const int count = rowCount();
    if (source < 0 || source >= count || drop < 0 || drop >= count || source == drop)
        return false;
    // Qt names the row the moved one goes in front of, counted before the move.
    if (!beginMoveRows({}, source, source, {}, drop > source ? drop + 1 : drop))
        return false;
    work_.moveRow(source, drop);
    endMoveRows();
    return true;
}

bool ChannelListModel::addToFavorite(int row, int group)
{
    if (!work_.addToFavourite(row, group))
        return false;
    const QModelIndex cell = index(row, CHLIST_COLUMN_FAVORITE);
    emit dataChanged(cell, cell, {Qt::DisplayRole});
    return true;
}

bool ChannelListModel::removeFromFavorite(int row, int group)
{
    if (!work_.inFavourite(row, group))
        return false;
    const std::vector<int> leaving = work_.rowsLeaving(row, group);
    if (leaving.empty()) {
        work_.removeFromFavourite(row, group);
        const QModelIndex cell = index(row, CHLIST_COLUMN_FAVORITE);
        emit dataChanged(cell, cell, {Qt::DisplayRole});
    } else if (leaving.size() == 1) {
        beginRemoveRows({}, leaving.front(), leaving.front());
        work_.removeFromFavourite(row, group);
        endRemoveRows();
    } else {
        // Only a damaged file lists a channel twice in one group; all its rows go at once.
        refill([&] { work_.removeFromFavourite(row, group); });
    }
    return true;
}

void ChannelListModel::refreshFavoriteTexts()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, CHLIST_COLUMN_FAVORITE), index(rowCount() - 1, CHLIST_COLUMN_FAVORITE),
                         {Qt::DisplayRole});
}

} // namespace kvx
