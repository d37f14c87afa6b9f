#pragma once

#include <cstdint>
#include <span>

namespace kvx {

// CRC-16/ARC (reflected polynomial 0xA001, initial value 0), the checksum LHA keeps of the original data.
uint16_t Crc16Update(uint16_t crc, std::span<const uint8_t> bytes);

} // namespace kvx
