#pragma once

#include <cstdint>
#include <vector>

#include "db/channeldatabase.h"

namespace kvx::test {

struct DamagedCkvx {
    std::vector<uint8_t> file;  // the CKVX file with the flipped bit
    std::vector<uint8_t> image; // what it expands to
};

// The database's CKVX file as this program writes it (the database takes the compressed form), with one bit
// of the compressed body flipped such that the stream still decodes, to an image that validates and loads but
// differs from the original: only the stream's CRC tells. The bits are tried in order, so the result is
// always the same; empty when no bit qualifies.
DamagedCkvx damagedCkvxOf(ChannelDatabase& db);

} // namespace kvx::test
