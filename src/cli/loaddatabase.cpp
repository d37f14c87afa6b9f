#include "cli/loaddatabase.h"

#include <vector>

#include "codec/ckvx.h"
#include "db/filebytes.h"
#include "db/kvximage.h"

namespace kvx {

Status loadDatabaseFile(const std::string& path, ChannelDatabase& db)
{
    std::vector<uint8_t> image;
    if (Status status = readFileBytes(path, image); status != StatusOk)
        return status;
    const bool compressed = CheckCompFile(image) == StatusCompressed;
    if (compressed) {
        std::vector<uint8_t> expanded;
        if (Status status = ExpandCompFile(image, expanded); status != StatusOk)
            return status;
        image = std::move(expanded);
    }
    if (Status status = ValidateImage(image); status != StatusOk)
        return status;
    // The loader reads the form to set the layout flags for the next save.
    const bool previous = db.compressed;
    db.compressed = compressed;
    db.pendingFileName = path;
    const Status status = LoadImage(db, image);
    if (status != StatusOk)
        db.compressed = previous;
    return status;
}

} // namespace kvx
