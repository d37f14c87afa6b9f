#pragma once

#include <cstdint>
#include <vector>

#include "db/channeldatabase.h"

namespace kvx::test {

// A database of the given model (1 satellite-only, 2 combo) with default slots and favourite groups,
// as New makes it, and the given layout flags.
ChannelDatabase makeEmptyModel(uint8_t version, uint32_t layoutFlags);

// A small database that exercises every field: names with and without a code-page marker, several PID
// lists, CA words, spare fields, terrestrial transponders for the combo model, favourites.
ChannelDatabase makeVariedDatabase(uint8_t version, uint32_t layoutFlags);

struct LargeShape {
    int networks = 64;
    int transponders = 6000;
    int programs = 20000;
    int favouriteEntries = 400; // per group, TV and radio together
};

// A database the size of the largest real files (about 1 MiB as an image).
ChannelDatabase makeLargeDatabase(const LargeShape& shape = {});

// Writes the database with its stamp kept, into a buffer of the file format's size.
std::vector<uint8_t> imageOf(ChannelDatabase& db);

} // namespace kvx::test
