#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "db/changeset.h"
#include "db/channeldatabase.h"
#include "import/lyngsatoptions.h"
#include "import/lyngsatrow.h"
#include "import/neartransponder.h"

namespace kvx {

// The counts of one update as planned.
struct LyngSatResult {
    int rows = 0;      // page rows that reached the network
    int added = 0;     // new transponders, repeats not counted
    int repeats = 0;   // new transponders a row would add although an earlier row took a candidate
    int updated = 0;   // transponders whose values change
    int unchanged = 0; // rows that matched a transponder already as the page gives it
    int removed = 0;
    int programsRemoved = 0;
    bool listFull = false;      // some rows were not planned because the transponder list is full
    LyngSatExclusions excluded; // rows the options left out
};

// Plans the merge of one page's rows into the transponders of one network, without changing the
// database: each decision goes into the change set as it is made. A row updates the nearest transponder
// of the network within 2 MHz of its frequency, of the same H/V class, that no earlier row has matched
// (equal distance: the first in the list); without one it adds a transponder after the network's last
// one, marked as a repeat when an earlier row already took one of its candidates. finish() plans the
// removal of the transponders no row matched (when asked for and the page gave at least one row) and
// the sort.
class LyngSatMerge {
public:
    LyngSatMerge(const ChannelDatabase& db, uint8_t slot);

    void mergeRow(const LyngSatRow& row);
    void finish(const LyngSatOptions& options);
    const LyngSatResult& result() const { return result_; }
    LyngSatResult& result() { return result_; }
    const ChangeSet& changes() const { return changes_; }
    ChangeSet takeChanges() { return std::move(changes_); }

private:
    // A transponder of the network as the plan goes: the stored ones, then the planned additions.
    struct Entry {
        TpInfo values;
        uint16_t position = NO_POSITION; // stored ones only
        int takenByRow = 0;              // the row that updated or added it; 0 while unmatched, -1 removed
        bool added = false;
        bool repeat = false; // added by a repeat
    };
    struct Nearest {
        int unmatched = -1; // index of the nearest unmatched stored transponder
        int taken = -1;     // index of the nearest one a row already took
    };

    Nearest nearestCandidates(const LyngSatRow& row) const;
    void update(Entry& entry, const LyngSatRow& row);
    void add(const LyngSatRow& row, int repeatsRow);
    void planRemovals();
    void planSort(const LyngSatOptions& options);
    void index(int entry);

    const ChannelDatabase& db_;
    uint8_t slot_;
    std::vector<Entry> entries_;
    std::unordered_map<uint32_t, std::vector<int>> byFrequency_; // (H/V class, MHz) -> entries
    std::size_t room_ = 0;                                       // transponders the list still takes
    NearTransponders near_; // the stored transponders, as the database holds them
    LyngSatResult result_;
    ChangeSet changes_;
};

// The text shown when the page gave no row; the caller then changes nothing. It says how many rows the
// options left out, and by which option.
std::string noTransponderFoundMessage(const LyngSatExclusions& excluded = {});

// Sets the system bits of a transponder from a row: polarisation, the DVB-S2 bit and the pilot bit, and
// for a DVB-S2 row the FEC index and the 8PSK bit.
void applyRowSystem(TpInfo& tp, const LyngSatRow& row);

} // namespace kvx
