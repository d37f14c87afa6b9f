#pragma once

#include <nlohmann/json.hpp>

#include "db/changeset.h"

namespace kvx {

class NameEncoding;

// [{"id", "kind", "network", "before", "after", ...}] of a change set, in the order of the ids: "before"
// for an update or a removal, "after" for an addition or an update (frequency, polarity, symbolRate,
// system, fec; a network change gives name and degree), "programs" in a removal's "before", "row" of the
// input that decided it, "repeatsRow" for a repeat, "possibleDuplicateOf" for an addition within 2 MHz of a
// stored transponder of its H/V class, and "selected": whether a real run applies it.
nlohmann::ordered_json changesJson(const ChangeSet& changes, const ChangeSelection& selection,
                                   const NameEncoding& encoding);

} // namespace kvx
