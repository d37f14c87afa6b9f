#pragma once

#include <nlohmann/json.hpp>

#include "db/channeldatabase.h"
#include "db/cleanup.h"
#include "db/databasecheck.h"

namespace kvx {

class NameEncoding;

// {"duplicateTransponders", "duplicatePrograms", "emptyTransponders", "zeroTransponders",
// "orphanPrograms", "repeatedFavourites"}: each entry {"removed": record} with "kept": record for the
// kinds that repeat one. A transponder is named by position, network slot, frequency, polarity letter,
// symbol rate and program count; a program by position, name (decoded with `encoding`), service ID and
// its transponder's; a favourite entry by group, list, place and the program it names.
nlohmann::ordered_json checkJson(const DatabaseCheck& check, const ChannelDatabase& db,
                                 const NameEncoding& encoding);

// {"transpondersRemoved", "programsRemoved", "programsMoved", "favouriteEntriesMerged"}.
nlohmann::ordered_json cleanupCountsJson(const CleanupCounts& counts);

// [{"id", "kind", "removed", "kept"}] of a clean-up planned on `db`, records named as checkJson names
// them ("kept" only for the kinds that keep one; a move's "kept" is the transponder it moves to), with
// "dependsOn": the id of the transponder removal a program's change needs, and "selected".
nlohmann::ordered_json cleanupChangesJson(const CleanupPlan& plan, const ChangeSelection& selection,
                                          const ChannelDatabase& db, const NameEncoding& encoding);

} // namespace kvx
