#include "db/cleanup.h"

#include <cstring>
#include <span>
#include <unordered_map>
#include <unordered_set>

#include "db/databasesnapshot.h"
#include "db/editops.h"

namespace kvx {

namespace {

// FNV-1a over the database's snapshot, every field of every record, taken eight bytes at a time.
uint64_t fingerprintOf(const ChannelDatabase& db)
{
    const DatabaseSnapshot snapshot = DatabaseSnapshot::take(db);
    const std::span<const uint8_t> bytes = snapshot.bytes();
    uint64_t hash = 14695981039346656037ULL;
    std::size_t k = 0;
    for (; k + sizeof(uint64_t) <= bytes.size(); k += sizeof(uint64_t)) {
        uint64_t word = 0;
        std::memcpy(&word, bytes.data() + k, sizeof word);
        hash = (hash ^ word) * 1099511628211ULL;
    }
    for (; k < bytes.size(); ++k)
        hash = (hash ^ bytes[k]) * 1099511628211ULL;
    return hash ^ bytes.size();
}

std::size_t favouriteEntryCount(const ChannelDatabase& db)
{
    std::size_t count = 0;
    for (const FavInfo& group : db.favourites)
        count += group.tvList.size() + group.radioList.size();
    return count;
}

// The records of one list grouped by another record they name, in list order (a counting sort).
class Grouped {
public:
    Grouped(std::size_t owners, const std::vector<uint16_t>& ownerOf)
            : start_(owners + 1, 0)
    {
        for (const uint16_t owner : ownerOf)
            if (owner < owners)
                ++start_[owner + 1];
        for (std::size_t k = 0; k < owners; ++k)
            start_[k + 1] += start_[k];
        members_.resize(start_[owners]);
        std::vector<uint32_t> next(start_.begin(), start_.end() - 1);
        for (std::size_t k = 0; k < ownerOf.size(); ++k)
            if (ownerOf[k] < owners)
                members_[next[ownerOf[k]]++] = static_cast<uint32_t>(k);
    }
    std::vector<uint32_t> of(std::size_t owner) const
    {
        return {members_.begin() + start_[owner], members_.begin() + start_[owner + 1]};
    }

private:
    std::vector<uint32_t> start_;
    std::vector<uint32_t> members_;
};

// Every favourite entry, numbered over all groups, TV list then radio list of each.
struct FavouriteEntries {
    std::vector<uint16_t> program;
    std::vector<int> group;
    std::vector<bool> radio;
    std::vector<uint16_t> place;
    std::vector<uint32_t> listStart; // two per group: the first number of its TV and of its radio list

    explicit FavouriteEntries(const ChannelDatabase& db)
    {
        for (std::size_t g = 0; g < db.favourites.size(); ++g)
            for (const bool inRadio : {false, true}) {
                listStart.push_back(static_cast<uint32_t>(program.size()));
                const CChList& list = db.favourites[g].listFor(inRadio);
                for (std::size_t k = 0; k < list.size(); ++k) {
                    program.push_back(list[k]);
                    group.push_back(static_cast<int>(g));
                    radio.push_back(inRadio);
                    place.push_back(static_cast<uint16_t>(k));
                }
            }
    }
};

enum class TpFate : uint8_t { Stays, Duplicate, Zero, Empty };

class Planner {
public:
    Planner(const ChannelDatabase& db, const DatabaseCheck& check, CleanupOptions options)
            : db_(db)
            , check_(check)
            , options_(options)
            , tpFate_(db.transponders.size(), TpFate::Stays)
            , orphan_(db.programs.size(), false)
            , repeats_(db.programs.size(), NO_POSITION)
            , survivor_(db.programs.size())
            , byTransponder_(db.transponders.size(), transponderOfEach(db))
    {
        for (std::size_t p = 0; p < survivor_.size(); ++p)
            survivor_[p] = static_cast<uint16_t>(p);
    }

    void plan(std::vector<CleanupChange>& out)
    {
        out_ = &out;
        judgeRecords();
        planDuplicateTransponders();
        for (const CheckFinding& f : check_.duplicatePrograms)
            if (!orphan_[f.removed.position])
                append(made(CleanupKind::RemoveDuplicateProgram, f.removed, {survivor_[f.kept.position]}));
        planTransponders(TpFate::Zero, CleanupKind::RemoveZeroTransponder);
        for (const CheckFinding& f : check_.orphanPrograms)
            append(made(CleanupKind::RemoveOrphanProgram, f.removed));
        planTransponders(TpFate::Empty, CleanupKind::RemoveEmptyTransponder);
        for (const CheckFinding& f : check_.repeatedFavourites)
            append(made(CleanupKind::DropRepeatedFavourite, f.removed, f.kept));
        planFavouritePasses();
    }

private:
    static std::vector<uint16_t> transponderOfEach(const ChannelDatabase& db)
    {
        std::vector<uint16_t> owners;
        owners.reserve(db.programs.size());
        for (const ProgInfo& prog : db.programs)
            owners.push_back(prog.tpIndex);
        return owners;
    }

