#pragma once

#include <cstdint>

namespace kvx {

// The antenna configuration of one network slot: LNB, DiSEqC switch and positioner, power.
struct AntInfo {
    uint8_t diseqc = 0;     // bits 0-1 switch level, 2-3 positioner level, 7 skew controller
    uint8_t power = 3;      // bits 0-1 LNB power, 2 22 kHz, 3 12 V
    uint8_t ports = 0;      // bits 0-1 DiSEqC 1.0 port, 4-7 DiSEqC 1.1 port
    uint8_t lnbType = 0x41; // bits 6-7 LNB kind, 0-3 standard entry (0 = custom)
    uint16_t lnbFreqLow = 0;
    uint16_t lnbFreqHigh = 0;

    int lnbKind() const { return lnbType >> 6; }
    int lnbIndex() const { return lnbType & 0x0F; }
    int switchLevel() const { return diseqc & 0x03; }
    int positionerLevel() const { return (diseqc >> 2) & 0x03; }
    int port10() const { return ports & 0x03; }
    int port11() const { return ports >> 4; }

    // Chooses the matching standard entry, or stores custom frequencies. A non-zero high frequency is
    // passed only for the dual kinds, whose kind is already set.
    void setLnbFrequencies(uint16_t low, uint16_t high);
    // The low (which = 0) or high (which = 1) oscillator frequency in MHz.
    uint16_t lnbFrequency(int which) const;
    // Whether the settings that matter to the receiver differ.
    bool differs(const AntInfo& other) const;

    bool operator==(const AntInfo&) const = default;
};

} // namespace kvx
