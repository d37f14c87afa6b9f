#include "db/fileidentity.h"

#include <cerrno>
#include <sys/stat.h>
#include <vector>

#include "db/filebytes.h"

namespace kvx {

FileIdentity identityOf(std::span<const uint8_t> content)
{
    constexpr uint64_t kOffsetBasis = 0xcbf29ce484222325ULL;
    constexpr uint64_t kPrime = 0x100000001b3ULL;
    uint64_t hash = kOffsetBasis;
    for (const uint8_t byte : content)
        hash = (hash ^ byte) * kPrime;
    return {content.size(), hash};
}

bool fileChangedSince(const std::string& path, const FileIdentity& known)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return errno != ENOENT;
    // A different size needs no reading.
    if (static_cast<uint64_t>(info.st_size) != known.size)
        return true;
    std::vector<uint8_t> content;
    if (readFileBytes(path, content) != StatusOk)
        return true;
    return identityOf(content) != known;
}

} // namespace kvx
