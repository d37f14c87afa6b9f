#pragma once

#include <string_view>

#include "base/status.h"
#include "base/trnoop.h"
#include "db/changeset.h"
#include "db/channeldatabase.h"

namespace kvx {

class ProgressSink;

struct SatcodxImportResult {
    Status status = StatusOk;
    int added = 0;            // transponders added to the network
    int transponderLines = 0; // lines that list a transponder; none means the file changed nothing
    bool listFull = false;    // some transponders were not added because the list is full
};

// The progress text while the user chooses the file, and while its lines are read.
inline constexpr std::string_view kSatcodxSelectFileText = "Please select the SATCODE file for update";
inline constexpr std::string_view kSatcodxProgressText =
    KVX_TR_NOOP("Import", "Waiting for import SATCODE file");

// What the caller tells the user when the file lists no transponder.
inline constexpr std::string_view kNoSatcodxTransponderMessage =
    KVX_TR_NOOP("Import", "No transponders were found in the file");

// At most this many characters are taken per read; a longer line continues as the next read.
inline constexpr std::size_t kSatcodxReadLimit = 128;

// What an import would do: its counts and its changes, none of them made yet.
struct SatcodxPlan {
    SatcodxImportResult result;
    ChangeSet changes;
};

// Plans filling network `slot` from the text of a SATCODX file: every accepted line renames the network,
// and every line that lists a transponder sets its orbital position and adds the transponder unless the
// network already holds one with the same frequency, polarity and symbol rate (or an earlier line added
// one). New transponders go after the network's last one, so they keep the order of the file; the
// network's new name and position come last, once the file has given its final ones. Progress advances
// by one per read. `slot` must be one of the database's (StatusBadFormat otherwise, nothing planned).
SatcodxPlan planSatcodxImport(const ChannelDatabase& db, uint8_t slot, std::string_view text,
                              ProgressSink& progress);

// Plans the import into `network` and applies every change.
SatcodxImportResult importSatcodx(ChannelDatabase& db, NetInfo& network, std::string_view text,
                                  ProgressSink& progress);

} // namespace kvx
