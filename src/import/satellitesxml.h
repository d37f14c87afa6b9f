#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"
#include "import/lyngsatrow.h"

namespace kvx {

// One <sat> of a satellites.xml file: its name, its position in signed tenths of a degree (west
// negative) and its transponders as rows the update merges.
struct SatXmlSatellite {
    std::string name; // UTF-8
    int position = 0;
    std::vector<LyngSatRow> rows;
    int skipped = 0; // transponders without a frequency or polarisation, or with values no record holds
};

// Reads the satellites of a satellites.xml file: <transponder> elements with frequency (kHz),
// symbol_rate (symbols/s), polarization (0 H, 1 V, 2 L, 3 R), fec_inner (0 auto, then 1/2, 2/3, 3/4,
// 5/6, 7/8, 8/9, 3/5, 4/5, 9/10), system (0 DVB-S, 1 DVB-S2) and modulation (1 QPSK, 2 8PSK; others as
// QPSK) inside <sat name position>. StatusBadFormat for text with no <sat> element.
Status parseSatellitesXml(std::string_view text, std::vector<SatXmlSatellite>& out);

// The first satellite at the position (tenths of a degree east, 0..3599), or none.
const SatXmlSatellite* satelliteAt(const std::vector<SatXmlSatellite>& satellites, uint16_t tenthsEast);

} // namespace kvx
