#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvx {

// Text forms of record fields as the edit pages show them and read them back. Reading is lenient:
// text that does not parse gives 0 (or the caller's "none" value), never an error.

// "0x%02x", "0x%04x" or "0x%08x" for widths 2, 4 and 8, "%d" for any other width; empty when !show.
std::string formatField(int64_t value, int width, bool show = true);

// Leading white space is skipped; text of at least two characters that starts with "0x" or "0X" is read
// as hexadecimal after the prefix, anything else as signed decimal. Reading stops at the first character
// that does not fit; text without a number gives 0. Callers truncate to their field's width.
int64_t parseNumber(std::string_view text);

// A whole signed decimal number, white space around it allowed; none when the text is anything else or
// does not fit in 32 bits.
std::optional<int32_t> parseDecimal(std::string_view text);

// An orbital position typed in degrees ("19.25", "-5", "35.5W") as tenths of a degree east, 0..3599: the
// leading number, negated when W follows, is folded into one turn and truncated to a whole tenth. Text
// that does not start with a number gives 0.
uint16_t parseDegree(std::string_view text);
// The position as users read it: "19.2E", "35.5W" (for 3245), "0.0E", "180.0E".
std::string positionText(uint16_t tenthsEast);
// Signed tenths of a degree (west negative, as satellites.xml writes them) as tenths east, 0..3599, and
// back (east up to 180.0E, west beyond).
uint16_t tenthsEastOf(int signedTenths);
int signedTenthsOf(uint16_t tenthsEast);
// A position given on a command line: as users write it ("19.2E", "0.8W", "13.0E") or as satellites.xml
// writes it (signed tenths "192", "-8": a whole number without a letter or a point). None for text that
// is neither.
std::optional<uint16_t> parsePositionArgument(std::string_view text);

// A skew angle 0..179: the low 8 bits of a whole decimal number folded modulo 180, or `fallback` when the
// text is not a number.
uint8_t parseSkewAngle(std::string_view text, uint8_t fallback);

} // namespace kvx
