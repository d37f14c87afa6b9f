#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "base/status.h"

namespace kvx {

struct ChannelDatabase;
class Clock;

constexpr std::size_t KVX_HEADER_SIZE = 16;
constexpr std::size_t KVX_MIN_IMAGE_SIZE = 27;
constexpr std::size_t KVX_IMAGE_BUFFER_SIZE = 1024 * 1024;

// (seed + sum of the bytes) mod 256.
uint8_t Checksum(std::span<const uint8_t> bytes, uint8_t seed);

// Checks magic, size field, version, "END" trailer and checksum, in that order.
Status ValidateImage(std::span<const uint8_t> image);

// Replaces the database's records with the image's. The image is parsed completely before the
// database is touched: an image whose sections do not end exactly at the trailer, whose antenna and
// network counts differ, or whose references point outside their lists gives StatusBadFormat and
// leaves the database as it was. On success fileName becomes pendingFileName and the layout flags are
// adjusted for the next save.
Status LoadImage(ChannelDatabase& db, std::span<const uint8_t> image);

struct WriteResult {
    Status status = StatusOk;
    std::size_t size = 0;
};

// Writes the database as an image into buffer. Unless keepStamp is set the stamp becomes today's date
// (from clock). When the image does not fit the buffer, or a list is longer than its count field
// allows, the result is StatusTooLarge and the database is left unchanged. Names longer than the format
// holds are cut to the limit.
WriteResult WriteImage(ChannelDatabase& db, std::span<uint8_t> buffer, const Clock& clock);

} // namespace kvx