    static CleanupChange made(CleanupKind kind, CheckedRecord removed, CheckedRecord kept = {},
                              std::size_t dependsOn = CleanupChange::NO_CHANGE)
    {
        CleanupChange change;
        change.kind = kind;
        change.removed = removed;
        change.kept = kept;
        change.dependsOn = dependsOn;
        return change;
    }

    std::size_t append(CleanupChange change)
    {
        change.id = static_cast<int>(out_->size()) + 1;
        out_->push_back(std::move(change));
        return out_->size() - 1;
    }

    void judgeRecords()
    {
        std::vector<bool> zero(tpFate_.size(), false);
        for (const CheckFinding& f : check_.zeroTransponders)
            zero[f.removed.position] = true;
        for (const CheckFinding& f : check_.duplicateTransponders)
            if (!zero[f.kept.position])
                tpFate_[f.removed.position] = TpFate::Duplicate;
        for (const CheckFinding& f : check_.zeroTransponders)
            if (tpFate_[f.removed.position] == TpFate::Stays)
                tpFate_[f.removed.position] = TpFate::Zero;
        if (options_.emptyTransponders)
            for (const CheckFinding& f : check_.emptyTransponders)
                if (tpFate_[f.removed.position] == TpFate::Stays)
                    tpFate_[f.removed.position] = TpFate::Empty;
        for (const CheckFinding& f : check_.orphanPrograms)
            orphan_[f.removed.position] = true;
        for (const CheckFinding& f : check_.duplicatePrograms)
            repeats_[f.removed.position] = f.kept.position;
    }

    static uint32_t serviceKey(uint16_t tp, uint16_t serviceId)
    {
        return (static_cast<uint32_t>(tp) << 16) | serviceId;
    }

    // A program that neither goes as an orphan nor repeats another of its transponder.
    bool ownService(uint32_t p) const { return !orphan_[p] && repeats_[p] == NO_POSITION; }

    void planDuplicateTransponders()
    {
        // The services each kept transponder holds: its own, then those moved to it.
        std::unordered_map<uint32_t, uint16_t> services;
        for (const CheckFinding& f : check_.duplicateTransponders) {
            if (tpFate_[f.removed.position] != TpFate::Duplicate)
                continue;
            const uint16_t kept = f.kept.position;
            if (!keeperIndexed_.insert(kept).second)
                continue;
            for (const uint32_t p : byTransponder_.of(kept))
                if (ownService(p))
                    services.try_emplace(serviceKey(kept, db_.programs[p].serviceId),
                                         static_cast<uint16_t>(p));
        }
        for (const CheckFinding& f : check_.duplicateTransponders) {
            const uint16_t removed = f.removed.position;
            if (tpFate_[removed] != TpFate::Duplicate)
                continue;
            const uint16_t kept = f.kept.position;
            CleanupChange change = made(CleanupKind::RemoveDuplicateTransponder, f.removed, f.kept);
            const std::vector<uint32_t> programs = byTransponder_.of(removed);
            change.programs.assign(programs.begin(), programs.end());
            const std::size_t index = append(std::move(change));
            for (const uint32_t p : programs) {
                if (!ownService(p))
                    continue;
                const auto program = static_cast<uint16_t>(p);
                const auto [held, added] =
                    services.try_emplace(serviceKey(kept, db_.programs[p].serviceId), program);
                if (added) {
                    append(made(CleanupKind::MoveProgram, {program}, {kept}, index));
                    continue;
                }
                survivor_[p] = held->second;
                append(made(CleanupKind::RemoveDuplicateProgram, {program}, {held->second}, index));
            }
        }
    }

    void planTransponders(TpFate fate, CleanupKind kind)
    {
        for (std::size_t t = 0; t < tpFate_.size(); ++t) {
            if (tpFate_[t] != fate)
                continue;
            CleanupChange change = made(kind, {static_cast<uint16_t>(t)});
            const std::vector<uint32_t> programs = byTransponder_.of(t);
            change.programs.assign(programs.begin(), programs.end());
            append(std::move(change));
        }
    }

