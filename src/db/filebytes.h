#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/status.h"
#include "platform/largebuffer.h"

namespace kvx {

// No KVX or CKVX image the program can hold comes near this size; larger files are not read in.
constexpr std::size_t MAX_DATABASE_FILE_SIZE = 4 * 1024 * 1024;

// Reads a whole file: StatusNoFile when it cannot be opened, StatusReadFailed when it cannot be read
// completely, both with the system's reason where it gave one, StatusBadFormat when it is larger than
// maxSize. A path that names a folder, FIFO, device or socket gives StatusIsFolder, StatusIsFifo,
// StatusIsDevice or StatusIsSocket without waiting for a writer or touching the device.
Outcome readFileBytes(const std::string& path, std::vector<uint8_t>& bytes,
                      std::size_t maxSize = MAX_DATABASE_FILE_SIZE);

// The same into a buffer of its own (`size` becomes the file's length), for large inputs: its memory is
// not cleared before the file is read into it.
Outcome readFileBytes(const std::string& path, LargeBuffer& bytes, std::size_t& size, std::size_t maxSize);

} // namespace kvx
