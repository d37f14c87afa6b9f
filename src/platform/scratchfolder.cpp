#include "platform/scratchfolder.h"

#include <cstdlib>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/processliveness.h"

namespace kvx {

namespace {

namespace fs = std::filesystem;

fs::path temporaryBase()
{
    const char* configured = std::getenv("TMPDIR");
    return configured != nullptr && *configured != '\0' ? fs::path(configured) : fs::path("/tmp");
}

// The process id in "<prefix>-<PID>-<rest>", or none when the name is not of that form.
std::optional<long> ownerOf(const std::string& name, const std::string& prefix)
{
    const std::string lead = prefix + "-";
    if (name.compare(0, lead.size(), lead) != 0)
        return std::nullopt;
    const std::size_t end = name.find('-', lead.size());
    if (end == std::string::npos || end == lead.size() || end - lead.size() > 18)
        return std::nullopt;
    const std::string digits = name.substr(lead.size(), end - lead.size());
    if (digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stol(digits);
}

bool isOwnFolder(const fs::path& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid();
}

} // namespace

void removeStaleScratchFolders(const fs::path& base, const std::string& prefix)
{
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(base, error)) {
        const std::optional<long> owner = ownerOf(entry.path().filename().string(), prefix);
        if (owner && processIsGone(*owner) && isOwnFolder(entry.path())) {
            std::error_code ignored;
            fs::remove_all(entry.path(), ignored);
        }
    }
}

ScratchFolder::ScratchFolder(const std::string& prefix)
{
    const fs::path base = temporaryBase();
    removeStaleScratchFolders(base, prefix);
    std::string pattern = (base / (prefix + "-" + std::to_string(currentProcessId()) + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) != nullptr)
        path_ = pattern;
}

ScratchFolder::~ScratchFolder()
{
    if (!isValid())
        return;
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

} // namespace kvx
