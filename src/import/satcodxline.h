#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kvx {

// What one line of a SATCODX file contributes to the import.
enum class SatcodxLineKind {
    Skipped,     // no SATCODX line of version 03, or one the import cannot use
    NameOnly,    // renames the network but lists no transponder (frequency 0)
    Transponder, // renames the network, sets its position and lists a transponder
};

struct SatcodxLine {
    SatcodxLineKind kind = SatcodxLineKind::Skipped;
    std::string satelliteName; // trailing white space removed
    uint16_t frequency = 0;    // MHz
    uint8_t polarisation = 0;  // 0..3: V, H, R, L
    uint16_t degree = 0;       // tenths of a degree
    uint16_t symbolRate = 0;   // kS/s
};

// Reads the fixed columns of one line (without its line end). Only columns the line holds are read:
// a line too short for its tag, version or name, or for the polarisation of a transponder it lists, is
// skipped, as is a transponder whose polarisation digit is not 0..3 or whose frequency or symbol rate
// does not fit a transponder record. A numeric field without a number reads as 0.
SatcodxLine parseSatcodxLine(std::string_view line);

} // namespace kvx
