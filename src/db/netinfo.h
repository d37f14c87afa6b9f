#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/trnoop.h"

namespace kvx {

class NameEncoding;

// One network slot: a satellite, or the terrestrial network of a combo receiver.
struct NetInfo {
    std::string name;
    uint16_t degree = 0; // tenths of a degree east, 0..3599
    uint8_t positionerId = 0;
    uint8_t netIndex = 0;
    uint8_t skewV = 106;
    uint8_t skewH = 33;
    void* treeItem = nullptr; // the tree item showing this slot; never stored

    static constexpr uint8_t kDefaultSkewV = 106;
    static constexpr uint8_t kDefaultSkewH = 33;

    // The defaults of slot `slot` (used for a new slot and for emptying one).
    void reset(uint8_t slot);
    // The position as users read it ("35.5W"), see positionText.
    std::string degreeText() const;
    // An empty slot has degree 0 and a name that is empty or starts with '-' or ' '.
    bool isEmpty() const;
    bool differs(const NetInfo& other, bool comparePositioner, bool compareSkew) const;
    // Copies every field, tree item included.
    void copyFrom(const NetInfo& other) { *this = other; }
    // Every member, tree item included.
    bool operator==(const NetInfo&) const = default;
};

// Stands in for an empty name wherever a network or program is shown: the tree, the printed report
// and the exported channel list.
inline constexpr std::string_view kNoNameLabel = KVX_TR_NOOP("Labels", "(No name)");

// The network's name as UTF-8, or kNoNameLabel when it has none.
std::string networkLabelUtf8(const NetInfo& net, const NameEncoding& encoding);

} // namespace kvx
