#include "db/channellistwork.h"

#include <algorithm>
#include <numeric>

namespace kvx {

namespace {

constexpr uint32_t kSortedCaBits = 0xC000FFFF;

int foldAscii(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
}

int compareNames(const std::string& a, const std::string& b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int d =
            foldAscii(static_cast<unsigned char>(a[i])) - foldAscii(static_cast<unsigned char>(b[i]));
        if (d != 0)
            return d;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

// The sign of the difference of two signed 32-bit values, taken without wrapping so that the order
// stays consistent for every pair.
int compareSigned(uint32_t a, uint32_t b)
{
    const auto x = static_cast<int32_t>(a);
    const auto y = static_cast<int32_t>(b);
    return x < y ? -1 : (x > y ? 1 : 0);
}

int compareRows(const ProgInfo& a, const ProgInfo& b, uint32_t column)
{
    switch (column) {
    case CHLIST_COLUMN_NAME: return compareNames(a.name, b.name);
    case CHLIST_COLUMN_CA: return compareSigned(a.caSystems & kSortedCaBits, b.caSystems & kSortedCaBits);
    case CHLIST_COLUMN_NETWORK: return static_cast<int>(a.tpIndex) - static_cast<int>(b.tpIndex);
    case CHLIST_COLUMN_FAVORITE: return static_cast<int>(a.favMask) - static_cast<int>(b.favMask);
    default: return 0;
    }
}

uint16_t favouriteBit(int group)
{
    return static_cast<uint16_t>(1u << group);
}

// The caSystems bits the CA column names.
uint32_t namedCaBits()
{
    uint32_t bits = 0;
    for (int k = 0; k < static_cast<int>(kCaSystemNames.size()); ++k)
        bits |= 1u << caSystemBit(k);
    return bits;
}

// Where a program's transponder puts it in the network and frequency order: network slot, then
// frequency with V and R before H and L (as the transponders sort); programs without a transponder last.
uint64_t networkFrequencyKey(const ChannelDatabase& db, const ProgInfo& prog)
{
    const TpInfo* tp = db.transponders.at(prog.tpIndex);
    if (tp == nullptr)
        return UINT64_MAX;
    return (static_cast<uint64_t>(tp->netIndex) << 32) | (2u * tp->frequency + (tp->tpFlags & 1u));
}

std::vector<int> identityOrder(int count)
{
    std::vector<int> order(static_cast<std::size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    return order;
}

bool isIdentity(const std::vector<int>& order)
{
    for (std::size_t k = 0; k < order.size(); ++k)
        if (order[k] != static_cast<int>(k))
            return false;
    return true;
}

} // namespace

bool isScrambled(const ProgInfo& prog)
{
    static const uint32_t named = namedCaBits();
    return (prog.attributes & ATTR_SCRAMBLED) != 0 || (prog.caSystems & named) != 0;
}

ChannelListWork::ChannelListWork(ChannelDatabase& db)
        : db_(db)
{
    programs_.reserve(db.programs.size());
    for (std::size_t k = 0; k < db.programs.size(); ++k)
        programs_.push_back({&db.programs[k], static_cast<uint16_t>(k)});

    groups_.push_back({GROUP_ALL, 0});
    std::vector<bool> hasPrograms(db.networks.size(), false);
    for (ProgInfo& prog : db.programs) {
        const int net = networkOf(prog);
        if (net >= 0 && static_cast<std::size_t>(net) < hasPrograms.size())
            hasPrograms[static_cast<std::size_t>(net)] = true;
        prog.favMask = 0;
    }
    for (std::size_t net = 0; net < hasPrograms.size() && net <= 0xFF; ++net)
        if (hasPrograms[net])
            groups_.push_back({GROUP_NETWORK, static_cast<uint8_t>(net)});

    favourites_.reserve(db.favourites.size());
    for (const FavInfo& fav : db.favourites) {
        const int g = static_cast<int>(favourites_.size());
        favourites_.push_back(fav);
        if (g > 0xFF)
            continue;
        if (!fav.tvList.empty() || !fav.radioList.empty())
            groups_.push_back({GROUP_FAVORITE, static_cast<uint8_t>(g)});
        if (g >= FAVORITE_MASK_GROUPS)
            continue;
        for (const CChList* list : {&fav.tvList, &fav.radioList})
            for (uint16_t entry : *list)
                if (ProgInfo* prog = db.programs.at(entry))
                    prog->favMask |= favouriteBit(g);
    }
    fill();
}

int ChannelListWork::networkOf(const ProgInfo& prog) const
{
    const TpInfo* tp = db_.transponders.at(prog.tpIndex);
    return tp != nullptr ? tp->netIndex : -1;
}

bool ChannelListWork::shows(const ChannelRow& row) const
{
    return row.prog->isRadio() == radio_ &&
           (group_.kind != GROUP_NETWORK || networkOf(*row.prog) == group_.index);
}

void ChannelListWork::fill()
{
    rows_.clear();
    sortKey_ = SORT_NONE;
    orderDirty_ = false;
    if (group_.kind == GROUP_FAVORITE) {
        if (group_.index >= favourites_.size())
            return;
        for (uint16_t entry : favourites_[group_.index].listFor(radio_))
            if (ProgInfo* prog = db_.programs.at(entry))
                rows_.push_back({prog, entry});
        return;
    }
    for (const ChannelRow& row : programs_)
        if (shows(row))
            rows_.push_back(row);
}

void ChannelListWork::selectGroup(ChannelGroup group)
{
    flushOrder();
    group_ = group;
    fill();
}

void ChannelListWork::selectTab(int tab)
{
    flushOrder();
    radio_ = tab == 1;
    fill();
}

void ChannelListWork::flushOrder()
{
    if (!orderDirty_)
        return;
    orderDirty_ = false;
    if (group_.kind == GROUP_FAVORITE)
        flushFavouriteOrder();
    else
        flushProgramOrder();
}

void ChannelListWork::flushFavouriteOrder()
{
    if (group_.index >= favourites_.size())
        return;
    CChList& list = favourites_[group_.index].listFor(radio_);
    list.clear();
    for (const ChannelRow& row : rows_)
        list.push_back(row.programIndex);
}

void ChannelListWork::flushProgramOrder()
{
    // The shown programs take the positions the shown programs held; the others stay where they are.
    std::size_t k = 0;
    for (ChannelRow& slot : programs_)
        if (k < rows_.size() && shows(slot))
            slot = rows_[k++];
}

void ChannelListWork::markChanged(unsigned flag)
{
    modified_ |= flag;
}

std::vector<int> ChannelListWork::sortByColumn(int column)
{
    if (rows_.size() < 2 || column < 0)
        return {};
    const auto col = static_cast<uint32_t>(column);
    sortKey_ = (sortKey_ & ~SORT_DESCENDING) == col ? sortKey_ ^ SORT_DESCENDING : col;
    const bool descending = (sortKey_ & SORT_DESCENDING) != 0;

    std::vector<int> order(rows_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int c = compareRows(*rows_[static_cast<std::size_t>(a)].prog,
                                  *rows_[static_cast<std::size_t>(b)].prog, col);
        return descending ? c > 0 : c < 0;
    });
    std::vector<ChannelRow> sorted;
    sorted.reserve(rows_.size());
    for (int from : order)
        sorted.push_back(rows_[static_cast<std::size_t>(from)]);
    rows_ = std::move(sorted);
    markOrderChanged();
    return order;
}

bool ChannelListWork::moveRow(int source, int drop)
{
    const int count = static_cast<int>(rows_.size());
    if (source < 0 || source >= count || drop < 0 || drop >= count || source == drop)
        return false;
    const ChannelRow row = rows_[static_cast<std::size_t>(source)];
    rows_.erase(rows_.begin() + source);
    rows_.insert(rows_.begin() + drop, row);
    markOrderChanged();
    return true;
}

std::vector<int> ChannelListWork::validRows(const std::vector<int>& rows) const
{
    const int count = static_cast<int>(rows_.size());
    std::vector<bool> chosen(static_cast<std::size_t>(count), false);
    std::size_t chosenCount = 0;
    for (int row : rows) {
        if (row >= 0 && row < count && !chosen[static_cast<std::size_t>(row)]) {
            chosen[static_cast<std::size_t>(row)] = true;
            ++chosenCount;
        }
    }
    std::vector<int> valid;
    valid.reserve(chosenCount);
    for (int row = 0; row < count; ++row)
        if (chosen[static_cast<std::size_t>(row)])
            valid.push_back(row);
    return valid;
}

void ChannelListWork::markOrderChanged()
{
    markChanged(group_.kind == GROUP_FAVORITE ? CHLIST_FAVORITES : CHLIST_ORDER);
    orderDirty_ = true;
}

void ChannelListWork::reorderRows(const std::vector<int>& oldRowOf)
{
    std::vector<ChannelRow> reordered;
    reordered.reserve(rows_.size());
    for (int from : oldRowOf)
        reordered.push_back(rows_[static_cast<std::size_t>(from)]);
    rows_ = std::move(reordered);
    markOrderChanged();
}

std::vector<int> ChannelListWork::moveRows(const std::vector<int>& rows, int targetRow,
                                           std::vector<int>* oldRowOf)
{
    if (oldRowOf != nullptr)
        oldRowOf->clear();
    const int count = static_cast<int>(rows_.size());
    std::vector<bool> chosen(static_cast<std::size_t>(count), false);
    int blockSize = 0;
    for (int row : rows) {
        if (row >= 0 && row < count && !chosen[static_cast<std::size_t>(row)]) {
            chosen[static_cast<std::size_t>(row)] = true;
            ++blockSize;
        }
    }
    if (blockSize == 0)
        return {};
    const int target = std::clamp(targetRow, 0, count - blockSize);

    // The rows that stay, in their order, with the block put in once `target` of them went before it.
    std::vector<int> order;
    order.reserve(static_cast<std::size_t>(count));
    const auto placeBlock = [&] {
        for (int row = 0; row < count; ++row)
            if (chosen[static_cast<std::size_t>(row)])
                order.push_back(row);
    };
    bool placed = false;
    for (int row = 0; row < count; ++row) {
        if (chosen[static_cast<std::size_t>(row)])
            continue;
        if (!placed && static_cast<int>(order.size()) == target) {
            placeBlock();
            placed = true;
        }
        order.push_back(row);
    }
    if (!placed)
        placeBlock();
    if (isIdentity(order))
        return {};
    reorderRows(order);
    if (oldRowOf != nullptr)
        *oldRowOf = std::move(order);
    std::vector<int> now(static_cast<std::size_t>(blockSize));
    std::iota(now.begin(), now.end(), target);
    return now;
}

std::vector<int> ChannelListWork::stepRows(const std::vector<int>& rows, int step, std::vector<int>* oldRowOf)
{
    if (oldRowOf != nullptr)
        oldRowOf->clear();
    const int count = static_cast<int>(rows_.size());
    if (step == 0 || count < 2)
        return {};
    std::vector<bool> chosen(static_cast<std::size_t>(count), false);
    for (int row : validRows(rows))
        chosen[static_cast<std::size_t>(row)] = true;
    std::vector<int> order = identityOrder(count);
    bool moved = false;
    // The chosen row at `at` changes places with its neighbour when that one is not chosen.
    const auto passNeighbour = [&](int at, int neighbour) {
        const auto a = static_cast<std::size_t>(at);
        const auto n = static_cast<std::size_t>(neighbour);
        if (!chosen[a] || chosen[n])
            return;
        std::swap(order[a], order[n]);
        chosen[a] = false;
        chosen[n] = true;
        moved = true;
    };
    if (step < 0) {
        for (int row = 1; row < count; ++row)
            passNeighbour(row, row - 1);
    } else {
        for (int row = count - 1; row >= 1; --row)
            passNeighbour(row - 1, row);
    }
    if (!moved)
        return {};
    reorderRows(order);
    if (oldRowOf != nullptr)
        *oldRowOf = std::move(order);
    std::vector<int> now;
    for (int row = 0; row < count; ++row)
        if (chosen[static_cast<std::size_t>(row)])
            now.push_back(row);
    return now;
}

std::vector<int> ChannelListWork::sortRows(ChannelSort sort, const std::vector<int>& rows)
{
    const int count = static_cast<int>(rows_.size());
    std::vector<int> places = validRows(rows);
    if (places.size() < 2)
        places = identityOrder(count);
    if (places.size() < 2)
        return {};

    const auto progAt = [this](int row) -> const ProgInfo& {
        return *rows_[static_cast<std::size_t>(row)].prog;
    };
    std::vector<int> sorted = places;
    switch (sort) {
    case ChannelSort::Name:
        std::stable_sort(sorted.begin(), sorted.end(),
                         [&](int a, int b) { return compareNames(progAt(a).name, progAt(b).name) < 0; });
        break;
    case ChannelSort::NetworkFrequency: {
        // The keys are looked up once for each row, not once for each comparison.
        std::vector<uint64_t> keys(static_cast<std::size_t>(count), 0);
        for (int row : places)
            keys[static_cast<std::size_t>(row)] = networkFrequencyKey(db_, progAt(row));
        std::stable_sort(sorted.begin(), sorted.end(), [&](int a, int b) {
            return keys[static_cast<std::size_t>(a)] < keys[static_cast<std::size_t>(b)];
        });
        break;
    }
    case ChannelSort::ServiceId:
        std::stable_sort(sorted.begin(), sorted.end(),
                         [&](int a, int b) { return progAt(a).serviceId < progAt(b).serviceId; });
        break;
    case ChannelSort::ScrambledLast:
        std::stable_partition(sorted.begin(), sorted.end(),
                              [&](int row) { return !isScrambled(progAt(row)); });
        break;
    }

    std::vector<int> order = identityOrder(count);
    for (std::size_t k = 0; k < places.size(); ++k)
        order[static_cast<std::size_t>(places[k])] = sorted[k];
    if (isIdentity(order))
        return {};
    sortKey_ = SORT_NONE;
    reorderRows(order);
    return order;
}

int ChannelListWork::menuGroupCount() const
{
    return std::min(static_cast<int>(favourites_.size()), FAVORITE_MASK_GROUPS);
}

bool ChannelListWork::inFavourite(int row, int group) const
{
    if (row < 0 || row >= static_cast<int>(rows_.size()) || group < 0 || group >= menuGroupCount())
        return false;
    return (rows_[static_cast<std::size_t>(row)].prog->favMask & favouriteBit(group)) != 0;
}

void ChannelListWork::listGroup(int group)
{
    auto it = std::find_if(groups_.begin(), groups_.end(), [group](const ChannelGroup& entry) {
        return entry.kind == GROUP_FAVORITE && entry.index > group;
    });
    groups_.insert(it, {GROUP_FAVORITE, static_cast<uint8_t>(group)});
}

void ChannelListWork::unlistGroup(int group)
{
    std::erase(groups_, ChannelGroup{GROUP_FAVORITE, static_cast<uint8_t>(group)});
}

bool ChannelListWork::addToFavourite(int row, int group)
{
    return addRowsToFavourite({row}, group) > 0;
}

int ChannelListWork::addRowsToFavourite(const std::vector<int>& rows, int group)
{
    if (group < 0 || group >= menuGroupCount())
        return 0;
    FavInfo& fav = favourites_[static_cast<std::size_t>(group)];
    const bool wasEmpty = fav.tvList.empty() && fav.radioList.empty();
    CChList& list = fav.listFor(radio_);
    int added = 0;
    for (int row : validRows(rows)) {
        // A channel a damaged list shows twice is added once: its mask bit is set by then.
        if (inFavourite(row, group))
            continue;
        const ChannelRow& channel = rows_[static_cast<std::size_t>(row)];
        channel.prog->favMask |= favouriteBit(group);
        list.push_back(channel.programIndex);
        ++added;
    }
    if (added == 0)
        return 0;
    if (wasEmpty)
        listGroup(group);
    markChanged(CHLIST_FAVORITES);
    return added;
}

int ChannelListWork::countInFavourite(const std::vector<int>& rows, int group) const
{
    int members = 0;
    for (int row : validRows(rows))
        if (inFavourite(row, group))
            ++members;
    return members;
}

std::vector<int> ChannelListWork::rowsLeaving(int row, int group) const
{
    std::vector<int> rows = rowsLeavingFavourite({row}, group);
    std::reverse(rows.begin(), rows.end());
    return rows;
}

std::vector<int> ChannelListWork::rowsLeavingFavourite(const std::vector<int>& rows, int group) const
{
    std::vector<int> leaving;
    if (group_ != ChannelGroup{GROUP_FAVORITE, static_cast<uint8_t>(group)})
        return leaving;
    std::vector<bool> goes(programs_.size(), false);
    bool any = false;
    for (int row : validRows(rows)) {
        if (!inFavourite(row, group))
            continue;
        const uint16_t programIndex = rows_[static_cast<std::size_t>(row)].programIndex;
        if (programIndex < goes.size()) {
            goes[programIndex] = true;
            any = true;
        }
    }
    if (!any)
        return leaving;
    for (std::size_t k = 0; k < rows_.size(); ++k)
        if (rows_[k].programIndex < goes.size() && goes[rows_[k].programIndex])
            leaving.push_back(static_cast<int>(k));
    return leaving;
}

std::vector<int> ChannelListWork::removeFromFavourite(int row, int group)
{
    std::vector<int> removed = removeRowsFromFavourite({row}, group);
    std::reverse(removed.begin(), removed.end());
    return removed;
}

std::vector<int> ChannelListWork::removeRowsFromFavourite(const std::vector<int>& rows, int group)
{
    std::vector<bool> goes(programs_.size(), false);
    std::vector<ProgInfo*> leavingProgs;
    for (int row : validRows(rows)) {
        if (!inFavourite(row, group))
            continue;
        const ChannelRow& channel = rows_[static_cast<std::size_t>(row)];
        if (channel.programIndex < goes.size() && !goes[channel.programIndex]) {
            goes[channel.programIndex] = true;
            leavingProgs.push_back(channel.prog);
        }
    }
    if (leavingProgs.empty())
        return {};
    const std::vector<int> removed = rowsLeavingFavourite(rows, group);
    for (ProgInfo* prog : leavingProgs)
        prog->favMask &= static_cast<uint16_t>(~favouriteBit(group));
    const auto leaves = [&goes](uint16_t programIndex) {
        return programIndex < goes.size() && goes[programIndex];
    };
    FavInfo& fav = favourites_[static_cast<std::size_t>(group)];
    // The mask stands for both lists: the channels leave both, and every copy of them, so that mask and
    // lists agree again even where a damaged file listed one twice or in the other list.
    std::erase_if(fav.tvList, leaves);
    std::erase_if(fav.radioList, leaves);
    if (!removed.empty())
        std::erase_if(rows_, [&](const ChannelRow& shown) { return leaves(shown.programIndex); });
    if (fav.tvList.empty() && fav.radioList.empty())
        unlistGroup(group);
    markChanged(CHLIST_FAVORITES);
    return removed;
}

bool ChannelListWork::renameFavourites(const std::vector<std::string>& names)
{
    bool changed = false;
    for (std::size_t g = 0; g < names.size() && g < favourites_.size(); ++g) {
        if (favourites_[g].name != names[g]) {
            favourites_[g].name = names[g];
            changed = true;
        }
    }
    if (changed)
        markChanged(CHLIST_NAMES);
    return changed;
}

int ChannelListWork::findNext(int selected, const std::function<bool(const ProgInfo&)>& matches) const
{
    const int count = static_cast<int>(rows_.size());
    const bool hasSelection = selected >= 0 && selected < count;
    const int start = hasSelection ? selected + 1 : 0;
    const int tested = hasSelection ? count - 1 : count;
    for (int k = 0; k < tested; ++k) {
        const int row = (start + k) % count;
        if (matches(*rows_[static_cast<std::size_t>(row)].prog))
            return row;
    }
    return -1;
}

bool ChannelListWork::applyNames()
{
    if (!(modified_ & CHLIST_NAMES))
        return false;
    bool changed = false;
    for (std::size_t g = 0; g < favourites_.size() && g < db_.favourites.size(); ++g) {
        if (db_.favourites[g].name != favourites_[g].name) {
            db_.favourites[g].name = favourites_[g].name;
            changed = true;
        }
    }
    return changed;
}

bool ChannelListWork::applyOrder(std::vector<uint16_t>& newIndexOf)
{
    std::vector<std::size_t> order(programs_.size());
    bool moved = false;
    for (std::size_t k = 0; k < programs_.size(); ++k) {
        order[k] = programs_[k].programIndex;
        moved = moved || order[k] != k;
    }
    if (!moved)
        return false;
    newIndexOf.assign(programs_.size(), 0);
    for (std::size_t k = 0; k < order.size(); ++k)
        newIndexOf[order[k]] = static_cast<uint16_t>(k);
    db_.programs.reorder(order);
    return true;
}

bool ChannelListWork::applyFavourites()
{
    bool changed = false;
    for (std::size_t g = 0; g < favourites_.size() && g < db_.favourites.size(); ++g) {
        FavInfo& stored = db_.favourites[g];
        if (stored.tvList != favourites_[g].tvList || stored.radioList != favourites_[g].radioList) {
            stored.tvList = favourites_[g].tvList;
            stored.radioList = favourites_[g].radioList;
            changed = true;
        }
    }
    return changed;
}

bool ChannelListWork::apply()
{
    flushOrder();
    bool changed = applyNames();
    std::vector<uint16_t> newIndexOf;
    const bool reordered = (modified_ & CHLIST_ORDER) && applyOrder(newIndexOf);
    if (modified_ & CHLIST_FAVORITES)
        changed = applyFavourites() || changed;
    if (reordered) {
        // Favourite entries name programs by their old positions.
        for (FavInfo& fav : db_.favourites)
            for (CChList* list : {&fav.tvList, &fav.radioList})
                for (uint16_t& entry : *list)
                    if (entry < newIndexOf.size())
                        entry = newIndexOf[entry];
        changed = true;
    }
    return changed;
}

} // namespace kvx
