#pragma once

#include <string>

#include "base/status.h"
#include "db/channeldatabase.h"

namespace kvx {

// Reads, validates and loads a database file for the command-line tool. A CKVX file whose compressed
// data fails its CRC is refused (StatusDamagedData) unless `ignoreChecksum` is set.
Status loadDatabaseFile(const std::string& path, ChannelDatabase& db, bool ignoreChecksum);

} // namespace kvx
