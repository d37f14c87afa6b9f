#include "cli/loaddatabase.h"

#include "cli/commands.h"
#include "db/filebytes.h"
#include "db/fileops.h"

namespace kvx {

int loadDatabaseFile(const std::string& path, ChannelDatabase& db, bool ignoreChecksum)
{
    std::vector<uint8_t> bytes;
    Status status = cli::readInput(path, bytes, MAX_DATABASE_FILE_SIZE);
    if (status == StatusOk)
        status = loadDatabaseBytes(db, std::move(bytes), {.acceptDamagedData = ignoreChecksum});
    return status == StatusOk ? 0 : cli::failInput(path, status);
}

} // namespace kvx
