#include "cli/loaddatabase.h"

#include "db/fileops.h"

namespace kvx {

Status loadDatabaseFile(const std::string& path, ChannelDatabase& db)
{
    return openDatabase(db, path);
}

} // namespace kvx
