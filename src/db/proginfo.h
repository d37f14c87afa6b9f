#pragma once

#include <cstdint>
#include <string>

#include "db/pidlist.h"
#include "db/tables.h"

namespace kvx {

class NameEncoding;

// One program (service) of a transponder.
struct ProgInfo {
    std::string name;                           // bytes in the name encoding, or ISO 8859-5 (marker 2)
    uint8_t nameCodePage = NAME_CODE_PAGE_NONE; // 255 none, 2 ISO 8859-5
    uint16_t serviceId = 0;
    uint16_t pmtPid = NO_PID;
    uint16_t pcrPid = NO_PID;
    PidList videoPids;
    PidList audioPids;
    PidList teletextPids;
    uint32_t caSystems = 0;
    uint8_t attributes = 0;
    uint8_t spareByte = 0;
    uint16_t spareWord = 0xFFFF;
    uint16_t tpIndex = 0;
    void* treeItem = nullptr; // never stored
    uint16_t favMask = 0;     // favourite membership, used by the channel list only

    static ProgInfo create(uint16_t tpIndex, uint16_t serviceId)
    {
        ProgInfo prog;
        prog.tpIndex = tpIndex;
        prog.serviceId = serviceId;
        return prog;
    }

    bool isRadio() const { return attributes & ATTR_RADIO; }
    bool hasIsoName() const { return nameCodePage == NAME_CODE_PAGE_ISO8859_5; }

    // Whether `other` (a candidate, such as an edited copy) differs from this stored program. A name
    // marked as ISO 8859-5 also counts as equal when its text in the name encoding equals other's.
    bool differs(const ProgInfo& other, const NameEncoding& encoding) const;
    // Copies every field but spareWord and favMask.
    void copyFrom(const ProgInfo& other);
    // Every member, tree item and favMask included.
    bool operator==(const ProgInfo&) const = default;
};

} // namespace kvx
