#include "codec/lh5header.h"

#include <algorithm>
#include <cstring>

#include "codec/lh5.h"

namespace kvx {

namespace {

// Fixed fields of a level-0/1 header body before the name: method (5), packed size (4), original
// size (4), time (4), attribute (1), level (1), name length (1); a shorter body cannot be read.
constexpr std::size_t kMinBodySize = 22;

uint16_t le16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t le32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

void putLe32(uint8_t* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}

bool isAcceptedMethod(const uint8_t* m)
{
    return m[0] == '-' && m[1] == 'l' && m[2] == 'h' && (m[3] == '0' || m[3] == '4' || m[3] == '5') &&
           m[4] == '-';
}

} // namespace

std::optional<Lh5MemberHeader> ReadLh5Header(std::span<const uint8_t> stream)
{
    if (stream.size() < 2)
        return std::nullopt;
    const std::size_t bodySize = stream[0];
    if (bodySize < kMinBodySize || stream.size() < 2 + bodySize)
        return std::nullopt;
    const uint8_t* body = stream.data() + 2;
    if (!isAcceptedMethod(body))
        return std::nullopt;

    Lh5MemberHeader header;
    header.method = static_cast<char>(body[3]);
    header.packedSize = le32(body + 5);
    header.uncompressedSize = le32(body + 9);
    // The CRC follows the name in both levels; a name running past the header leaves no room for it.
    const std::size_t nameLength = body[19];
    if (kMinBodySize + nameLength > bodySize)
        return std::nullopt;
    header.crc = le16(body + 20 + nameLength);
    std::size_t offset = 2 + bodySize;

    // Only level 1 ends its base header with the size of the first extended header; in a level-0
    // header those two bytes belong to the CRC.
    const uint8_t level = body[18];
    std::size_t extSize = level == 1 ? le16(body + bodySize - 2) : 0;
    while (extSize != 0) {
        // Each extended header ends with the size of the next one, so it holds at least those 2 bytes.
        if (extSize < 2 || stream.size() - offset < extSize)
            return std::nullopt;
        offset += extSize;
        header.packedSize -= static_cast<uint32_t>(std::min<std::size_t>(extSize, header.packedSize));
        extSize = le16(stream.data() + offset - 2);
    }
    header.dataOffset = offset;
    return header;
}

void WriteLh5Header(std::span<uint8_t> out, uint32_t packedSize, uint32_t uncompressedSize, uint16_t crc)
{
    uint8_t* h = out.data();
    std::memset(h, 0, LH5_HEADER_SIZE);
    h[0] = LH5_HEADER_SIZE - 2;
    std::memcpy(h + 2, "-lh5-", 5);
    putLe32(h + 7, packedSize);
    putLe32(h + 11, uncompressedSize);
    h[19] = 0x20; // attribute: archive
    h[20] = 1;    // header level
    h[21] = 0;    // empty name
    h[22] = static_cast<uint8_t>(crc);
    h[23] = static_cast<uint8_t>(crc >> 8);
    h[24] = 0x20; // system identifier
    uint8_t sum = 0;
    for (std::size_t i = 2; i < LH5_HEADER_SIZE; ++i)
        sum = static_cast<uint8_t>(sum + h[i]);
    h[1] = sum;
}

} // namespace kvx
