#include "db/tables.h"

namespace kvx {

int lnbTableCount(int kind)
{
    switch (kind) {
    case 0: return static_cast<int>(kLnbSingle.size());
    case 1: return static_cast<int>(kLnbUniversal.size());
    case 2: return static_cast<int>(kLnbOcs.size());
    default: return 0;
    }
}

uint16_t lnbTableEntry(int kind, int i)
{
    if (i < 0 || i >= lnbTableCount(kind))
        return 0;
    switch (kind) {
    case 0: return kLnbSingle[i];
    case 1: return kLnbUniversal[i];
    default: return kLnbOcs[i];
    }
}

int caSystemBit(int k)
{
    return k == static_cast<int>(kCaSystemNames.size()) - 1 ? CA_UNKNOWN_BIT : k;
}

std::string caSystemsText(uint32_t caSystems)
{
    std::string text;
    for (int k = 0; k < static_cast<int>(kCaSystemNames.size()); ++k) {
        if (!(caSystems & (1u << caSystemBit(k))))
            continue;
        if (!text.empty())
            text += '/';
        text += kCaSystemNames[k];
    }
    return text;
}

} // namespace kvx
