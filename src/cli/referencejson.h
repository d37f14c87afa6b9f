#pragma once

#include <nlohmann/json.hpp>

#include "db/referenceplan.h"

namespace kvx {

class NameEncoding;

// {"matched", "byServiceId", "byName", "unmatched", "referenceUnmatched", "moved"}: the review's counts,
// "moved" the number of channels whose number changes; with copyMissing also "copied" and
// "transpondersCopied".
nlohmann::ordered_json referenceSummaryJson(const ReferenceReview& review,
                                            const ReferenceSelection& selection);

// What the selection changes, for reading: the name matches ({"kind": "match", "type", "name",
// "referenceName"}), the channels whose number changes ({"kind": "move", "type", "name", "from", "to"},
// TV channels by their new number, then radio), the renames ({"kind": "rename", "type", "from", "to"})
// the copies ({"kind": "copy", "type", "name", "frequency", "polarity", "newTransponder"}) and the
// favourite groups that change ({"kind": "favourites", "group", "from": {"name", "tv", "radio"},
// "to": {...}, "added", "removed", "reordered"}). "type" is "tv" or "radio"; names are decoded as `dump`
// decodes them.
nlohmann::ordered_json referenceChangesJson(const ChannelDatabase& db, const ReferencePlan& plan,
                                            const ReferenceSelection& selection,
                                            const ReferenceReview& review, const NameEncoding& encoding);

} // namespace kvx
