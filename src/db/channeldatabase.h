#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "db/lists.h"

namespace kvx {

// The in-memory form of one receiver channel database.
struct ChannelDatabase {
    uint8_t version = 0; // 1 satellite-only, 2 combo
    std::array<uint8_t, 3> stamp{};
    uint32_t layoutFlags = 0;
    bool compressed = false;
    bool keepStamp = false;
    CAntList antennas;
    CNetList networks;
    CTpList transponders;
    CProgList programs;
    CFavListList favourites;
    std::string fileName;
    std::string pendingFileName;

    // Empties every list, fileName and keepStamp; version, stamp, layoutFlags and compressed stay.
    void clear();
    bool isCombo() const { return networks.size() > TERRESTRIAL_SLOT; }
    // The counts the window title shows: networks and favourites in their low 8 bits.
    int networkCountForTitle() const { return static_cast<int>(networks.size() & 0xFF); }
    int favouriteCountForTitle() const { return static_cast<int>(favourites.size() & 0xFF); }

    // Every field and every record, compared by value.
    bool operator==(const ChannelDatabase&) const = default;
};

} // namespace kvx
