#include "import/neartransponder.h"

#include <cstdlib>

#include "db/editops.h"
#include "db/transponderclass.h"

namespace kvx {

namespace {

uint32_t classKey(int polarity, int frequency)
{
    return (static_cast<uint32_t>(polarityClass(polarity)) << 16) | static_cast<uint32_t>(frequency);
}

} // namespace

NearTransponders::NearTransponders(const ChannelDatabase& db, uint8_t slot)
        : db_(db)
{
    const uint16_t end = endOfNetworkTransponders(db, slot);
    for (uint16_t i = firstTransponderOfNetwork(db, slot); i < end; ++i)
        byFrequency_.emplace(classKey(db.transponders[i].polarity(), db.transponders[i].frequency), i);
}

NearTransponder NearTransponders::nearest(uint16_t frequency, int polarity) const
{
    uint16_t best = NO_POSITION;
    int bestDistance = kSameTransponderMHz + 1;
    for (int f = frequency - kSameTransponderMHz; f <= frequency + kSameTransponderMHz; ++f) {
        if (f < 0)
            continue;
        const int distance = std::abs(f - frequency);
        const auto [first, last] = byFrequency_.equal_range(classKey(polarity, f));
        for (auto it = first; it != last; ++it)
            if (distance < bestDistance || (distance == bestDistance && it->second < best)) {
                best = it->second;
                bestDistance = distance;
            }
    }
    if (best == NO_POSITION)
        return {};
    const TpInfo& tp = db_.transponders[best];
    return {best, tp.frequency, static_cast<uint8_t>(tp.polarity())};
}

} // namespace kvx
