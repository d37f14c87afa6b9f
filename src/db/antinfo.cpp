#include "db/antinfo.h"

#include "db/tables.h"

namespace kvx {

void AntInfo::setLnbFrequencies(uint16_t low, uint16_t high)
{
    if (high != 0) {
        const int kind = lnbKind();
        if (low == lnbTableEntry(kind, 0)) {
            for (int i = 1; i < lnbTableCount(kind); ++i) {
                if (lnbTableEntry(kind, i) == high) {
                    lnbType = static_cast<uint8_t>((lnbType & 0xF0) | i);
                    return;
                }
            }
        }
        lnbType &= 0xF0;
        lnbFreqLow = low;
        lnbFreqHigh = high;
        return;
    }
    for (int i = 1; i < lnbTableCount(0); ++i) {
        if (lnbTableEntry(0, i) == low) {
            lnbType = static_cast<uint8_t>(i);
            return;
        }
    }
    lnbType = 0;
    lnbFreqLow = low;
}

uint16_t AntInfo::lnbFrequency(int which) const
{
    const int kind = lnbKind();
    const int i = lnbIndex();
    uint16_t standard = 0;
    if (i != 0 && i < lnbTableCount(kind)) {
        if (kind == 0)
            standard = lnbTableEntry(0, i);
        else
            standard = which ? lnbTableEntry(kind, i) : lnbTableEntry(kind, 0);
    }
    if (standard != 0)
        return standard;
    if (kind == 0)
        return lnbFreqLow;
    return which ? lnbFreqHigh : lnbFreqLow;
}

bool AntInfo::differs(const AntInfo& other) const
{
    if ((diseqc & 0x8F) != (other.diseqc & 0x8F))
        return true;
    if ((power & 0x0F) != (other.power & 0x0F))
        return true;
    if ((switchLevel() & 1) && port10() != other.port10())
        return true;
    if ((switchLevel() & 2) && port11() != other.port11())
        return true;
    if (lnbKind() != other.lnbKind())
        return true;
    if (lnbFrequency(0) != other.lnbFrequency(0))
        return true;
    return lnbKind() != 0 && lnbFrequency(1) != other.lnbFrequency(1);
}

} // namespace kvx
