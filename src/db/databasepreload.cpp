#include "db/databasepreload.h"

#include <new>
#include <system_error>
#include <utility>
#include <vector>

#include "db/fileops.h"
#include "db/kvximage.h"

namespace kvx {

namespace {

DatabasePreload::Loaded load(const std::string& path)
{
    DatabasePreload::Loaded loaded;
    try {
        std::vector<uint8_t> image;
        // A damaged file is refused here: opening it anyway is the user's choice.
        loaded.status = openDatabaseImage(loaded.db, path, image, {}, &loaded.identity);
        if (loaded.status == StatusOk)
            loaded.status = LoadImage(loaded.db, image);
        if (loaded.status == StatusOk)
            loaded.snapshot = DatabaseSnapshot::take(loaded.db);
    } catch (const std::bad_alloc&) {
        loaded.status = StatusNoMemory;
    }
    return loaded;
}

} // namespace

DatabasePreload::DatabasePreload(std::string path)
        : path_(std::move(path))
{
    if (path_.empty())
        return;
    try {
        loaded_ = std::async(std::launch::async, load, path_);
    } catch (const std::system_error&) {
        // No thread to spare: the file is opened the usual way.
    }
}

DatabasePreload::~DatabasePreload()
{
    if (loaded_.valid())
        loaded_.wait();
}

DatabasePreload::Loaded DatabasePreload::take()
{
    if (!loaded_.valid())
        return {};
    return loaded_.get();
}

} // namespace kvx
