#pragma once

#include "base/status.h"
#include "db/changeset.h"

namespace kvx {

struct ChannelDatabase;

// Replays the selected changes of `changes` on `db`, in the order of their ids, through the editing
// operations that keep every reference consistent. The database must be the one the changes were
// planned on: when an update or a removal no longer finds its transponder as recorded, nothing is
// changed and StatusChangesOutdated is returned. Additions beyond a full transponder list are dropped.
Status applyChanges(ChannelDatabase& db, const ChangeSet& changes, const ChangeSelection& selection);

// Whether the database with the selected changes applied still fits a KVX file (StatusOk), or would be
// refused when saved (StatusTooLarge). The database itself is not changed.
Status checkChangesFit(const ChannelDatabase& db, const ChangeSet& changes, const ChangeSelection& selection);

} // namespace kvx
