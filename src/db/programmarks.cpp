#include "db/programmarks.h"

#include <algorithm>

#include "db/tables.h"

namespace kvx {

namespace {

// The flag of each program position, set for the positions given.
std::vector<bool> flagged(std::size_t count, const std::vector<uint16_t>& positions)
{
    std::vector<bool> flags(count);
    for (const uint16_t position : positions)
        if (position < count)
            flags[position] = true;
    return flags;
}

std::vector<bool> membersOf(const FavInfo& fav, std::size_t count)
{
    std::vector<bool> members(count);
    for (const CChList* list : {&fav.tvList, &fav.radioList})
        for (const uint16_t entry : *list)
            if (entry < count)
                members[entry] = true;
    return members;
}

template <class Change>
std::size_t changeCa(ChannelDatabase& db, const std::vector<uint16_t>& positions, Change change)
{
    std::size_t changed = 0;
    for (const uint16_t position : positions) {
        if (position >= db.programs.size())
            continue;
        uint32_t& ca = db.programs[position].caSystems;
        const uint32_t before = ca;
        ca = change(ca);
        changed += ca != before ? 1 : 0;
    }
    return changed;
}

} // namespace

std::size_t addToFavouriteGroup(ChannelDatabase& db, std::size_t group,
                                const std::vector<uint16_t>& positions)
{
    if (group >= db.favourites.size())
        return 0;
    FavInfo& fav = db.favourites[group];
    std::vector<bool> members = membersOf(fav, db.programs.size());
    std::size_t added = 0;
    for (const uint16_t position : positions) {
        if (position >= db.programs.size() || members[position])
            continue;
        fav.listFor(db.programs[position].isRadio()).push_back(position);
        members[position] = true;
        ++added;
    }
    return added;
}

std::size_t removeFromFavouriteGroup(ChannelDatabase& db, std::size_t group,
                                     const std::vector<uint16_t>& positions)
{
    if (group >= db.favourites.size())
        return 0;
    const std::vector<bool> gone = flagged(db.programs.size(), positions);
    std::size_t removed = 0;
    for (CChList* list : {&db.favourites[group].tvList, &db.favourites[group].radioList})
        removed += std::erase_if(*list, [&](uint16_t entry) { return entry < gone.size() && gone[entry]; });
    return removed;
}

std::size_t countInFavouriteGroup(const ChannelDatabase& db, std::size_t group,
                                  const std::vector<uint16_t>& positions)
{
    if (group >= db.favourites.size())
        return 0;
    const std::vector<bool> members = membersOf(db.favourites[group], db.programs.size());
    return static_cast<std::size_t>(std::count_if(positions.begin(), positions.end(), [&](uint16_t position) {
        return position < members.size() && members[position];
    }));
}

std::size_t markScrambled(ChannelDatabase& db, const std::vector<uint16_t>& positions)
{
    return changeCa(db, positions, [](uint32_t ca) {
        return (ca & CA_SYSTEM_BITS) != 0 ? ca : ca | (1u << CA_UNKNOWN_BIT);
    });
}

std::size_t clearScrambled(ChannelDatabase& db, const std::vector<uint16_t>& positions)
{
    return changeCa(db, positions, [](uint32_t ca) { return ca & ~CA_SYSTEM_BITS; });
}

} // namespace kvx
