#include "db/filebytes.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kvx {

namespace {

// What to tell the user about a path that is not a regular file.
Status typeStatus(mode_t mode)
{
    if (S_ISREG(mode))
        return StatusOk;
    if (S_ISDIR(mode))
        return StatusIsFolder;
    if (S_ISFIFO(mode))
        return StatusIsFifo;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return StatusIsDevice;
    return StatusIsSocket;
}

class Descriptor {
public:
    explicit Descriptor(int fd)
            : fd_(fd)
    {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Opening a FIFO or a device can wait for a peer or have effects of its own, so the type is checked
// before the open, the open never waits, and the opened file is checked again (the path may have been
// replaced in between).
Outcome openRegularFile(const std::string& path, int& fd, std::size_t& size)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {StatusNoFile, errno};
    if (const Status status = typeStatus(info.st_mode); status != StatusOk)
        return status;
    fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {StatusNoFile, errno};
    if (::fstat(fd, &info) != 0)
        return {StatusReadFailed, errno};
    if (const Status status = typeStatus(info.st_mode); status != StatusOk)
        return status;
    // A regular file never blocks, but its reads should not report EAGAIN either.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
        return {StatusReadFailed, errno};
    size = static_cast<std::size_t>(info.st_size);
    return StatusOk;
}

// A file that ends before its size is reached (cut short while being read) has no system reason.
Outcome readAll(int fd, uint8_t* data, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, data + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return {StatusReadFailed, errno};
        if (n == 0)
            return StatusReadFailed;
        done += static_cast<std::size_t>(n);
    }
    return StatusOk;
}

} // namespace

Outcome readFileBytes(const std::string& path, std::vector<uint8_t>& bytes, std::size_t maxSize)
{
    int fd = -1;
    std::size_t size = 0;
    const Outcome opened = openRegularFile(path, fd, size);
    const Descriptor file(fd);
    if (opened != StatusOk)
        return opened;
    if (size > maxSize)
        return StatusBadFormat;
    std::vector<uint8_t> data(size);
    if (const Outcome read = readAll(file.get(), data.data(), data.size()); read != StatusOk)
        return read;
    bytes = std::move(data);
    return StatusOk;
}

Outcome readFileBytes(const std::string& path, LargeBuffer& bytes, std::size_t& size, std::size_t maxSize)
{
    int fd = -1;
    std::size_t length = 0;
    const Outcome opened = openRegularFile(path, fd, length);
    const Descriptor file(fd);
    if (opened != StatusOk)
        return opened;
    if (length > maxSize)
        return StatusBadFormat;
    LargeBuffer data(length);
    if (length > 0 && data.empty())
        return StatusNoMemory;
    if (const Outcome read = readAll(file.get(), data.data(), length); read != StatusOk)
        return read;
    bytes = std::move(data);
    size = length;
    return StatusOk;
}

} // namespace kvx