    // The entries of each removed duplicate program, in decision order: the first to reach a group the
    // kept program is not in hands it the entry.
    void planFavouritePasses()
    {
        const FavouriteEntries entries(db_);
        std::unordered_set<uint32_t> member; // (program, group)
        member.reserve(entries.program.size());
        const auto key = [](uint16_t program, int group) {
            return (static_cast<uint32_t>(program) << 16) | static_cast<uint32_t>(group & 0xFFFF);
        };
        for (std::size_t e = 0; e < entries.program.size(); ++e)
            member.insert(key(entries.program[e], entries.group[e]));
        const Grouped byProgram(db_.programs.size(), entries.program);
        for (CleanupChange& change : *out_) {
            if (change.kind != CleanupKind::RemoveDuplicateProgram)
                continue;
            const uint16_t kept = change.kept.position;
            const bool keptRadio = db_.programs[kept].isRadio();
            for (const uint32_t e : byProgram.of(change.removed.position))
                change.entries.push_back({.entry = e,
                                          .group = entries.group[e],
                                          .radio = entries.radio[e],
                                          .place = entries.place[e],
                                          .passes = member.insert(key(kept, entries.group[e])).second,
                                          .toRadio = keptRadio});
        }
    }

    const ChannelDatabase& db_;
    const DatabaseCheck& check_;
    CleanupOptions options_;
    std::vector<TpFate> tpFate_;
    std::vector<bool> orphan_;
    std::vector<uint16_t> repeats_;  // the program a repeat repeats, by program
    std::vector<uint16_t> survivor_; // the program that stays for each
    Grouped byTransponder_;
    std::unordered_set<uint16_t> keeperIndexed_;
    std::vector<CleanupChange>* out_ = nullptr;
};

bool isSelected(const ChangeSelection& selection, std::size_t index)
{
    return index < selection.size() && selection[index];
}

bool removesTransponder(CleanupKind kind)
{
    return kind == CleanupKind::RemoveDuplicateTransponder || kind == CleanupKind::RemoveEmptyTransponder ||
           kind == CleanupKind::RemoveZeroTransponder;
}

// What a selection does, record by record.
struct Effects {
    std::vector<bool> transponderGone;
    std::vector<bool> programGone; // removed, or with its transponder
    std::vector<uint16_t> moveTo;  // the transponder a program moves to, or NO_POSITION
    std::vector<std::pair<const FavouritePass*, uint16_t>> passes; // with the program taking the entry
    std::vector<const CheckedRecord*> dropped;                     // repeated entries
    std::vector<bool> entryMerged;

