#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "db/tables.h"
#include "db/tpinfo.h"

namespace kvx {

// What one change of a bulk command does.
enum class ChangeKind : uint8_t {
    Add,     // a new transponder at the end of the network's run
    Update,  // new values for a transponder the database holds
    Remove,  // a transponder goes, with its programs and their favourite entries
    Network, // the network's own name and position
    Sort,    // the network's transponders sorted by frequency
};

// "add", "update", "remove", "network", "sort": the names scripts read.
std::string_view changeKindName(ChangeKind kind);

// A program that goes with a removed transponder.
struct ProgramGone {
    std::string name;
    uint8_t nameCodePage = NAME_CODE_PAGE_NONE;
    uint16_t serviceId = 0;
};

// The network values a change sets.
struct NetworkValues {
    std::string name;
    uint16_t degree = 0;
    bool operator==(const NetworkValues&) const = default;
};

// A stored transponder an addition lands next to: of the addition's network and H/V class, within
// 2 MHz (transponderclass.h), the nearest (of equal distance the first in the list).
struct NearTransponder {
    uint16_t position = NO_POSITION; // in the database planned on; NO_POSITION for none
    uint16_t frequency = 0;
    uint8_t polarity = 0;
    bool operator==(const NearTransponder&) const = default;
};

// One decision of a bulk command, recorded as the command makes it.
struct Change {
    int id = 0; // 1, 2, ... in the order the command decided them
    ChangeKind kind = ChangeKind::Add;
    uint8_t network = 0;               // the slot
    uint16_t position = NO_POSITION;   // Update, Remove: the transponder in the database planned on
    TpInfo before;                     // Update, Remove
    TpInfo after;                      // Add, Update
    NetworkValues networkBefore;       // Network
    NetworkValues networkAfter;        // Network
    std::vector<ProgramGone> programs; // Remove
    int favouriteEntries = 0;          // Remove: entries of those programs in the favourite groups
    int row = 0;                       // the row of the input that decided it; 0 for none
    int repeatsRow = 0;                // Add: an earlier row already took one of its candidates
    NearTransponder possibleDuplicate; // Add: a stored transponder it may repeat; offered all the same

    // Repeats are offered but left out unless the user asks for them.
    bool selectedByDefault() const { return repeatsRow == 0; }
};

// Which changes of a set take part, by their index in the set.
using ChangeSelection = std::vector<bool>;

// What a selection of changes does, counted.
struct ChangeCounts {
    int added = 0;
    int updated = 0;
    int removed = 0;
    int programsRemoved = 0;
    int network = 0;
    int sorts = 0;
    int total() const { return added + updated + removed + network + sorts; }
};

// The changes a bulk command would make, in the order it decided them. Applying a selection of them
// (applyChanges) replays exactly those, nothing recomputed.
class ChangeSet {
public:
    // Appends the change with the next id; returns its index.
    std::size_t append(Change change);
    Change& operator[](std::size_t index) { return changes_[index]; }
    const Change& operator[](std::size_t index) const { return changes_[index]; }
    const std::vector<Change>& changes() const { return changes_; }
    std::size_t size() const { return changes_.size(); }
    bool empty() const { return changes_.empty(); }

    ChangeSelection defaultSelection() const;
    ChangeSelection allSelected() const { return ChangeSelection(changes_.size(), true); }
    ChangeCounts countsOf(const ChangeSelection& selection) const;
    // The index of the change with `id`, or size() when there is none.
    std::size_t indexOf(int id) const;

private:
    std::vector<Change> changes_;
};

} // namespace kvx
