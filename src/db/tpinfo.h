#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "db/tables.h"

namespace kvx {

// One transponder (satellite) or channel (terrestrial) of a network.
struct TpInfo {
    std::string name;
    uint16_t frequency = 0;  // MHz for satellites
    uint16_t symbolRate = 0; // kS/s; terrestrial: bandwidth code 0 = 8 MHz .. 3 = 5 MHz
    uint8_t tpFlags = 0;     // bits 0-1 polarity, 2 DVB-S2, 3 8PSK, 4-7 FEC
    uint8_t freqDrift = 0;
    uint8_t netIndex = 0;
    std::array<uint16_t, 4> tpExtra{}; // word 3: pilot bit (satellite) or two name characters
    int32_t gmtError = NO_GMT_ERROR;
    void* treeItem = nullptr;

    static TpInfo create(uint8_t netIndex, uint16_t frequency, uint8_t tpFlags)
    {
        TpInfo tp;
        tp.netIndex = netIndex;
        tp.frequency = frequency;
        tp.tpFlags = tpFlags;
        return tp;
    }

    int polarity() const { return tpFlags & TP_POLARITY_MASK; }
    int fec() const { return tpFlags >> 4; }
    bool isDvbS2() const { return tpFlags & TP_DVBS2; }
    bool isTerrestrial() const { return netIndex == TERRESTRIAL_SLOT; }

    // "11.475  (H)  5.150" for a satellite transponder, "474.000 (8 Mhz)" for a terrestrial one.
    std::string label() const;
    // Whether any stored field but netIndex differs.
    bool differs(const TpInfo& other) const;
    void copyFrom(const TpInfo& other) { *this = other; }
    // Every member, tree item included.
    bool operator==(const TpInfo&) const = default;
};

} // namespace kvx
