#include "db/savetemporary.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/processliveness.h"

namespace kvx {

namespace {

namespace fs = std::filesystem;

constexpr int kNameAttempts = 100;

fs::path folderOf(const fs::path& target)
{
    return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

std::string namePrefix(const fs::path& target)
{
    return "." + target.filename().string() + ".saving-";
}

fs::path temporaryName(const fs::path& target, int attempt)
{
    return folderOf(target) /
           (namePrefix(target) + std::to_string(currentProcessId()) + "-" + std::to_string(attempt));
}

// The process id in ".NAME.saving-PID-N", or none when the name is not of that form.
std::optional<long> ownerOf(const std::string& name, const std::string& prefix)
{
    if (name.compare(0, prefix.size(), prefix) != 0)
        return std::nullopt;
    const std::size_t dash = name.find('-', prefix.size());
    if (dash == std::string::npos || dash == prefix.size() || dash - prefix.size() > 18 ||
        dash + 1 == name.size())
        return std::nullopt;
    const std::string digits = name.substr(prefix.size(), dash - prefix.size());
    if ((digits + name.substr(dash + 1)).find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stol(digits);
}

bool isOwnFile(const fs::path& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid();
}

// Links the unnamed file of `fd` in as `name`: through /proc where it is mounted, else by descriptor
// (which needs a privilege).
bool linkDescriptor(int fd, const fs::path& name)
{
    const std::string procPath = "/proc/self/fd/" + std::to_string(fd);
    if (::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
        return true;
    if (errno == EEXIST)
        return false;
    return ::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0;
}

} // namespace

SaveTemporary::~SaveTemporary()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (!name_.empty())
        ::unlink(name_.c_str());
}

bool SaveTemporary::create(const fs::path& target, bool allowUnnamed)
{
    // An unnamed file can only be given its name through /proc (or with a privilege).
    if (allowUnnamed && ::access("/proc/self/fd", X_OK) == 0) {
        fd_ = ::open(folderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (fd_ >= 0) {
            unnamed_ = true;
            return true;
        }
        // Only a file system without unnamed files calls for a named one; other failures (no right
        // to write the folder, ...) would befall it alike.
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
            error_ = errno;
            return false;
        }
    }
    if (createNamed(target))
        return true;
    error_ = errno;
    return false;
}

bool SaveTemporary::createNamed(const fs::path& target)
{
    fd_ = -1;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const fs::path name = temporaryName(target, attempt);
        fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ >= 0)
            name_ = name;
        if (fd_ >= 0 || errno != EEXIST)
            return fd_ >= 0;
    }
    return false;
}

// The unnamed file gets a unique name beside the target only for the moment before the rename.
bool SaveTemporary::giveName(const fs::path& target)
{
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const fs::path name = temporaryName(target, attempt);
        if (linkDescriptor(fd_, name)) {
            name_ = name;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool SaveTemporary::replace(const fs::path& target)
{
    if (unnamed_ && !giveName(target)) {
        error_ = errno;
        return false;
    }
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    if (!closed || ::rename(name_.c_str(), target.c_str()) != 0) {
        error_ = errno;
        return false;
    }
    name_.clear();
    return true;
}

void removeStaleSaveTemporaries(const fs::path& target)
{
    const std::string prefix = namePrefix(target);
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folderOf(target), error)) {
        const std::optional<long> owner = ownerOf(entry.path().filename().string(), prefix);
        if (owner && processIsGone(*owner) && isOwnFile(entry.path()))
            ::unlink(entry.path().c_str());
    }
}

} // namespace kvx
