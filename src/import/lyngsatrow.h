#pragma once

#include <cstdint>
#include <optional>

#include "import/cellwindow.h"
#include "import/lyngsatoptions.h"

namespace kvx {

// One transponder row of a LyngSat page.
struct LyngSatRow {
    uint16_t frequency = 0;  // MHz
    bool horizontal = false; // the H/V class: H or L; V and R read as vertical
    uint8_t polarity = 0;    // as the page gives it, as a transponder stores it: 0 V, 1 H, 2 R, 3 L
    uint16_t symbolRate = 0; // kS/s
    bool dvbS2 = false;
    bool qpsk = false;        // DVB-S2 rows only
    uint8_t fec = 0;          // FEC index, where fecGiven
    bool fecGiven = false;    // a page gives the FEC of DVB-S2 rows; a scan table of any row but AUTO ones
    bool terrestrial = false; // a terrestrial channel: symbolRate holds the bandwidth code, no system bits
};

// Transponder rows the chosen options left out, by the first option that did.
struct LyngSatExclusions {
    int dvbS2 = 0; // "Include DVB-S2" off
    int hd = 0;    // "Include HD" off
    int feeds = 0; // "Include Feeds" off
    int band = 0;  // outside the chosen band
    int total() const { return dvbS2 + hd + feeds + band; }
};

// The row that cell 0 of the window closes, when it closes one the options let through: cell 5 holds
// frequency and polarisation, cell 3 the feed colouring, cell 1 the system, cell 0 the symbol rate and
// the FEC. Rows without the markers, filtered out by the options, outside the band or with a symbol
// rate a transponder cannot hold give nothing.
// When the options leave out a row that would otherwise be one, `excluded` (if given) counts it.
std::optional<LyngSatRow> parseLyngSatRow(const CellWindow& window, const LyngSatOptions& options,
                                          LyngSatExclusions* excluded = nullptr);

} // namespace kvx
