#include "db/filebytes.h"

#include <cstdio>
#include <memory>
#include <sys/stat.h>

namespace kvx {

Status readFileBytes(const std::string& path, std::vector<uint8_t>& bytes, std::size_t maxSize)
{
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file)
        return StatusNoFile;
    struct stat info {};
    if (fstat(fileno(file.get()), &info) != 0 || !S_ISREG(info.st_mode))
        return StatusNoFile;
    const auto size = static_cast<std::size_t>(info.st_size);
    if (size > maxSize)
        return StatusBadFormat;
    std::vector<uint8_t> data(size);
    if (size > 0 && std::fread(data.data(), 1, size, file.get()) != size)
        return StatusReadFailed;
    bytes = std::move(data);
    return StatusOk;
}

} // namespace kvx
