#pragma once

#include <cstdint>
#include <string>

#include "db/channeldatabase.h"
#include "import/lyngsatoptions.h"
#include "import/lyngsatrow.h"
#include "import/markedit.h"

namespace kvx {

class NoticeSink;

// The counts of one update.
struct LyngSatResult {
    int rows = 0; // page rows merged into the network
    int added = 0;
    int updated = 0;
    int removed = 0;
    bool listFull = false; // some rows were not added because the transponder list is full
};

// Merges the rows of one page into the transponders of one network. A row updates the first
// transponder of the network within 2 MHz of its frequency, with the same polarity bit, that no earlier
// row has matched; without one it adds a transponder after the network's last one. finish() removes
// the transponders no row matched (when asked for and the page gave at least one row) and sorts.
class LyngSatMerge {
public:
    LyngSatMerge(ChannelDatabase& db, uint8_t slot, NoticeSink& notices);

    void mergeRow(const LyngSatRow& row);
    void finish(const LyngSatOptions& options);
    const LyngSatResult& result() const { return result_; }

private:
    void update(TpInfo& tp, const LyngSatRow& row);
    void add(const LyngSatRow& row);
    void removeUnmatched();

    ChannelDatabase& db_;
    uint8_t slot_;
    NoticeSink& notices_;
    CMarkEdit unmatched_;
    uint16_t first_ = 0;
    uint16_t endAtStart_ = 0;
    LyngSatResult result_;
};

// The text of the notice shown when a row meets a transponder an earlier row has already matched.
std::string sameTransponderNotice(const LyngSatRow& row, uint16_t existingSymbolRate);

// The text the caller shows when the page gave no row; the caller then changes nothing.
std::string noTransponderFoundMessage();

// Sets the DVB-S2 bits of a transponder from a row: the DVB-S2 bit and the pilot bit, and for a
// DVB-S2 row the FEC index and the 8PSK bit.
void applyRowSystem(TpInfo& tp, const LyngSatRow& row);

} // namespace kvx
