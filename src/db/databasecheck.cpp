#include "db/databasecheck.h"

#include <unordered_map>

#include "db/duplicatetransponders.h"

namespace kvx {

namespace {

CheckFinding finding(CheckKind kind, std::size_t removed, uint16_t kept = NO_POSITION)
{
    return {kind, {static_cast<uint16_t>(removed)}, {kept}};
}

std::vector<int> programCounts(const ChannelDatabase& db)
{
    std::vector<int> counts(db.transponders.size(), 0);
    for (const ProgInfo& prog : db.programs)
        if (prog.tpIndex < counts.size())
            ++counts[prog.tpIndex];
    return counts;
}

std::vector<CheckFinding> findDuplicatePrograms(const CProgList& programs)
{
    std::unordered_map<uint32_t, uint16_t> firstOf; // (transponder, service ID) -> first program
    firstOf.reserve(programs.size());
    std::vector<CheckFinding> found;
    for (std::size_t i = 0; i < programs.size(); ++i) {
        const uint32_t key = (static_cast<uint32_t>(programs[i].tpIndex) << 16) | programs[i].serviceId;
        const auto [first, inserted] = firstOf.try_emplace(key, static_cast<uint16_t>(i));
        if (!inserted)
            found.push_back(finding(CheckKind::DuplicateProgram, i, first->second));
    }
    return found;
}

// A terrestrial channel's symbol rate field holds its bandwidth, where 0 stands for 8 MHz.
bool hasZeroTuning(const TpInfo& tp)
{
    return tp.frequency == 0 || (tp.symbolRate == 0 && !tp.isTerrestrial());
}

void findTransponderFaults(const ChannelDatabase& db, const std::vector<int>& counts, DatabaseCheck& check)
{
    for (std::size_t i = 0; i < db.transponders.size(); ++i) {
        if (counts[i] == 0)
            check.emptyTransponders.push_back(finding(CheckKind::EmptyTransponder, i));
        if (hasZeroTuning(db.transponders[i]))
            check.zeroTransponders.push_back(finding(CheckKind::ZeroTransponder, i));
    }
}

// A program whose transponder or slot the lists do not hold counts as orphaned too.
bool isOrphan(const ChannelDatabase& db, const ProgInfo& prog)
{
    const TpInfo* tp = db.transponders.at(prog.tpIndex);
    const NetInfo* net = tp ? db.networks.at(tp->netIndex) : nullptr;
    return net == nullptr || net->isEmpty();
}

std::vector<CheckFinding> findOrphanPrograms(const ChannelDatabase& db)
{
    std::vector<CheckFinding> found;
    for (std::size_t i = 0; i < db.programs.size(); ++i)
        if (isOrphan(db, db.programs[i]))
            found.push_back(finding(CheckKind::OrphanProgram, i));
    return found;
}

// Within each group, TV list then radio list, an entry naming a program an earlier entry of the group
// named already repeats that entry.
std::vector<CheckFinding> findRepeatedFavourites(const ChannelDatabase& db)
{
    std::vector<int> seenInGroup(db.programs.size(), -1);
    std::vector<CheckedRecord> firstEntry(db.programs.size());
    std::vector<CheckFinding> found;
    for (std::size_t g = 0; g < db.favourites.size(); ++g) {
        const int group = static_cast<int>(g);
        for (const bool radio : {false, true}) {
            const CChList& list = db.favourites[g].listFor(radio);
            for (std::size_t k = 0; k < list.size(); ++k) {
                const uint16_t prog = list[k];
                if (prog >= seenInGroup.size())
                    continue;
                const CheckedRecord entry{static_cast<uint16_t>(k), group, radio};
                if (seenInGroup[prog] == group) {
                    found.push_back({CheckKind::RepeatedFavourite, entry, firstEntry[prog]});
                    continue;
                }
                seenInGroup[prog] = group;
                firstEntry[prog] = entry;
            }
        }
    }
    return found;
}

} // namespace

bool DatabaseCheck::clean() const
{
    return duplicateTransponders.empty() && duplicatePrograms.empty() && emptyTransponders.empty() &&
           zeroTransponders.empty() && orphanPrograms.empty() && repeatedFavourites.empty();
}

DatabaseCheck checkDatabase(const ChannelDatabase& db)
{
    DatabaseCheck check;
    const std::vector<int> counts = programCounts(db);
    check.duplicateTransponders = findDuplicateTransponders(db, counts);
    check.duplicatePrograms = findDuplicatePrograms(db.programs);
    findTransponderFaults(db, counts, check);
    check.orphanPrograms = findOrphanPrograms(db);
    check.repeatedFavourites = findRepeatedFavourites(db);
    return check;
}

} // namespace kvx
