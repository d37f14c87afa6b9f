#pragma once

#include <cstdint>
#include <optional>

#include "import/cellwindow.h"
#include "import/lyngsatoptions.h"

namespace kvx {

// One transponder row of a LyngSat page.
struct LyngSatRow {
    uint16_t frequency = 0;  // MHz
    bool horizontal = false; // H or L; V and R read as vertical
    uint16_t symbolRate = 0; // kS/s
    bool dvbS2 = false;
    bool qpsk = false; // DVB-S2 rows only
    uint8_t fec = 0;   // FEC index, DVB-S2 rows only
};

// The row that cell 0 of the window closes, when it closes one the options let through: cell 5 holds
// frequency and polarisation, cell 3 the feed colouring, cell 1 the system, cell 0 the symbol rate and
// the FEC. Rows without the markers, filtered out by the options, outside the band or with a symbol
// rate a transponder cannot hold give nothing.
std::optional<LyngSatRow> parseLyngSatRow(const CellWindow& window, const LyngSatOptions& options);

} // namespace kvx
