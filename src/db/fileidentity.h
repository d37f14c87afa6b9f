#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace kvx {

// What a file held when the program last read or wrote it, so that a later save can tell whether
// another program has changed it since. The content decides, not the modification time: that time is
// kept in coarse steps, so a change right after a save can leave it as it was, and copying tools set
// it back on purpose.
struct FileIdentity {
    uint64_t size = 0;
    uint64_t fingerprint = 0; // of the content, in this process only: never stored

    bool operator==(const FileIdentity&) const = default;
};

FileIdentity identityOf(std::span<const uint8_t> content);

// Whether the file at `path` holds something other than what `known` describes. A file that is gone
// has nothing to overwrite (false); one that cannot be read counts as changed.
bool fileChangedSince(const std::string& path, const FileIdentity& known);

} // namespace kvx
