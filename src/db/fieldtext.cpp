#include "db/fieldtext.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace kvx {

namespace {

std::string_view skipLeadingSpace(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    return text;
}

std::string_view trimSpace(std::string_view text)
{
    text = skipLeadingSpace(text);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Digits are accumulated in 32 bits with wrap-around, as the fields are at most that wide.
int64_t readDigits(std::string_view text, int base)
{
    uint32_t value = 0;
    for (char c : text) {
        const int digit = hexDigit(c);
        if (digit < 0 || digit >= base)
            break;
        value = value * static_cast<uint32_t>(base) + static_cast<uint32_t>(digit);
    }
    return value;
}

} // namespace

std::string formatField(int64_t value, int width, bool show)
{
    if (!show)
        return {};
    const char* format = nullptr;
    switch (width) {
    case 2: format = "0x%02x"; break;
    case 4: format = "0x%04x"; break;
    case 8: format = "0x%08x"; break;
    default: return std::to_string(static_cast<int32_t>(value));
    }
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, format, static_cast<unsigned>(static_cast<uint32_t>(value)));
    return buffer;
}

int64_t parseNumber(std::string_view text)
{
    text = skipLeadingSpace(text);
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return readDigits(text.substr(2), 16);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const auto magnitude = static_cast<uint32_t>(readDigits(text, 10));
    return static_cast<int32_t>(negative ? 0u - magnitude : magnitude);
}

std::optional<int32_t> parseDecimal(std::string_view text)
{
    text = trimSpace(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

namespace {

// What follows a position's number: "W" (any case, after spaces or a degree sign) makes it west.
bool isWestMark(std::string_view rest)
{
    rest = skipLeadingSpace(rest);
    constexpr std::string_view kDegreeSign = "\u00B0";
    if (rest.substr(0, kDegreeSign.size()) == kDegreeSign)
        rest = skipLeadingSpace(rest.substr(kDegreeSign.size()));
    return !rest.empty() && (rest.front() == 'W' || rest.front() == 'w');
}

} // namespace

uint16_t parseDegree(std::string_view text)
{
    text = skipLeadingSpace(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double degrees = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), degrees);
    if (error != std::errc() || !std::isfinite(degrees))
        return 0;
    if (isWestMark(std::string_view(end, static_cast<std::size_t>(text.data() + text.size() - end))))
        degrees = -degrees;
    double tenths = std::fmod(degrees * 10.0, 3600.0);
    if (tenths < 0)
        tenths += 3600.0;
    const double whole = std::trunc(tenths);
    // A tiny negative value rounds up to a full turn, which is position 0.
    return whole >= 3600.0 ? 0 : static_cast<uint16_t>(whole);
}

std::string positionText(uint16_t tenthsEast)
{
    const int east = tenthsEast % 3600;
    const bool west = east > 1800;
    const int d = west ? 3600 - east : east;
    return std::to_string(d / 10) + "." + std::to_string(d % 10) + (west ? "W" : "E");
}

uint16_t tenthsEastOf(int signedTenths)
{
    return static_cast<uint16_t>(((signedTenths % 3600) + 3600) % 3600);
}

int signedTenthsOf(uint16_t tenthsEast)
{
    const int east = tenthsEast % 3600;
    return east > 1800 ? east - 3600 : east;
}

std::optional<uint16_t> parsePositionArgument(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    const bool hasLetter = text.find_first_of("EeWw") != std::string_view::npos;
    if (hasLetter || text.find('.') != std::string_view::npos) {
        const char last = text.back();
        const bool digitsBefore = text.find_first_of("0123456789") != std::string_view::npos;
        if (!digitsBefore || (hasLetter && last != 'E' && last != 'e' && last != 'W' && last != 'w'))
            return std::nullopt;
        return parseDegree(text);
    }
    int tenths = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), tenths);
    if (error != std::errc() || stop != text.data() + text.size())
        return std::nullopt;
    return tenthsEastOf(tenths);
}

uint8_t parseSkewAngle(std::string_view text, uint8_t fallback)
{
    const auto value = parseDecimal(text);
    if (!value)
        return fallback;
    const auto low = static_cast<uint8_t>(*value);
    return low >= 180 ? static_cast<uint8_t>(low % 180) : low;
}

} // namespace kvx
