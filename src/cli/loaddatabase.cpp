#include "cli/loaddatabase.h"

#include "db/fileops.h"

namespace kvx {

Status loadDatabaseFile(const std::string& path, ChannelDatabase& db, bool ignoreChecksum)
{
    return openDatabase(db, path, {.acceptDamagedData = ignoreChecksum});
}

} // namespace kvx
