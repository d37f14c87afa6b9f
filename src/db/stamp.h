#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/clock.h"

namespace kvx {

struct ChannelDatabase;

using Stamp = std::array<uint8_t, 3>;

// The date form of a stamp: 0x80 + (year - 2000), month, day (years 2000..2127 fit).
Stamp dateStamp(LocalDate date);

// The stamp's date, when it reads as one: bit 7 of byte 1 set, (byte 1 & 0x7F) < 100, a month 1..12
// and a day 1..31.
std::optional<LocalDate> stampDate(const Stamp& stamp);

// The version text "B002" of a stamp in version form (byte 1 is 0).
std::optional<std::string> stampVersionText(const Stamp& stamp);

// The stamp's date when it reads as one, else today: what the modification date dialog starts with.
LocalDate stampDateOrToday(const Stamp& stamp, const Clock& clock);

// Stores the date form of `date`; false (nothing changed) when the stamp already holds those bytes.
bool setStampDate(Stamp& stamp, LocalDate date);

// Stores the version form of a text such as "B002" or "b2": a letter (either case) and a decimal number
// up to 255. False, with nothing changed, for any other text or when the stamp already holds it.
bool setStampVersion(Stamp& stamp, std::string_view text);

// Whether the modification date dialog accepts the version text: a letter and a number up to 254.
bool isAcceptedVersionInput(std::string_view text);

// Confirming the modification date dialog: sets the date or the version and fixes the stamp against
// refreshing on save (keepStamp), whether or not it changed. Returns whether the stamp changed.
bool confirmStampDate(ChannelDatabase& db, LocalDate date);
bool confirmStampVersion(ChannelDatabase& db, std::string_view text);

} // namespace kvx
