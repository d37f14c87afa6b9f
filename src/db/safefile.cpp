#include "db/safefile.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "db/savetemporary.h"

namespace kvx {

namespace {

namespace fs = std::filesystem;

// Hops after which a chain of symbolic links counts as a loop, as the kernel's own limit.
constexpr int kMaxLinkHops = 40;

// The file the new content is meant for: a chain of symbolic links is followed to the name at its end,
// whether or not a file exists there yet, so that the links stay links. A relative link target is
// taken from the link's own folder. A loop ends on a link, which the save then refuses.
fs::path resolveTarget(const std::string& path)
{
    fs::path current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(current, error))
            return current;
        const fs::path next = fs::read_symlink(current, error);
        if (error)
            return current;
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return current;
}

bool writeAll(int fd, std::span<const uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A file the user may not write, or something that is not a file, is not replaced.
bool mayReplace(const fs::path& target, struct stat& existing, bool& exists)
{
    exists = ::stat(target.c_str(), &existing) == 0;
    if (!exists)
        return errno == ENOENT;
    // The mode bits count even for the superuser: a file marked read-only stays as it is.
    return S_ISREG(existing.st_mode) && ::access(target.c_str(), W_OK) == 0 && (existing.st_mode & 0222) != 0;
}

void syncFolder(const fs::path& target)
{
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

Status replaceFileContent(const std::string& path, std::span<const uint8_t> bytes, bool allowUnnamedTemporary)
{
    if (path.empty())
        return StatusCreateFailed;
    const fs::path target = resolveTarget(path);
    struct stat existing {};
    bool exists = false;
    if (!mayReplace(target, existing, exists))
        return StatusCreateFailed;

    removeStaleSaveTemporaries(target);
    SaveTemporary temporary;
    if (!temporary.create(target, allowUnnamedTemporary))
        return StatusCreateFailed;
    const int fd = temporary.fd();
    bool written = true;
    if (exists) {
        written = ::fchmod(fd, existing.st_mode & 07777) == 0;
        // Keeping the owner only works for the superuser; others keep their own.
        [[maybe_unused]] const int ignored = ::fchown(fd, existing.st_uid, existing.st_gid);
    }
    written = written && writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (!written || !temporary.replace(target))
        return StatusCreateFailed;
    syncFolder(target);
    return StatusOk;
}

} // namespace kvx
