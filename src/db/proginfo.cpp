#include "db/proginfo.h"

#include "platform/nameencoding.h"

namespace kvx {

bool ProgInfo::differs(const ProgInfo& other, const NameEncoding& encoding) const
{
    if (name != other.name) {
        if (nameCodePage == NAME_CODE_PAGE_NONE)
            return true;
        const std::string converted = hasIsoName() ? encoding.fromIso88595(name) : name;
        if (converted != other.name)
            return true;
    }
    return nameCodePage != other.nameCodePage || serviceId != other.serviceId || pmtPid != other.pmtPid ||
           pcrPid != other.pcrPid || videoPids != other.videoPids || audioPids != other.audioPids ||
           teletextPids != other.teletextPids || caSystems != other.caSystems ||
           attributes != other.attributes || spareByte != other.spareByte;
}

void ProgInfo::copyFrom(const ProgInfo& other)
{
    const uint16_t keepSpareWord = spareWord;
    const uint16_t keepFavMask = favMask;
    *this = other;
    spareWord = keepSpareWord;
    favMask = keepFavMask;
}

} // namespace kvx
