#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "db/channeldatabase.h"

namespace kvx {

// Structural edits of a ChannelDatabase. Every operation that shifts positions renumbers the
// references behind the change (TpInfo::netIndex, ProgInfo::tpIndex, favourite entries), so the
// database stays consistent. None of them touches the tree or the modified flag; callers do.
// Positions are 8-bit for slots (NO_SLOT = none) and 16-bit for transponders and programs
// (NO_POSITION = none).

// --- Lookups
uint8_t slotOfNetwork(const ChannelDatabase& db, const NetInfo* net);
uint16_t positionOfTransponder(const ChannelDatabase& db, const TpInfo* tp);
uint16_t positionOfProgram(const ChannelDatabase& db, const ProgInfo* prog);
// First transponder of the slot, or the transponder count when it has none.
uint16_t firstTransponderOfNetwork(const ChannelDatabase& db, uint8_t slot);
// From the first transponder of the slot, the first position of another network (or the count).
uint16_t endOfNetworkTransponders(const ChannelDatabase& db, uint8_t slot);

// --- Adding
// Lists hold at most 65535 records (positions 0..0xFFFE): adding to a full list gives none.
// A new transponder of `slot` at `position`, or at the end of the network's run for NO_POSITION (or any
// position past the list).
TpInfo* addTransponder(ChannelDatabase& db, uint8_t slot, uint16_t position);
// Inserts a built transponder (the imports' way); returns its position, or NO_POSITION when the list is
// full (the transponder is then dropped).
uint16_t insertTransponder(ChannelDatabase& db, std::unique_ptr<TpInfo> tp, uint16_t position);
// Inserts built transponders of one network together at the end of its run, in their order, renumbering
// the programs once; as many as the list has room for. Returns how many were inserted.
std::size_t appendTransponders(ChannelDatabase& db, uint8_t slot, std::vector<std::unique_ptr<TpInfo>> tps);
// A new program of transponder `tpIndex` at `position`, appended for NO_POSITION.
ProgInfo* addProgram(ChannelDatabase& db, uint16_t tpIndex, uint16_t position);

// --- Deleting (programs go with their transponders, favourite entries with their programs)
void deleteProgram(ChannelDatabase& db, uint16_t position);
// Deletes the programs (or transponders, with their programs) at the positions in one pass; positions
// past the list's end are left out.
void deleteProgramsAt(ChannelDatabase& db, const std::vector<uint16_t>& positions);
void deleteTranspondersAt(ChannelDatabase& db, const std::vector<uint16_t>& positions);
void deleteProgramsOfTransponder(ChannelDatabase& db, uint16_t tpIndex);
void deleteProgramsOfNetwork(ChannelDatabase& db, uint8_t slot);
void deleteTransponder(ChannelDatabase& db, uint16_t position);
void deleteTranspondersOfNetwork(ChannelDatabase& db, uint8_t slot);
void deleteTransponders(ChannelDatabase& db, const std::vector<const TpInfo*>& transponders);
// Deletes the slot's transponders and resets the slot; its antenna stays.
void emptyNetworkSlot(ChannelDatabase& db, uint8_t slot);

// --- Moving and sorting
// The terrestrial slot is never moved nor taken; such a move does nothing.
void moveNetwork(ChannelDatabase& db, const NetInfo& moved, const NetInfo& target);
void moveTransponder(ChannelDatabase& db, const TpInfo& moved, const TpInfo& target);
void moveProgram(ChannelDatabase& db, const ProgInfo& moved, const ProgInfo& target);
// Blocks of programs within their transponder and of transponders within their network. The moved
// records change places only with others of their group, so every other record keeps its position; the
// favourite entries follow. Each returns the moved records' new positions, ascending, or none when
// nothing moved.
// Each record at the positions steps one place up (step < 0) or down, past an unselected neighbour, so a
// block keeps its order and a record at its group's edge stays.
std::vector<uint16_t> stepPrograms(ChannelDatabase& db, const std::vector<uint16_t>& positions, int step);
std::vector<uint16_t> stepTransponders(ChannelDatabase& db, const std::vector<uint16_t>& positions, int step);
// The records at the positions, all of the target's group, take the target's place in their order.
std::vector<uint16_t> placePrograms(ChannelDatabase& db, const std::vector<uint16_t>& positions,
                                    uint16_t target);
std::vector<uint16_t> placeTransponders(ChannelDatabase& db, const std::vector<uint16_t>& positions,
                                        uint16_t target);
// Moves the programs at the positions so that they stand together, in their order, from position `to`
// of the resulting list; the favourite entries follow. The program list's order is free (each program
// names its transponder, and the receiver numbers TV and radio channels each in list order), so a block
// may cross transponders and mix TV and radio. Positions past the list are left out; a `to` past the
// last place the block fits does nothing. Returns whether any program changed place.
bool movePrograms(ChannelDatabase& db, const std::vector<uint16_t>& positions, uint16_t to);
// Orders slots 0..63 by (degree + origin) mod 3600; returns whether anything moved.
bool sortNetworksByDegree(ChannelDatabase& db, uint16_t origin);
// Orders the slot's transponders by frequency, V before H; returns whether anything moved.
bool sortTranspondersByFrequency(ChannelDatabase& db, uint8_t slot);
// Called before a program's radio bit flips: moves its favourite entries to the other list.
void changeProgramType(ChannelDatabase& db, const ProgInfo& prog);

// The renumbering of a reference when the record at `from` moves to `to`.
constexpr uint32_t renumberedReference(uint32_t r, uint32_t from, uint32_t to)
{
    if (r == from)
        return to;
    if (to < from && to <= r && r < from)
        return r + 1;
    if (from < to && from < r && r <= to)
        return r - 1;
    return r;
}

} // namespace kvx
