#include "db/databasepreload.h"

#include <filesystem>
#include <new>
#include <system_error>
#include <utility>
#include <vector>

#include "base/heapprefault.h"
#include "db/fileops.h"
#include "db/kvximage.h"

namespace kvx {

namespace {

// Loading a plain image takes about eight times its size in records, its buffer and the snapshot.
constexpr std::uintmax_t kHeapPerImageByte = 10;

void prefaultForLoading(const std::string& path)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error)
        prefaultHeap(static_cast<std::size_t>(size * kHeapPerImageByte));
}

DatabasePreload::Loaded load(const std::string& path)
{
    DatabasePreload::Loaded loaded;
    try {
        prefaultForLoading(path);
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
