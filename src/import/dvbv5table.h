#pragma once

#include <string_view>
#include <vector>

#include "import/lyngsatrow.h"

namespace kvx {

// The transponders of one scan table in the DVBv5 form of the Linux media project, as rows the update
// merges: satellite rows (DVBS, DVBS2) and terrestrial rows (DVBT, DVBT2), in the table's order.
struct ScanTable {
    std::vector<LyngSatRow> rows;
    int skipped = 0; // sections without a delivery system, frequency or (satellite) polarisation, of
                     // another delivery system, or with values no transponder holds
};

// Reads sections "[name]" of "KEY = VALUE" lines (blanks or tabs around the '='; '#' starts a comment).
// FREQUENCY is in kHz for satellites and Hz for terrestrial channels, SYMBOL_RATE in symbols per second;
// both are rounded to the nearest MHz and kS/s, halves up. POLARIZATION HORIZONTAL, VERTICAL, LEFT or
// RIGHT is stored as given; INNER_FEC other than AUTO (for DVB-S only 1/2 to 7/8) is given, AUTO keeps
// the stored FEC; MODULATION QPSK or none makes a DVB-S2 row QPSK, PSK/8 and the APSK ones 8PSK, the
// nearest a record holds. BANDWIDTH_HZ gives the terrestrial bandwidth code (8 MHz when absent). Other
// keys are ignored.
ScanTable parseDvbV5Table(std::string_view text);

} // namespace kvx
