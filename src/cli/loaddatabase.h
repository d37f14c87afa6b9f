#pragma once

#include <string>

#include "db/channeldatabase.h"

namespace kvx {

// Reads, validates and loads a database file ("-" for standard input) for the command-line tool. A CKVX
// file whose compressed data fails its CRC is refused (StatusDamagedData) unless `ignoreChecksum` is
// set. On failure prints why and returns the exit status; 0 when loaded.
int loadDatabaseFile(const std::string& path, ChannelDatabase& db, bool ignoreChecksum);

} // namespace kvx
