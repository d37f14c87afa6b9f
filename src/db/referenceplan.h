#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/status.h"
#include "db/channeldatabase.h"
#include "db/referencematch.h"

namespace kvx {

// One decision of a reference plan: a program of the database takes the place of a reference program.
// Everything applying it needs from the reference is recorded here, so the reference is not needed
// again.
struct ReferenceMatch {
    uint16_t program = 0;   // position in the database planned on
    uint16_t reference = 0; // position in the reference's program list: its place in the new order
    MatchKind kind = MatchKind::ServiceId;
    std::string referenceName; // the reference program's name bytes and code page, for the names option
    uint8_t referenceCodePage = NAME_CODE_PAGE_NONE;
};

// A favourite group as the reference holds it, mapped through the matching: its entries are indices
// into ReferencePlan::matches, in the reference's order. Entries whose program did not match are left
// out already.
struct ReferenceFavourites {
    std::string name;
    std::vector<uint32_t> tvMatches;
    std::vector<uint32_t> radioMatches;
};

// A reference program that matched nothing here, as copying it would add it: the program (its
// transponder index not yet set) and where it goes, on a transponder here or on a new one (recorded
// once, for the first copy that needs it; later copies name the same new transponder).
struct ReferenceCopy {
    uint16_t reference = 0; // position in the reference's program list: its place in the new order
    uint8_t network = 0;    // the slot here
    uint16_t transponder = NO_POSITION; // the transponder here, or NO_POSITION for a new one
    uint32_t newTransponder = 0;        // else: index into ReferencePlan::newTransponders
    ProgInfo program;
};

// Which decisions of a plan a run applies, and its options.
struct ReferenceSelection {
    std::vector<bool> matches; // by index in ReferencePlan::matches; an unticked match counts as unmatched
    bool favourites = true;    // the groups become the reference's
    bool names = false;        // matched programs take the reference's names
    bool copyMissing = false;  // the reference's unmatched programs are added (ReferencePlan::copies)
};

// What rebuilding a database after a reference list would do: the matches as the matcher decided them
// (the service-ID matches, then the name matches) and the reference's favourite groups in terms of
// those matches.
//
// Applied with a selection, the ticked matches decide everything:
//  - Order: the matched programs take the reference's order (sorted by their reference program's
//    position, so the TV list follows the reference's TV numbering and the radio list its radio
//    numbering); the unmatched programs follow them in their present order. A program keeps its own
//    type, so one that is radio in the reference but TV here takes its place among the TV channels by
//    the reference's program-list order.
//  - Favourites (option): the first groups, as many as both databases have, take the reference group's
//    name and entries in the reference's order, each entry in the list of its program's type here;
//    entries of unmatched programs are dropped. Groups the reference lacks stay. Without the option the
//    groups keep naming the programs they named.
//  - Names (option): matched programs take the reference's name bytes and code page.
struct ReferencePlan {
    std::size_t programCount = 0;          // of the database planned on
    std::size_t referenceProgramCount = 0; // of the reference
    std::vector<ReferenceMatch> matches;
    std::vector<ReferenceFavourites> favourites; // by group number
    // The reference programs that matched nothing, in the reference's order, and the transponders
    // copying them creates: those within 2 MHz of one of the H/V class here are used instead.
    std::vector<ReferenceCopy> copies;
    std::vector<TpInfo> newTransponders;

    // Every match ticked, favourites on, names off.
    ReferenceSelection defaultSelection() const;
};

// `anyNetwork`, when set, is the reference slot whose programs pair in any network (matchReference).
ReferencePlan planReference(const ChannelDatabase& db, const ChannelDatabase& reference,
                            uint8_t anyNetwork = NO_SLOT);

// --- What a selection of a plan does, for the review

struct ReferenceCounts {
    int byServiceId = 0;
    int byName = 0;
    int unmatched = 0;          // programs of the database without a ticked match
    int referenceUnmatched = 0; // programs of the reference without one
    int copied = 0;             // of those, the ones copying adds (with copyMissing)
    int transpondersCopied = 0; // the new transponders they need
    int matched() const { return byServiceId + byName; }
};

// A channel whose number changes: TV and radio are numbered each on their own.
struct ChannelMove {
    uint16_t program = 0; // position before
    bool radio = false;
    int from = 0; // 1-based channel numbers
    int to = 0;
};

// A favourite group whose name or lists change. Entries count TV and radio together; `reordered` says
// that the entries both lists share come in another order.
struct FavouriteGroupChange {
    int group = 0; // 0-based
    std::string nameBefore;
    std::string nameAfter;
    int tvBefore = 0;
    int tvAfter = 0;
    int radioBefore = 0;
    int radioAfter = 0;
    int added = 0;
    int removed = 0;
    bool reordered = false;
};

// A program whose name (or its code page) changes.
struct ProgramRename {
    uint16_t program = 0; // position before
    std::string nameBefore;
    uint8_t codePageBefore = NAME_CODE_PAGE_NONE;
    std::string nameAfter;
    uint8_t codePageAfter = NAME_CODE_PAGE_NONE;
};

struct ReferenceReview {
    ReferenceCounts counts;
    std::vector<ChannelMove> moves; // the TV channels by their new number, then the radio channels
    std::vector<FavouriteGroupChange> favourites;
    std::vector<ProgramRename> renames;
    bool reordered = false; // whether the program list's order changes (also when no number does)
    bool changesDatabase() const
    {
        return reordered || !favourites.empty() || !renames.empty() || counts.copied > 0;
    }
};

// What applying the selection to `db`, the database planned on, would do, computed from the plan alone
// (nothing for a database the plan was not made for).
ReferenceReview reviewReferencePlan(const ChannelDatabase& db, const ReferencePlan& plan,
                                    const ReferenceSelection& selection);

// The new program order: position k of the result receives the program now at order[k].
std::vector<std::size_t> referenceOrder(const ReferencePlan& plan, const ReferenceSelection& selection);

// Replays exactly the consequences of the ticked matches. A database that is not the one planned on
// (another program count) is left as it is: StatusChangesOutdated.
Status applyReferencePlan(ChannelDatabase& db, const ReferencePlan& plan,
                          const ReferenceSelection& selection);

} // namespace kvx
