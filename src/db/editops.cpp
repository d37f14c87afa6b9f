#include "db/editops.h"

#include "db/siblingorder.h"

#include <algorithm>
#include <new>
#include <numeric>
#include <unordered_set>

namespace kvx {

namespace {

constexpr uint32_t kRemoved = UINT32_MAX;
constexpr std::size_t kMaxRecords = 0xFFFF; // positions 0..0xFFFE; 0xFFFF means none
constexpr std::size_t kSortedSlots = SATELLITE_SLOT_COUNT;
constexpr int kDegreeRange = 3600;

// Where each old position ends up after records are removed or reordered. Deleting records one after
// another gives the same references as applying this map once.
class PositionMap {
public:
    static PositionMap removal(const std::vector<bool>& gone)
    {
        PositionMap map;
        map.to_.resize(gone.size());
        uint32_t next = 0;
        for (std::size_t i = 0; i < gone.size(); ++i) {
            if (gone[i]) {
                map.to_[i] = kRemoved;
                ++map.removed_;
            } else {
                map.to_[i] = next++;
            }
        }
        return map;
    }

    // `order[k]` is the old position of the record now at k.
    static PositionMap reordering(const std::vector<std::size_t>& order)
    {
        PositionMap map;
        map.to_.resize(order.size());
        for (std::size_t k = 0; k < order.size(); ++k)
            map.to_[order[k]] = static_cast<uint32_t>(k);
        return map;
    }

    uint32_t removedCount() const { return removed_; }
    bool isRemoved(uint32_t r) const { return r < to_.size() && to_[r] == kRemoved; }
    // References past the list only shift down by the records removed before them.
    uint32_t operator()(uint32_t r) const { return r < to_.size() ? to_[r] : r - removed_; }

private:
    std::vector<uint32_t> to_;
    uint32_t removed_ = 0;
};

void remapEntries(CChList& list, const PositionMap& map)
{
    std::erase_if(list, [&](uint16_t entry) { return map.isRemoved(entry); });
    for (uint16_t& entry : list)
        entry = static_cast<uint16_t>(map(entry));
}

void remapFavourites(ChannelDatabase& db, const PositionMap& map)
{
    for (FavInfo& fav : db.favourites) {
        remapEntries(fav.tvList, map);
        remapEntries(fav.radioList, map);
    }
}

template <class Change>
void forEachFavouriteEntry(ChannelDatabase& db, Change change)
{
    for (FavInfo& fav : db.favourites) {
        for (uint16_t& entry : fav.tvList)
            change(entry);
        for (uint16_t& entry : fav.radioList)
            change(entry);
    }
}

// Deletes the flagged programs and drops or renumbers their favourite entries.
void removePrograms(ChannelDatabase& db, const std::vector<bool>& gone)
{
    const PositionMap map = PositionMap::removal(gone);
    if (map.removedCount() == 0)
        return;
    db.programs.removeIf([&](const ProgInfo&, std::size_t i) { return gone[i]; });
    remapFavourites(db, map);
}

// Deletes the flagged transponders, their programs and those programs' favourite entries.
void removeTransponders(ChannelDatabase& db, const std::vector<bool>& gone)
{
    const PositionMap map = PositionMap::removal(gone);
    if (map.removedCount() == 0)
        return;
    db.transponders.removeIf([&](const TpInfo&, std::size_t i) { return gone[i]; });
    std::vector<bool> programGone(db.programs.size());
    for (std::size_t i = 0; i < db.programs.size(); ++i) {
        ProgInfo& prog = db.programs[i];
        if (map.isRemoved(prog.tpIndex))
            programGone[i] = true;
        else
            prog.tpIndex = static_cast<uint16_t>(map(prog.tpIndex));
    }
    removePrograms(db, programGone);
}

template <class Pred>
std::vector<bool> flagTransponders(const ChannelDatabase& db, Pred pred)
{
    std::vector<bool> flags(db.transponders.size());
    for (std::size_t i = 0; i < flags.size(); ++i)
        flags[i] = pred(db.transponders[i]);
    return flags;
}

// Puts the transponders in `order` and points every program at its transponder's new position.
void applyTransponderOrder(ChannelDatabase& db, const std::vector<std::size_t>& order)
{
    const PositionMap map = PositionMap::reordering(order);
    db.transponders.reorder(order);
    for (ProgInfo& prog : db.programs)
        prog.tpIndex = static_cast<uint16_t>(map(prog.tpIndex));
}

// Puts slots in `order` (antennas with them), gives each moved slot its new netIndex and renumbers the
// transponders' references.
void applyNetworkOrder(ChannelDatabase& db, const std::vector<std::size_t>& order)
{
    const PositionMap map = PositionMap::reordering(order);
    db.networks.reorder(order);
    db.antennas.reorder(order);
    for (std::size_t k = 0; k < order.size(); ++k)
        if (order[k] != k)
            db.networks[k].netIndex = static_cast<uint8_t>(k);
    for (TpInfo& tp : db.transponders)
        tp.netIndex = static_cast<uint8_t>(map(tp.netIndex));
}

uint32_t frequencyKey(const TpInfo& tp)
{
    return 2u * tp.frequency + (tp.tpFlags & 1u);
}

// The insertion sort by moves, step by step on an index vector; for a network whose transponders are
// not kept together, where each move also shifts the other networks' transponders in between.
bool insertionSortByMoves(const ChannelDatabase& db, uint8_t slot, std::size_t first,
                          std::vector<std::size_t>& order)
{
    const CTpList& tps = db.transponders;
    bool moved = false;
    for (std::size_t i = first + 1; i < order.size(); ++i) {
        if (tps[order[i]].netIndex != slot)
            continue;
        const uint32_t key = frequencyKey(tps[order[i]]);
        for (std::size_t j = first; j < i; ++j) {
            const TpInfo& candidate = tps[order[j]];
            if (candidate.netIndex == slot && frequencyKey(candidate) > key) {
                const auto base = order.begin();
                std::rotate(base + static_cast<std::ptrdiff_t>(j), base + static_cast<std::ptrdiff_t>(i),
                            base + static_cast<std::ptrdiff_t>(i) + 1);
                moved = true;
                break;
            }
        }
    }
    return moved;
}

std::vector<std::size_t> identityOrder(std::size_t n)
{
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t{0});
    return order;
}

} // namespace

