#pragma once

#include <cstdint>

#include "db/antinfo.h"

namespace kvx {

enum class LyngSatBand { C, Ku };

// The choices of the update dialog; the defaults are the dialog's.
struct LyngSatOptions {
    LyngSatBand band = LyngSatBand::Ku;
    bool includeHd = false;
    bool includeDvbS2 = false;
    bool includeFeeds = false;
    bool removeOutdated = true;
    bool sortByFrequency = true;
};

// Accepted frequencies of a band in MHz, both ends included.
struct BandLimits {
    uint32_t lowest;
    uint32_t highest;
};

constexpr BandLimits bandLimits(LyngSatBand band)
{
    return band == LyngSatBand::C ? BandLimits{3000, 6100} : BandLimits{10700, 12900};
}

// The band the dialog starts with: Ku for any LNB kind but "Single", else C.
constexpr LyngSatBand defaultBandFor(const AntInfo& antenna)
{
    return antenna.lnbType > 63 ? LyngSatBand::Ku : LyngSatBand::C;
}

} // namespace kvx
