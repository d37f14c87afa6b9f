#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "db/databasediff.h"

namespace kvx {

class NameEncoding;

// {"networks": {"changed"}, "transponders": {"added", "removed", "changed", "reordered"}, "programs":
// {...}, "favourites": {"changed"}, "stamp": null or {"old", "new"}, "file": {"changed"}}; each
// "changed" entry names its record and gives {"field": {"old", "new"}}. Names are decoded with
// `encoding`.
nlohmann::ordered_json diffJson(const DatabaseDiff& diff, const NameEncoding& encoding);

// The same as lines a person reads, "No differences" when there are none.
std::string diffText(const DatabaseDiff& diff, const NameEncoding& encoding);

} // namespace kvx
