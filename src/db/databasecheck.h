#pragma once

#include <cstdint>
#include <vector>

#include "db/channeldatabase.h"
#include "db/tables.h"

namespace kvx {

// What a finding says of the record it names.
enum class CheckKind : uint8_t {
    DuplicateTransponder, // repeats a transponder of its network (same H/V class, within 2 MHz)
    DuplicateProgram,     // repeats the service ID of an earlier program of its transponder
    EmptyTransponder,     // has no programs
    ZeroTransponder,      // frequency 0, or symbol rate 0 on a satellite
    OrphanProgram,        // its transponder lies in an empty network slot
    RepeatedFavourite,    // repeats an earlier entry of its favourite group
};

// A record by position: a transponder or program by its place in its list, a favourite entry by its
// group, its list (TV or radio) and its place there.
struct CheckedRecord {
    uint16_t position = NO_POSITION;
    int group = -1; // favourite entries only
    bool radio = false;

    bool operator==(const CheckedRecord&) const = default;
};

// One record a clean-up would remove, and the record it repeats (position NO_POSITION when the kind
// repeats none), so that each finding can become one change of its own.
struct CheckFinding {
    CheckKind kind = CheckKind::EmptyTransponder;
    CheckedRecord removed;
    CheckedRecord kept;

    bool operator==(const CheckFinding&) const = default;
};

// The findings of one check, by kind, each list in the order of the removed records. The lists answer
// their questions independently: a record may appear in more than one (an empty transponder that
// also repeats another), and a clean-up removes it once.
struct DatabaseCheck {
    std::vector<CheckFinding> duplicateTransponders;
    std::vector<CheckFinding> duplicatePrograms;
    std::vector<CheckFinding> emptyTransponders;
    std::vector<CheckFinding> zeroTransponders;
    std::vector<CheckFinding> orphanPrograms;
    std::vector<CheckFinding> repeatedFavourites;

    bool clean() const;
};

// Lists what a rescan or merge left behind; the database is not changed. Runs in n log n of its size.
DatabaseCheck checkDatabase(const ChannelDatabase& db);

} // namespace kvx
