#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"
#include "db/channeldatabase.h"
#include "import/lyngsatoptions.h"
#include "import/lyngsatrow.h"
#include "import/lyngsatupdate.h"

namespace kvx {

// Where the system's scan tables are installed (Debian's dtv-scan-tables).
inline constexpr std::string_view kScanTableFolder = "/usr/share/dvb";

// One installed table: its file name, its path and, for a satellite table, the orbital position its
// name ends with (tenths of a degree east).
struct ScanTableEntry {
    std::string name;
    std::string path;
    std::optional<uint16_t> position;
};

// "Hotbird-13.0E" → 130, "Thor-5-6-0.8W" → 3592: the last part of the name after a '-', when it is a
// number of degrees with one decimal and E or W.
std::optional<uint16_t> positionInTableName(std::string_view name);

// The tables of `folder`'s "dvb-s" (or, for terrestrial ones, "dvb-t") folder by name; those at
// `first` (a position) come first, in name order too. StatusNoFile when the folder is missing or holds
// no table.
Status listScanTables(const std::string& folder, bool terrestrial, std::vector<ScanTableEntry>& out,
                      std::optional<uint16_t> first = std::nullopt);

// "No scan tables were found in /usr/share/dvb/dvb-s. The package dtv-scan-tables provides them."
std::string missingScanTablesMessage(const std::string& folder, bool terrestrial);

// A scan table's options as the update dialog offers them: outdated transponders stay (many tables list
// only what a scan needs to start), the network is sorted by frequency.
LyngSatOptions scanTableOptions();

// Plans the merge of rows (a scan table's, a satellites.xml satellite's) into network `slot` with the
// LyngSat update's rules, changing nothing. Rows of the other kind than the network (terrestrial rows
// on a satellite network and the reverse) are left out and counted in `leftOut`.
LyngSatPlan planTransponderRows(const std::vector<LyngSatRow>& rows, const ChannelDatabase& db, uint8_t slot,
                                const LyngSatOptions& options, int* leftOut = nullptr);

} // namespace kvx
