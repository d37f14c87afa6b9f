#include "cli/loaddatabase.h"

#include <vector>

#include "db/filebytes.h"
#include "db/kvximage.h"

namespace kvx {

Status loadDatabaseFile(const std::string& path, ChannelDatabase& db)
{
    std::vector<uint8_t> image;
    if (Status status = readFileBytes(path, image); status != StatusOk)
        return status;
    if (Status status = ValidateImage(image); status != StatusOk)
        return status;
    db.compressed = false;
    db.pendingFileName = path;
    return LoadImage(db, image);
}

} // namespace kvx
