#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "db/channeldatabase.h"

namespace kvx {

// How a program found its partner in the reference.
enum class MatchKind : uint8_t {
    ServiceId, // a sure match: a paired transponder and the same service ID
    Name,      // the same name, unique among the unpaired programs of the paired network on both sides
};

// A program of the database paired with a program of the reference, by their list positions.
struct ProgramMatch {
    uint16_t program = 0;
    uint16_t reference = 0;
    MatchKind kind = MatchKind::ServiceId;
    bool operator==(const ProgramMatch&) const = default;
};

// What the matcher paired. Every pairing is one to one.
struct ReferenceMatching {
    std::vector<uint8_t> networkPartner;      // per slot: the reference's paired slot, or NO_SLOT
    std::vector<uint16_t> transponderPartner; // per transponder: the reference's, or NO_POSITION
    // The matches as they were decided: the service-ID matches in program order, then the name matches
    // in program order.
    std::vector<ProgramMatch> matches;
};

// Pairs each program of `db` with at most one program of `reference`, in three steps:
//  1. Networks. Satellite networks with a position (every one but NetInfo::isEmpty's: degree 0 and no
//     name; a named network at degree 0 stands at 0.0E) pair by degree; networks of one degree pair in
//     slot order, the first with the first. A slot whose network has no position on either side pairs
//     with the same slot of the other side when neither has paired by position, so the unnamed slots of
//     a receiver that never set its positions still pair. The terrestrial slot pairs with the terrestrial
//     slot.
//  2. Transponders, within paired networks, of one H/V class (V with R, H with L) and within 2 MHz,
//     nearest first: every pair at 0 MHz (the same polarity before the same class), then every pair at 1
//     MHz, then at 2 MHz; in each round the transponders of `db` in list order take the reference's
//     listed first. Programs on paired transponders with the same service ID are sure matches (of several
//     such reference programs, the one listed first).
//  3. Names. A program left over pairs with a reference program left over in the paired network whose
//     name is the same, when that name is unique among the left-over programs of that network on both
//     sides. Names compare as bytes with surrounding spaces and tabs dropped and ASCII letters folded to
//     one case (matchingName); empty names never match.
// Everything else stays unmatched. The work is linear in the sizes of both databases (hash maps keyed
// by transponder and service ID, by network and name).
//
// The reference is a ChannelDatabase because the matching reads only what any list of channels can
// give: the networks' degree and name, the transponders' network, frequency and polarity, the programs'
// transponder, service ID, name and type in the order the receiver numbers them, the favourite groups.
// A reader of another form (a CSV channel list) builds such a database.
//
// `anyNetwork`, when set, names a reference slot that pairs with no network: its transponders pair with
// those of any network here (after the paired networks' own), and its programs by name when the name is
// unique among the left-over programs of the whole database and of that slot.
ReferenceMatching matchReference(const ChannelDatabase& db, const ChannelDatabase& reference,
                                 uint8_t anyNetwork = NO_SLOT);

// The form names compare in: surrounding spaces and tabs dropped, ASCII letters in lower case.
std::string matchingName(std::string_view name);

} // namespace kvx
