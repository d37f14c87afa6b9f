#pragma once

#include <QString>

#include "db/cleanup.h"
#include "panels/dlgreview.h"

namespace kvx {

class NameEncoding;
struct ChannelDatabase;

// "2 transponders removed, 3 programs removed, 1 program moved, 2 favourite entries merged".
QString cleanupCountsText(const CleanupCounts& counts);

// The review of a clean-up planned on `db`: one row per change, grouped by kind (duplicate
// transponders, moved programs, duplicate programs, zero and empty transponders, orphaned programs,
// repeated favourite entries), the record removed beside the record kept. Empty transponders are
// offered unticked.
ImportReview cleanupReviewOf(const CleanupPlan& plan, const ChannelDatabase& db,
                             const NameEncoding& encoding);

} // namespace kvx
