#pragma once

#include <cstdint>
#include <vector>

#include "db/channeldatabase.h"

namespace kvx::test {

// How a receiver's list differs after a rescan.
struct RescanShape {
    int goneEvery = 37;      // every n-th program is gone (0: none)
    int newPrograms = 5;     // programs the old list did not have
    int serviceIdEvery = 53; // every n-th program that stays gets another service ID (0: none)
    bool swapSlots = true;   // the satellite slots 2k and 2k+1 change places
    uint32_t seed = 24;      // of the shuffle
};

struct Rescan {
    ChannelDatabase db;
    std::vector<int> originOf;          // per program: its position in the original, -1 for a new one
    std::vector<bool> serviceIdChanged; // per program
    int gone = 0;
};

// The list a rescan of `original` gives: the programs in another order with other PIDs, some gone and
// some new (on the original's transponders), a few with another service ID (their names stay, and are
// unique), every transponder 1 MHz off (up and down in turn), the favourite groups back to their empty
// defaults. Program names must be unique in the original for the renamed service IDs to match by name.
Rescan makeRescan(const ChannelDatabase& original, const RescanShape& shape = {});

} // namespace kvx::test