// --- Lookups

uint8_t slotOfNetwork(const ChannelDatabase& db, const NetInfo* net)
{
    const std::ptrdiff_t i = db.networks.indexOf(net);
    return i < 0 || i >= NO_SLOT ? NO_SLOT : static_cast<uint8_t>(i);
}

uint16_t positionOfTransponder(const ChannelDatabase& db, const TpInfo* tp)
{
    const std::ptrdiff_t i = db.transponders.indexOf(tp);
    return i < 0 || i >= NO_POSITION ? NO_POSITION : static_cast<uint16_t>(i);
}

uint16_t positionOfProgram(const ChannelDatabase& db, const ProgInfo* prog)
{
    const std::ptrdiff_t i = db.programs.indexOf(prog);
    return i < 0 || i >= NO_POSITION ? NO_POSITION : static_cast<uint16_t>(i);
}

uint16_t firstTransponderOfNetwork(const ChannelDatabase& db, uint8_t slot)
{
    std::size_t i = 0;
    while (i < db.transponders.size() && db.transponders[i].netIndex != slot)
        ++i;
    return static_cast<uint16_t>(i);
}

uint16_t endOfNetworkTransponders(const ChannelDatabase& db, uint8_t slot)
{
    std::size_t i = firstTransponderOfNetwork(db, slot);
    while (i < db.transponders.size() && db.transponders[i].netIndex == slot)
        ++i;
    return static_cast<uint16_t>(i);
}

// --- Adding

uint16_t insertTransponder(ChannelDatabase& db, std::unique_ptr<TpInfo> tp, uint16_t position)
{
    // One more record would need a position the 16-bit references cannot hold.
    if (!tp || db.transponders.size() >= kMaxRecords)
        return NO_POSITION;
    const std::size_t at =
        position < db.transponders.size() ? position : endOfNetworkTransponders(db, tp->netIndex);
    db.transponders.insert(at, std::move(tp));
    for (ProgInfo& prog : db.programs)
        if (prog.tpIndex >= at)
            ++prog.tpIndex;
    return static_cast<uint16_t>(at);
}

