#pragma once

#include <filesystem>
#include <sys/fsuid.h>
#include <unistd.h>

namespace kvx::test {

// Takes the read permission from a file for as long as it lives, the way a user meets somebody else's
// file. The superuser's rights pass over mode bits, so for it this thread's file-system identity is
// nobody's meanwhile (which also drops those rights); the folder lets nobody look in.
class UnreadableFile {
public:
    explicit UnreadableFile(const std::filesystem::path& path)
            : path_(path)
            , folder_(path.parent_path())
            , folderMode_(std::filesystem::status(folder_).permissions())
            , fileMode_(std::filesystem::status(path_).permissions())
    {
        std::filesystem::permissions(folder_, std::filesystem::perms::others_exec,
                                     std::filesystem::perm_options::add);
        std::filesystem::permissions(path_, std::filesystem::perms::none);
        if (::geteuid() == 0)
            previousFsuid_ = ::setfsuid(kNobody);
    }
    ~UnreadableFile()
    {
        if (previousFsuid_ >= 0)
            ::setfsuid(static_cast<uid_t>(previousFsuid_));
        std::filesystem::permissions(path_, fileMode_);
        std::filesystem::permissions(folder_, folderMode_);
    }
    UnreadableFile(const UnreadableFile&) = delete;
    UnreadableFile& operator=(const UnreadableFile&) = delete;

private:
    static constexpr uid_t kNobody = 65534;
    std::filesystem::path path_;
    std::filesystem::path folder_;
    std::filesystem::perms folderMode_;
    std::filesystem::perms fileMode_;
    int previousFsuid_ = -1;
};

} // namespace kvx::test
