#pragma once

#include <string>

#include "db/channeldatabase.h"
#include "db/status.h"

namespace kvx {

// Reads, validates and loads a database file for the command-line tool.
Status loadDatabaseFile(const std::string& path, ChannelDatabase& db);

} // namespace kvx
