#include "db/tpinfo.h"

#include <cstdio>

namespace kvx {

std::string TpInfo::label() const
{
    char text[64];
    if (isTerrestrial()) {
        std::snprintf(text, sizeof text, "%d.%03d (%d Mhz)", frequency / 1000, frequency % 1000,
                      8 - symbolRate);
    } else {
        std::snprintf(text, sizeof text, "%d.%03d  (%s)  %d.%03d", frequency / 1000, frequency % 1000,
                      kPolarityLetters[polarity()].data(), symbolRate / 1000, symbolRate % 1000);
    }
    return text;
}

bool TpInfo::differs(const TpInfo& other) const
{
    return name != other.name || frequency != other.frequency || symbolRate != other.symbolRate ||
           tpFlags != other.tpFlags || freqDrift != other.freqDrift || tpExtra != other.tpExtra ||
           gmtError != other.gmtError;
}

} // namespace kvx
