#pragma once

#include <filesystem>
#include <string>

namespace kvx {

// A private folder (mode 0700) for the scratch files of one task, below the system's temporary folder
// ($TMPDIR, else /tmp), removed with its content when the object goes. Its name "<prefix>-<PID>-XXXXXX"
// carries the owner's process id, so that the folders of a process that was killed before it could
// remove them are recognised and removed the next time a folder with the same prefix is made.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& prefix);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // False when the folder could not be made.
    bool isValid() const { return !path_.empty(); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Removes the folders "<prefix>-<PID>-..." in `base` that belong to this user and whose process is gone.
void removeStaleScratchFolders(const std::filesystem::path& base, const std::string& prefix);

} // namespace kvx