std::size_t appendTransponders(ChannelDatabase& db, uint8_t slot, std::vector<std::unique_ptr<TpInfo>> tps)
{
    const std::size_t room = kMaxRecords - std::min<std::size_t>(kMaxRecords, db.transponders.size());
    if (tps.size() > room)
        tps.resize(room);
    const std::size_t count = tps.size();
    if (count == 0)
        return 0;
    const uint16_t at = endOfNetworkTransponders(db, slot);
    db.transponders.insertAll(at, std::move(tps));
    for (ProgInfo& prog : db.programs)
        if (prog.tpIndex >= at)
            prog.tpIndex = static_cast<uint16_t>(prog.tpIndex + count);
    return count;
}

TpInfo* addTransponder(ChannelDatabase& db, uint8_t slot, uint16_t position)
{
    if (db.transponders.size() >= kMaxRecords)
        return nullptr;
    try {
        auto tp = std::make_unique<TpInfo>(TpInfo::create(slot, 0, 0));
        TpInfo* record = tp.get();
        insertTransponder(db, std::move(tp), position);
        return record;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

ProgInfo* addProgram(ChannelDatabase& db, uint16_t tpIndex, uint16_t position)
{
    if (db.programs.size() >= kMaxRecords)
        return nullptr;
    ProgInfo* record = nullptr;
    std::size_t at = db.programs.size();
    try {
        auto prog = std::make_unique<ProgInfo>(ProgInfo::create(tpIndex, 0));
        if (position < db.programs.size())
            at = position;
        record = &db.programs.insert(at, std::move(prog));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    // An appended program shifts nothing; an inserted one pushes the favourite entries behind it.
    if (position != NO_POSITION)
        forEachFavouriteEntry(db, [at](uint16_t& entry) {
            if (entry >= at)
                ++entry;
        });
    return record;
}

// --- Deleting

void deleteProgram(ChannelDatabase& db, uint16_t position)
{
    if (position >= db.programs.size())
        return;
    std::vector<bool> gone(db.programs.size());
    gone[position] = true;
    removePrograms(db, gone);
}

namespace {

std::vector<bool> flagPositions(std::size_t size, const std::vector<uint16_t>& positions)
{
    std::vector<bool> flags(size);
    for (uint16_t position : positions)
        if (position < size)
            flags[position] = true;
    return flags;
}

} // namespace

void deleteProgramsAt(ChannelDatabase& db, const std::vector<uint16_t>& positions)
{
    removePrograms(db, flagPositions(db.programs.size(), positions));
}

void deleteTranspondersAt(ChannelDatabase& db, const std::vector<uint16_t>& positions)
{
    removeTransponders(db, flagPositions(db.transponders.size(), positions));
}

void deleteProgramsOfTransponder(ChannelDatabase& db, uint16_t tpIndex)
{
    std::vector<bool> gone(db.programs.size());
    for (std::size_t i = 0; i < gone.size(); ++i)
        gone[i] = db.programs[i].tpIndex == tpIndex;
    removePrograms(db, gone);
}

void deleteProgramsOfNetwork(ChannelDatabase& db, uint8_t slot)
{
    const std::vector<bool> ofNetwork =
        flagTransponders(db, [slot](const TpInfo& tp) { return tp.netIndex == slot; });
    std::vector<bool> gone(db.programs.size());
    for (std::size_t i = 0; i < gone.size(); ++i) {
        const uint16_t tp = db.programs[i].tpIndex;
        gone[i] = tp < ofNetwork.size() && ofNetwork[tp];
    }
    removePrograms(db, gone);
}

void deleteTransponder(ChannelDatabase& db, uint16_t position)
{
    if (position >= db.transponders.size())
        return;
    std::vector<bool> gone(db.transponders.size());
    gone[position] = true;
    removeTransponders(db, gone);
}

void deleteTranspondersOfNetwork(ChannelDatabase& db, uint8_t slot)
{
    removeTransponders(db, flagTransponders(db, [slot](const TpInfo& tp) { return tp.netIndex == slot; }));
}

void deleteTransponders(ChannelDatabase& db, const std::vector<const TpInfo*>& transponders)
{
    const std::unordered_set<const TpInfo*> doomed(transponders.begin(), transponders.end());
    removeTransponders(db, flagTransponders(db, [&](const TpInfo& tp) { return doomed.contains(&tp); }));
}

void emptyNetworkSlot(ChannelDatabase& db, uint8_t slot)
{
    if (slot >= db.networks.size())
        return;
    deleteTranspondersOfNetwork(db, slot);
    db.networks[slot].reset(slot);
}

// --- Moving and sorting

void moveNetwork(ChannelDatabase& db, const NetInfo& moved, const NetInfo& target)
{
    const uint8_t from = slotOfNetwork(db, &moved);
    const uint8_t to = slotOfNetwork(db, &target);
    // The terrestrial slot keeps its place whatever the caller asks.
    if (from == NO_SLOT || to == NO_SLOT || from == to || from == TERRESTRIAL_SLOT || to == TERRESTRIAL_SLOT)
        return;
    if (db.antennas.size() != db.networks.size())
        return;
    db.networks.move(from, to);
    db.antennas.move(from, to);
    for (std::size_t k = std::min(from, to); k <= std::max(from, to); ++k)
        db.networks[k].netIndex = static_cast<uint8_t>(k);
    for (TpInfo& tp : db.transponders)
        tp.netIndex = static_cast<uint8_t>(renumberedReference(tp.netIndex, from, to));
}

void moveTransponder(ChannelDatabase& db, const TpInfo& moved, const TpInfo& target)
{
    if (moved.netIndex != target.netIndex)
        return;
    const uint16_t from = positionOfTransponder(db, &moved);
    const uint16_t to = positionOfTransponder(db, &target);
    if (from == NO_POSITION || to == NO_POSITION || from == to)
        return;
    db.transponders.move(from, to);
    for (ProgInfo& prog : db.programs)
        prog.tpIndex = static_cast<uint16_t>(renumberedReference(prog.tpIndex, from, to));
}

void moveProgram(ChannelDatabase& db, const ProgInfo& moved, const ProgInfo& target)
{
    if (moved.tpIndex != target.tpIndex)
        return;
    const uint16_t from = positionOfProgram(db, &moved);
    const uint16_t to = positionOfProgram(db, &target);
    if (from == NO_POSITION || to == NO_POSITION || from == to)
        return;
    db.programs.move(from, to);
    forEachFavouriteEntry(db, [from, to](uint16_t& entry) {
        entry = static_cast<uint16_t>(renumberedReference(entry, from, to));
    });
}

namespace {

std::vector<uint32_t> transponderOfEachProgram(const ChannelDatabase& db)
{
    std::vector<uint32_t> groups(db.programs.size());
    for (std::size_t i = 0; i < groups.size(); ++i)
        groups[i] = db.programs[i].tpIndex;
    return groups;
}

std::vector<uint32_t> networkOfEachTransponder(const ChannelDatabase& db)
{
    std::vector<uint32_t> groups(db.transponders.size());
    for (std::size_t i = 0; i < groups.size(); ++i)
        groups[i] = db.transponders[i].netIndex;
    return groups;
}

std::vector<uint16_t> takeProgramOrder(ChannelDatabase& db, SiblingOrder&& moved)
{
    if (moved.order.empty())
        return {};
    db.programs.reorder(moved.order);
    remapFavourites(db, PositionMap::reordering(moved.order));
    return std::move(moved.now);
}

std::vector<uint16_t> takeTransponderOrder(ChannelDatabase& db, SiblingOrder&& moved)
{
    if (moved.order.empty())
        return {};
    applyTransponderOrder(db, moved.order);
    return std::move(moved.now);
}

} // namespace

std::vector<uint16_t> stepPrograms(ChannelDatabase& db, const std::vector<uint16_t>& positions, int step)
{
    return takeProgramOrder(db, stepWithinGroups(transponderOfEachProgram(db), positions, step));
}

std::vector<uint16_t> stepTransponders(ChannelDatabase& db, const std::vector<uint16_t>& positions, int step)
{
    return takeTransponderOrder(db, stepWithinGroups(networkOfEachTransponder(db), positions, step));
}

std::vector<uint16_t> placePrograms(ChannelDatabase& db, const std::vector<uint16_t>& positions,
                                    uint16_t target)
{
    return takeProgramOrder(db, placeWithinGroup(transponderOfEachProgram(db), positions, target));
}

std::vector<uint16_t> placeTransponders(ChannelDatabase& db, const std::vector<uint16_t>& positions,
                                        uint16_t target)
{
    return takeTransponderOrder(db, placeWithinGroup(networkOfEachTransponder(db), positions, target));
}

bool movePrograms(ChannelDatabase& db, const std::vector<uint16_t>& positions, uint16_t to)
{
    const std::size_t count = db.programs.size();
    const std::vector<bool> chosen = flagPositions(count, positions);
    std::vector<std::size_t> block;
    std::vector<std::size_t> staying;
    staying.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        (chosen[i] ? block : staying).push_back(i);
    if (block.empty() || to > staying.size())
        return false;
    const auto split = staying.begin() + static_cast<std::ptrdiff_t>(to);
    std::vector<std::size_t> order;
    order.reserve(count);
    order.insert(order.end(), staying.begin(), split);
    order.insert(order.end(), block.begin(), block.end());
    order.insert(order.end(), split, staying.end());
    if (std::is_sorted(order.begin(), order.end()))
        return false;
    db.programs.reorder(order);
    remapFavourites(db, PositionMap::reordering(order));
    return true;
}

bool sortNetworksByDegree(ChannelDatabase& db, uint16_t origin)
{
    if (db.antennas.size() != db.networks.size())
        return false;
    const std::size_t count = std::min(db.networks.size(), kSortedSlots);
    const auto key = [&](std::size_t slot) { return (db.networks[slot].degree + origin) % kDegreeRange; };
    // A selection sort of the non-empty slots, played on slot numbers and applied once at the end.
    std::vector<std::size_t> order = identityOrder(db.networks.size());
    bool moved = false;
    for (std::size_t i = 0; i + 1 < count; ++i) {
        if (db.networks[order[i]].isEmpty())
            continue;
        int best = key(order[i]);
        std::size_t found = 0;
        for (std::size_t j = i + 1; j < count; ++j) {
            if (!db.networks[order[j]].isEmpty() && key(order[j]) < best) {
                best = key(order[j]);
                found = j;
            }
        }
        if (found != 0) {
            const auto base = order.begin();
            std::rotate(base + static_cast<std::ptrdiff_t>(i), base + static_cast<std::ptrdiff_t>(found),
                        base + static_cast<std::ptrdiff_t>(found) + 1);
            moved = true;
        }
    }
    if (moved)
        applyNetworkOrder(db, order);
    return moved;
}

bool sortTranspondersByFrequency(ChannelDatabase& db, uint8_t slot)
{
    const CTpList& tps = db.transponders;
    const std::size_t first = firstTransponderOfNetwork(db, slot);
    const std::size_t end = endOfNetworkTransponders(db, slot);
    if (first >= tps.size())
        return false;
    std::vector<std::size_t> order = identityOrder(tps.size());
    const bool together = std::none_of(order.begin() + static_cast<std::ptrdiff_t>(end), order.end(),
                                       [&](std::size_t i) { return tps[i].netIndex == slot; });
    if (together) {
        // On one run the insertion sort by moves is a stable sort, and moves something exactly when
        // the run is out of order.
        const auto runBegin = order.begin() + static_cast<std::ptrdiff_t>(first);
        const auto runEnd = order.begin() + static_cast<std::ptrdiff_t>(end);
        const auto byKey = [&](std::size_t a, std::size_t b) {
            return frequencyKey(tps[a]) < frequencyKey(tps[b]);
        };
        if (std::is_sorted(runBegin, runEnd, byKey))
            return false;
        std::stable_sort(runBegin, runEnd, byKey);
    } else if (!insertionSortByMoves(db, slot, first, order)) {
        return false;
    }
    applyTransponderOrder(db, order);
    return true;
}

void changeProgramType(ChannelDatabase& db, const ProgInfo& prog)
{
    const uint16_t k = positionOfProgram(db, &prog);
    if (k == NO_POSITION)
        return;
    const bool radio = prog.isRadio();
    for (FavInfo& fav : db.favourites) {
        // A damaged file may list a program twice; every copy leaves, so no entry of the wrong type stays.
        if (std::erase(fav.listFor(radio), k) > 0)
            fav.listFor(!radio).push_back(k);
    }
}

} // namespace kvx