    Effects(const std::vector<CleanupChange>& changes, const ChangeSelection& selection,
            std::size_t transponders, std::size_t programs, std::size_t favouriteEntries,
            const std::vector<uint32_t>& listStart)
            : transponderGone(transponders, false)
            , programGone(programs, false)
            , moveTo(programs, NO_POSITION)
            , entryMerged(favouriteEntries, false)
    {
        for (std::size_t k = 0; k < changes.size(); ++k) {
            const CleanupChange& change = changes[k];
            const bool acts = isSelected(selection, k) && (change.dependsOn == CleanupChange::NO_CHANGE ||
                                                           isSelected(selection, change.dependsOn));
            if (!acts)
                continue;
            const uint16_t removed = change.removed.position;
            switch (change.kind) {
            case CleanupKind::MoveProgram: moveTo[removed] = change.kept.position; break;
            case CleanupKind::RemoveDuplicateProgram:
                programGone[removed] = true;
                for (const FavouritePass& pass : change.entries) {
                    entryMerged[pass.entry] = true;
                    if (pass.passes)
                        passes.emplace_back(&pass, change.kept.position);
                }
                break;
            case CleanupKind::RemoveOrphanProgram: programGone[removed] = true; break;
            case CleanupKind::DropRepeatedFavourite:
                dropped.push_back(&change.removed);
                entryMerged[listStart[static_cast<std::size_t>(change.removed.group) * 2 +
                                      change.removed.radio] +
                            removed] = true;
                break;
            default: transponderGone[removed] = true; break;
            }
        }
        for (std::size_t k = 0; k < changes.size(); ++k)
            if (removesTransponder(changes[k].kind) && transponderGone[changes[k].removed.position])
                for (const uint16_t p : changes[k].programs)
                    if (moveTo[p] == NO_POSITION)
                        programGone[p] = true;
    }
};

std::vector<uint32_t> listStarts(const ChannelDatabase& db)
{
    std::vector<uint32_t> starts;
    uint32_t count = 0;
    for (const FavInfo& group : db.favourites)
        for (const bool radio : {false, true}) {
            starts.push_back(count);
            count += static_cast<uint32_t>(group.listFor(radio).size());
        }
    return starts;
}

std::vector<uint16_t> positionsOf(const std::vector<bool>& flags)
{
    std::vector<uint16_t> positions;
    for (std::size_t k = 0; k < flags.size(); ++k)
        if (flags[k])
            positions.push_back(static_cast<uint16_t>(k));
    return positions;
}

void applyFavourites(ChannelDatabase& db, const Effects& effects)
{
    std::vector<std::pair<std::size_t, bool>> appended; // (group, radio list) per program below
    std::vector<uint16_t> appendedProgram;
    for (const auto& [pass, kept] : effects.passes) {
        CChList& list = db.favourites[static_cast<std::size_t>(pass->group)].listFor(pass->radio);
        if (pass->toRadio == pass->radio) {
            list[pass->place] = kept;
        } else {
            appended.emplace_back(static_cast<std::size_t>(pass->group), pass->toRadio);
            appendedProgram.push_back(kept);
        }
    }
    if (!effects.dropped.empty()) {
        std::vector<std::vector<bool>> drop(db.favourites.size() * 2);
        for (const CheckedRecord* entry : effects.dropped) {
            std::vector<bool>& flags = drop[static_cast<std::size_t>(entry->group) * 2 + entry->radio];
            flags.resize(db.favourites[static_cast<std::size_t>(entry->group)].listFor(entry->radio).size());
            flags[entry->position] = true;
        }
        for (std::size_t k = 0; k < drop.size(); ++k) {
            if (drop[k].empty())
                continue;
            CChList& list = db.favourites[k / 2].listFor(k % 2 == 1);
            std::size_t out = 0;
            for (std::size_t i = 0; i < list.size(); ++i)
                if (!drop[k][i])
                    list[out++] = list[i];
            list.resize(out);
        }
    }
    for (std::size_t k = 0; k < appended.size(); ++k)
        db.favourites[appended[k].first].listFor(appended[k].second).push_back(appendedProgram[k]);
}

} // namespace

std::string_view cleanupKindName(CleanupKind kind)
{
    switch (kind) {
    case CleanupKind::RemoveDuplicateTransponder: return "removeDuplicateTransponder";
    case CleanupKind::MoveProgram: return "moveProgram";
    case CleanupKind::RemoveDuplicateProgram: return "removeDuplicateProgram";
    case CleanupKind::RemoveEmptyTransponder: return "removeEmptyTransponder";
    case CleanupKind::RemoveZeroTransponder: return "removeZeroTransponder";
    case CleanupKind::RemoveOrphanProgram: return "removeOrphanProgram";
    case CleanupKind::DropRepeatedFavourite: break;
    }
    return "dropRepeatedFavourite";
}

ChangeSelection CleanupPlan::defaultSelection() const
{
    ChangeSelection selection;
    selection.reserve(changes_.size());
    for (const CleanupChange& change : changes_)
        selection.push_back(change.selectedByDefault());
    return selection;
}

CleanupCounts CleanupPlan::countsOf(const ChangeSelection& selection) const
{
    const Effects effects(changes_, selection, transponders_, programs_, favouriteEntries_, listStarts_);
    CleanupCounts counts;
    for (const bool gone : effects.transponderGone)
        counts.transpondersRemoved += gone ? 1 : 0;
    for (std::size_t p = 0; p < programs_; ++p) {
        counts.programsRemoved += effects.programGone[p] ? 1 : 0;
        counts.programsMoved += effects.moveTo[p] != NO_POSITION ? 1 : 0;
    }
    for (const bool merged : effects.entryMerged)
        counts.favouriteEntriesMerged += merged ? 1 : 0;
    return counts;
}

CleanupPlan planCleanup(const ChannelDatabase& db, const DatabaseCheck& check, CleanupOptions options)
{
    CleanupPlan plan;
    plan.fingerprint_ = fingerprintOf(db);
    plan.transponders_ = db.transponders.size();
    plan.programs_ = db.programs.size();
    plan.favouriteEntries_ = favouriteEntryCount(db);
    plan.listStarts_ = listStarts(db);
    Planner(db, check, options).plan(plan.changes_);
    return plan;
}

Status applyCleanup(ChannelDatabase& db, const CleanupPlan& plan, const ChangeSelection& selection)
{
    if (db.transponders.size() != plan.transponders_ || db.programs.size() != plan.programs_ ||
        favouriteEntryCount(db) != plan.favouriteEntries_ || fingerprintOf(db) != plan.fingerprint_)
        return StatusChangesOutdated;
    const Effects effects(plan.changes_, selection, plan.transponders_, plan.programs_,
                          plan.favouriteEntries_, plan.listStarts_);
    applyFavourites(db, effects);
    for (std::size_t p = 0; p < effects.moveTo.size(); ++p)
        if (effects.moveTo[p] != NO_POSITION)
            db.programs[p].tpIndex = effects.moveTo[p];
    deleteProgramsAt(db, positionsOf(effects.programGone));
    deleteTranspondersAt(db, positionsOf(effects.transponderGone));
    return StatusOk;
}

} // namespace kvx
