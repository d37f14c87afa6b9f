#pragma once

#include <nlohmann/json.hpp>

#include "db/channeldatabase.h"
#include "db/stamp.h"

namespace kvx {

class NameEncoding;

// The summary `kvxtool info` prints: version, form, flags, stamp and counts.
nlohmann::ordered_json databaseInfoJson(const ChannelDatabase& db);

// The whole database with the records' field names; names decoded with `encoding`.
nlohmann::ordered_json databaseDumpJson(const ChannelDatabase& db, const NameEncoding& encoding);

// {"form":"date","date":"2009-04-14"}, {"form":"version","text":"B002"} or {"form":"raw","bytes":[..]}.
nlohmann::ordered_json stampJson(const Stamp& stamp);

} // namespace kvx
