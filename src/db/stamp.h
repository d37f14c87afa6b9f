#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/clock.h"

namespace kvx {

using Stamp = std::array<uint8_t, 3>;

// The date form of a stamp: 0x80 + (year - 2000), month, day (years 2000..2127 fit).
Stamp dateStamp(LocalDate date);

// The stamp's date, when it reads as one: bit 7 of byte 1 set, (byte 1 & 0x7F) < 100, a month 1..12
// and a day 1..31.
std::optional<LocalDate> stampDate(const Stamp& stamp);

// The version text "B002" of a stamp in version form (byte 1 is 0).
std::optional<std::string> stampVersionText(const Stamp& stamp);

} // namespace kvx
