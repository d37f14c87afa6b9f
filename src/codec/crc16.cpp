#include "codec/crc16.h"

#include <array>

namespace kvx {

namespace {

constexpr std::array<uint16_t, 256> makeCrcTable()
{
    std::array<uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned r = i;
        for (int bit = 0; bit < 8; ++bit)
            r = (r & 1) ? (r >> 1) ^ 0xA001u : r >> 1;
        table[i] = static_cast<uint16_t>(r);
    }
    return table;
}

constexpr std::array<uint16_t, 256> kCrcTable = makeCrcTable();

} // namespace

uint16_t Crc16Update(uint16_t crc, std::span<const uint8_t> bytes)
{
    for (const uint8_t b : bytes)
        crc = static_cast<uint16_t>(kCrcTable[(crc ^ b) & 0xFF] ^ (crc >> 8));
    return crc;
}

} // namespace kvx
