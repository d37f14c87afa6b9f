#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace kvx {

// The parts of an LHA member header the codec needs.
struct Lh5MemberHeader {
    char method = '5';       // digit of "-lhN-"
    uint32_t packedSize = 0; // coded bytes after the header, extended headers not counted
    uint32_t uncompressedSize = 0;
    uint16_t crc = 0;           // CRC-16/ARC of the original data
    std::size_t dataOffset = 0; // where the coded data starts in the stream
};

// Reads a level-0 or level-1 member header whose method is "-lh0-", "-lh4-" or "-lh5-" and skips its
// extended headers. Empty when the header is of another kind or does not fit in the stream.
std::optional<Lh5MemberHeader> ReadLh5Header(std::span<const uint8_t> stream);

// Writes the 27-byte level-1 "-lh5-" header this codec produces (no name, time 0, no extended header).
void WriteLh5Header(std::span<uint8_t> out, uint32_t packedSize, uint32_t uncompressedSize, uint16_t crc);

} // namespace kvx
