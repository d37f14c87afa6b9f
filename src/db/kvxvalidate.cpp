#include <cstring>

#include "db/kvximage.h"

namespace kvx {

uint8_t Checksum(std::span<const uint8_t> bytes, uint8_t seed)
{
    unsigned sum = seed;
    for (uint8_t b : bytes)
        sum += b;
    return static_cast<uint8_t>(sum);
}

Status ValidateImage(std::span<const uint8_t> image)
{
    static constexpr uint8_t kMagic[4] = {'K', 'V', 'X', 0};
    if (image.size() < 4 || std::memcmp(image.data(), kMagic, 4) != 0)
        return StatusBadFormat;
    if (image.size() < 8)
        return StatusBadFormat;
    const uint32_t size = static_cast<uint32_t>(image[4]) | (static_cast<uint32_t>(image[5]) << 8) |
                          (static_cast<uint32_t>(image[6]) << 16) | (static_cast<uint32_t>(image[7]) << 24);
    if (size != image.size())
        return StatusBadFormat;
    if (image.size() < 9)
        return StatusBadFormat;
    if (image[8] != 1 && image[8] != 2)
        return StatusBadVersion;
    const std::size_t n = image.size();
    if (n < KVX_MIN_IMAGE_SIZE || image[n - 4] != 'E' || image[n - 3] != 'N' || image[n - 2] != 'D')
        return StatusBadFormat;
    if (Checksum(image.first(n - 1), 1) != image[n - 1])
        return StatusBadChecksum;
    return StatusOk;
}

} // namespace kvx
