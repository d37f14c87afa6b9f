#pragma once

#include <cstdint>
#include <string_view>

namespace kvx {

// Reads an unsigned decimal number from the start of `text`: leading blanks are skipped, reading stops
// at the first non-digit. Text without a number reads as 0; a number too large for 32 bits reads as
// UINT32_MAX, so range checks of the caller reject it instead of seeing a wrapped value.
uint32_t readUnsignedNumber(std::string_view text);

// The same for a fixed-width field of a line: the field starts at `column` and is `width` characters
// wide, and only the part of it that lies within the line is read.
uint32_t readNumberField(std::string_view line, std::size_t column, std::size_t width);

} // namespace kvx
