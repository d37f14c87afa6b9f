#include "codec/crc16.h"

#include <array>

namespace kvx {

namespace {

using CrcTables = std::array<std::array<uint16_t, 256>, 4>;

// tables[n][v]: the CRC change from byte v followed by n zero bytes. Four bytes are then folded in
// with four independent look-ups instead of a chain of four dependent ones.
constexpr CrcTables makeCrcTables()
{
    CrcTables t{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned r = i;
        for (int bit = 0; bit < 8; ++bit)
            r = (r & 1) ? (r >> 1) ^ 0xA001u : r >> 1;
        t[0][i] = static_cast<uint16_t>(r);
    }
    for (int n = 1; n < 4; ++n)
        for (unsigned i = 0; i < 256; ++i)
            t[n][i] = static_cast<uint16_t>((t[n - 1][i] >> 8) ^ t[0][t[n - 1][i] & 0xFF]);
    return t;
}

constexpr CrcTables kCrc = makeCrcTables();

} // namespace

uint16_t Crc16Update(uint16_t crc, std::span<const uint8_t> bytes)
{
    const uint8_t* p = bytes.data();
    std::size_t n = bytes.size();
    for (; n >= 4; n -= 4, p += 4) {
        const unsigned x = crc ^ (p[0] | (p[1] << 8));
        crc = static_cast<uint16_t>(kCrc[3][x & 0xFF] ^ kCrc[2][x >> 8] ^ kCrc[1][p[2]] ^ kCrc[0][p[3]]);
    }
    for (; n > 0; --n, ++p)
        crc = static_cast<uint16_t>(kCrc[0][(crc ^ *p) & 0xFF] ^ (crc >> 8));
    return crc;
}

} // namespace kvx
