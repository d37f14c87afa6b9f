#include "cli/loaddatabase.h"

#include "cli/commands.h"
#include "db/filebytes.h"
#include "db/fileops.h"

namespace kvx {

int loadDatabaseFile(const std::string& path, ChannelDatabase& db, bool ignoreChecksum)
{
    std::vector<uint8_t> bytes;
    Outcome outcome = cli::readInput(path, bytes, MAX_DATABASE_FILE_SIZE);
    if (outcome == StatusOk)
        outcome = loadDatabaseBytes(db, std::move(bytes), {.acceptDamagedData = ignoreChecksum});
    return outcome == StatusOk ? 0 : cli::failInput(path, outcome);
}

} // namespace kvx
