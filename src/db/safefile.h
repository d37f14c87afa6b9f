#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "base/status.h"

namespace kvx {

// Replaces the file at `path` with `bytes` without ever leaving it half written: the complete new
// content goes to a new file in the same folder, which is then renamed over the old one. On any failure
// (folder not writable, target read-only or not a file, disk full, ...) the old file is left exactly as
// it was, the new file is removed, and the result is StatusCreateFailed with the system's reason
// (EISDIR for a folder, ENOTSUP for anything else that is not a regular file). A replaced file keeps its
// permissions; a symbolic link keeps pointing at the file it named, which receives the new content.
// The new file has no name until it is complete where the file system allows it (see SaveTemporary);
// `allowUnnamedTemporary` false takes the named way that other file systems need.
Outcome replaceFileContent(const std::string& path, std::span<const uint8_t> bytes,
                           bool allowUnnamedTemporary = true);

} // namespace kvx
