#pragma once

#include <cstdint>
#include <unordered_map>

#include "db/changeset.h"
#include "db/channeldatabase.h"

namespace kvx {

// The stored transponders of one network by H/V class and frequency, to name the one an addition of
// an import lands next to (within 2 MHz, transponderclass.h), as the import decides the addition.
class NearTransponders {
public:
    NearTransponders(const ChannelDatabase& db, uint8_t slot);
    // The nearest stored transponder of the class within 2 MHz of the frequency; of equal distance the
    // first in the list. None (position NO_POSITION) when there is none.
    NearTransponder nearest(uint16_t frequency, int polarity) const;

private:
    const ChannelDatabase& db_;
    std::unordered_multimap<uint32_t, uint16_t> byFrequency_; // (class, MHz) -> position
};

} // namespace kvx
