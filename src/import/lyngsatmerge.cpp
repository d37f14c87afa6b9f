#include "import/lyngsatmerge.h"

#include <algorithm>
#include <cstdlib>

#include "db/editops.h"
#include "db/transponderclass.h"
#include "import/transponderlimit.h"

namespace kvx {

namespace {

constexpr int kFrequencyTolerance = kSameTransponderMHz; // either side
constexpr uint8_t kFecShift = 4;

uint32_t classKey(int horizontalClass, int frequency)
{
    return (static_cast<uint32_t>(horizontalClass) << 16) | static_cast<uint32_t>(frequency);
}

uint32_t classKey(const TpInfo& tp)
{
    return classKey(polarityClass(tp.polarity()), tp.frequency);
}

// The sort key of the transponder sort: ascending frequency, vertical before horizontal.
uint32_t sortKey(const TpInfo& tp)
{
    return static_cast<uint32_t>(tp.frequency) * 2 + (tp.tpFlags & 1);
}

std::string countText(int count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

} // namespace

std::string noTransponderFoundMessage(const LyngSatExclusions& excluded)
{
    std::string text = "No transponders were found on the page";
    if (excluded.total() == 0)
        return text;
    std::vector<std::string> parts;
    if (excluded.dvbS2 > 0)
        parts.push_back(countText(excluded.dvbS2, "DVB-S2 row", "DVB-S2 rows") +
                        " (\"Include DVB-S2\" is off)");
    if (excluded.hd > 0)
        parts.push_back(countText(excluded.hd, "HD row", "HD rows") + " (\"Include HD\" is off)");
    if (excluded.feeds > 0)
        parts.push_back(countText(excluded.feeds, "feed", "feeds") + " (\"Include Feeds\" is off)");
    if (excluded.band > 0)
        parts.push_back(countText(excluded.band, "row", "rows") + " outside the chosen band");
    text += ".\n" + countText(excluded.total(), "row was", "rows were") + " left out by the options: ";
    for (std::size_t k = 0; k < parts.size(); ++k)
        text += (k == 0 ? "" : ", ") + parts[k];
    return text + ".";
}

void applyRowSystem(TpInfo& tp, const LyngSatRow& row)
{
    if (row.terrestrial)
        return; // a terrestrial channel's extra word holds its name
    // The FEC and the 8PSK bit stay unless the row gives them.
    uint8_t flags = static_cast<uint8_t>((tp.tpFlags & ~(TP_POLARITY_MASK | TP_DVBS2)) | row.polarity);
    if (row.fecGiven)
        flags = static_cast<uint8_t>((flags & ~(0xF << kFecShift)) | (row.fec << kFecShift));
    if (!row.dvbS2) {
        tp.tpFlags = flags;
        tp.tpExtra[3] = static_cast<uint16_t>(tp.tpExtra[3] & ~TP_EXTRA_PILOT);
        return;
    }
    flags |= TP_DVBS2;
    flags = static_cast<uint8_t>(row.qpsk ? flags & ~TP_8PSK : flags | TP_8PSK);
    tp.tpFlags = flags;
    tp.tpExtra[3] = static_cast<uint16_t>(tp.tpExtra[3] | TP_EXTRA_PILOT);
}

LyngSatMerge::LyngSatMerge(const ChannelDatabase& db, uint8_t slot)
        : db_(db)
        , slot_(slot)
        , room_(MAX_TRANSPONDER_COUNT - std::min(MAX_TRANSPONDER_COUNT, db.transponders.size()))
        , near_(db, slot)
{
    const uint16_t end = endOfNetworkTransponders(db, slot);
    for (uint16_t i = firstTransponderOfNetwork(db, slot); i < end; ++i) {
        entries_.push_back({db.transponders[i], i, 0, false, false});
        index(static_cast<int>(entries_.size()) - 1);
    }
}

void LyngSatMerge::index(int entry)
{
    byFrequency_[classKey(entries_[static_cast<std::size_t>(entry)].values)].push_back(entry);
}

LyngSatMerge::Nearest LyngSatMerge::nearestCandidates(const LyngSatRow& row) const
{
    Nearest nearest;
    int unmatchedDistance = kFrequencyTolerance + 1;
    int takenDistance = kFrequencyTolerance + 1;
    const int horizontalClass = row.horizontal ? 1 : 0;
    for (int frequency = row.frequency - kFrequencyTolerance;
         frequency <= row.frequency + kFrequencyTolerance; ++frequency) {
        const auto bucket = byFrequency_.find(classKey(horizontalClass, frequency));
        if (frequency < 0 || bucket == byFrequency_.end())
            continue;
        const int distance = std::abs(frequency - row.frequency);
        for (const int k : bucket->second) {
            const Entry& entry = entries_[static_cast<std::size_t>(k)];
            // An updated transponder is also listed under its old frequency.
            if (classKey(entry.values) != bucket->first)
                continue;
            int& best = entry.takenByRow == 0 ? nearest.unmatched : nearest.taken;
            int& bestDistance = entry.takenByRow == 0 ? unmatchedDistance : takenDistance;
            if (distance < bestDistance || (distance == bestDistance && k < best)) {
                best = k;
                bestDistance = distance;
            }
        }
    }
    return nearest;
}

void LyngSatMerge::mergeRow(const LyngSatRow& row)
{
    ++result_.rows;
    const Nearest nearest = nearestCandidates(row);
    if (nearest.unmatched >= 0) {
        update(entries_[static_cast<std::size_t>(nearest.unmatched)], row);
        return;
    }
    add(row, nearest.taken >= 0 ? entries_[static_cast<std::size_t>(nearest.taken)].takenByRow : 0);
}

void LyngSatMerge::update(Entry& entry, const LyngSatRow& row)
{
    TpInfo after = entry.values;
    after.frequency = row.frequency;
    after.symbolRate = row.symbolRate;
    applyRowSystem(after, row);
    entry.takenByRow = result_.rows;
    if (!after.differs(entry.values)) {
        ++result_.unchanged;
        return;
    }
    Change change;
    change.kind = ChangeKind::Update;
    change.network = slot_;
    change.position = entry.position;
    change.before = entry.values;
    change.after = after;
    change.row = result_.rows;
    changes_.append(std::move(change));
    ++result_.updated;
    const bool moved = classKey(after) != classKey(entry.values);
    entry.values = after;
    if (moved)
        index(static_cast<int>(&entry - entries_.data()));
}

void LyngSatMerge::add(const LyngSatRow& row, int repeatsRow)
{
    if (room_ == 0) {
        result_.listFull = true;
        return;
    }
    --room_;
    TpInfo tp = TpInfo::create(slot_, row.frequency, row.polarity);
    tp.symbolRate = row.symbolRate;
    applyRowSystem(tp, row);
    Change change;
    change.kind = ChangeKind::Add;
    change.network = slot_;
    change.after = tp;
    change.row = result_.rows;
    change.repeatsRow = repeatsRow;
    change.possibleDuplicate = near_.nearest(row.frequency, row.polarity);
    changes_.append(std::move(change));
    ++(repeatsRow > 0 ? result_.repeats : result_.added);
    entries_.push_back({tp, NO_POSITION, result_.rows, true, repeatsRow > 0});
    index(static_cast<int>(entries_.size()) - 1);
}

void LyngSatMerge::finish(const LyngSatOptions& options)
{
    // A page that gave no row (another layout, an error page) says nothing about which transponders
    // are outdated; removing them all would empty the network.
    if (options.removeOutdated && result_.rows > 0)
        planRemovals();
    planSort(options);
}

void LyngSatMerge::planRemovals()
{
    const uint16_t first = firstTransponderOfNetwork(db_, slot_);
    const uint16_t end = endOfNetworkTransponders(db_, slot_);
    std::vector<std::vector<uint16_t>> programsOf(end - first);
    for (std::size_t p = 0; p < db_.programs.size(); ++p)
        if (const uint16_t tp = db_.programs[p].tpIndex; tp >= first && tp < end)
            programsOf[tp - first].push_back(static_cast<uint16_t>(p));
    std::vector<int> favouriteCount(db_.programs.size(), 0);
    for (const FavInfo& group : db_.favourites)
        for (const bool radio : {false, true})
            for (const uint16_t entry : group.listFor(radio))
                if (entry < favouriteCount.size())
                    ++favouriteCount[entry];

    for (Entry& entry : entries_) {
        if (entry.added || entry.takenByRow != 0)
            continue;
        Change change;
        change.kind = ChangeKind::Remove;
        change.network = slot_;
        change.position = entry.position;
        change.before = entry.values;
        for (const uint16_t p : programsOf[entry.position - first]) {
            const ProgInfo& prog = db_.programs[p];
            change.programs.push_back({prog.name, prog.nameCodePage, prog.serviceId});
            change.favouriteEntries += favouriteCount[p];
        }
        result_.programsRemoved += static_cast<int>(change.programs.size());
        changes_.append(std::move(change));
        ++result_.removed;
        entry.takenByRow = -1; // gone
    }
}

void LyngSatMerge::planSort(const LyngSatOptions& options)
{
    if (!options.sortByFrequency)
        return;
    // The sort is offered when the network would be out of order with the repeats or without them.
    const auto sortedWith = [this](bool repeats) {
        uint32_t last = 0;
        for (const Entry& entry : entries_) {
            if (entry.takenByRow < 0 || (entry.repeat && !repeats))
                continue;
            if (sortKey(entry.values) < last)
                return false;
            last = sortKey(entry.values);
        }
        return true;
    };
    if (sortedWith(false) && sortedWith(true))
        return;
    Change change;
    change.kind = ChangeKind::Sort;
    change.network = slot_;
    changes_.append(std::move(change));
}

} // namespace kvx
