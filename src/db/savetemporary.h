#pragma once

#include <filesystem>

namespace kvx {

// The file a save writes before it replaces the target, in the target's folder. Where the file system
// allows it the file has no name until it is complete, so a process killed while writing leaves
// nothing behind; elsewhere it is named ".NAME.saving-PID-N" and such names of processes that are gone
// are removed by the next save of the same target.
class SaveTemporary {
public:
    SaveTemporary() = default;
    ~SaveTemporary();
    SaveTemporary(const SaveTemporary&) = delete;
    SaveTemporary& operator=(const SaveTemporary&) = delete;

    // Creates the file (mode 0666 less the umask); `allowUnnamed` false always gives a named one.
    bool create(const std::filesystem::path& target, bool allowUnnamed);
    int fd() const { return fd_; }

    // Closes the complete file and renames it over the target. On failure the file is removed.
    bool replace(const std::filesystem::path& target);

    // The errno value of the call that made create or replace fail.
    int error() const { return error_; }

private:
    bool createNamed(const std::filesystem::path& target);
    bool giveName(const std::filesystem::path& target);

    int fd_ = -1;
    int error_ = 0;
    bool unnamed_ = false;
    std::filesystem::path name_; // empty while the file has no name
};

// Removes the files ".NAME.saving-PID-N" beside the target whose process is gone.
void removeStaleSaveTemporaries(const std::filesystem::path& target);

} // namespace kvx
