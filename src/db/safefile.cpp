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

// The errno value of the write that failed, 0 when everything was written.
int writeAll(int fd, std::span<const uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        // A regular file that takes nothing more has no room left.
        if (n == 0)
            return ENOSPC;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// A file the user may not write, or something that is not a file, is not replaced: the errno value
// that says why, 0 when it may be.
int replaceRefusal(const fs::path& target, struct stat& existing, bool& exists)
{
    exists = ::stat(target.c_str(), &existing) == 0;
    if (!exists)
        return errno == ENOENT ? 0 : errno;
    if (S_ISDIR(existing.st_mode))
        return EISDIR;
    // A device, FIFO or socket is not written through: a save is not one of the things it supports.
    if (!S_ISREG(existing.st_mode))
        return ENOTSUP;
    if (::access(target.c_str(), W_OK) != 0)
        return errno;
    // The mode bits count even for the superuser: a file marked read-only stays as it is.
    return (existing.st_mode & 0222) != 0 ? 0 : EACCES;
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

Outcome replaceFileContent(const std::string& path, std::span<const uint8_t> bytes,
                           bool allowUnnamedTemporary)
{
    if (path.empty())
        return {StatusCreateFailed, ENOENT};
    const fs::path target = resolveTarget(path);
    struct stat existing {};
    bool exists = false;
    if (const int refusal = replaceRefusal(target, existing, exists); refusal != 0)
        return {StatusCreateFailed, refusal};

    removeStaleSaveTemporaries(target);
    SaveTemporary temporary;
    if (!temporary.create(target, allowUnnamedTemporary))
        return {StatusCreateFailed, temporary.error()};
    const int fd = temporary.fd();
    if (exists) {
        if (::fchmod(fd, existing.st_mode & 07777) != 0)
            return {StatusCreateFailed, errno};
        // Keeping the owner only works for the superuser; others keep their own.
        [[maybe_unused]] const int ignored = ::fchown(fd, existing.st_uid, existing.st_gid);
    }
    if (const int error = writeAll(fd, bytes); error != 0)
        return {StatusCreateFailed, error};
    // A full disk may only show when the data reaches it.
    if (::fsync(fd) != 0)
        return {StatusCreateFailed, errno};
    if (!temporary.replace(target))
        return {StatusCreateFailed, temporary.error()};
    syncFolder(target);
    return StatusOk;
}

} // namespace kvx
