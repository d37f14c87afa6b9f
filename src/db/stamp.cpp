#include "db/stamp.h"

#include <cstdio>
#include <cstdlib>

#include "db/channeldatabase.h"

namespace kvx {

Stamp dateStamp(LocalDate date)
{
    return {static_cast<uint8_t>(((date.year + 48) & 0xFF) | 0x80), static_cast<uint8_t>(date.month),
            static_cast<uint8_t>(date.day)};
}

std::optional<LocalDate> stampDate(const Stamp& stamp)
{
    const int yearOffset = stamp[0] & 0x7F;
    if (!(stamp[0] & 0x80) || yearOffset >= 100 || stamp[1] < 1 || stamp[1] > 12 || stamp[2] < 1 ||
        stamp[2] > 31)
        return std::nullopt;
    return LocalDate{2000 + yearOffset, stamp[1], stamp[2]};
}

std::optional<std::string> stampVersionText(const Stamp& stamp)
{
    if (stamp[0] != 0)
        return std::nullopt;
    char text[16];
    std::snprintf(text, sizeof text, "%c%03u", 'A' + stamp[1], static_cast<unsigned>(stamp[2]));
    return std::string(text);
}

LocalDate stampDateOrToday(const Stamp& stamp, const Clock& clock)
{
    return stampDate(stamp).value_or(clock.today());
}

bool setStampDate(Stamp& stamp, LocalDate date)
{
    const Stamp wanted = dateStamp(date);
    if (wanted == stamp)
        return false;
    stamp = wanted;
    return true;
}

namespace {

struct VersionText {
    char letter = 0;
    unsigned long number = 0;
};

// Reads the text as a character followed by an unsigned decimal number, as "%c%u" does: blanks and a
// sign may precede the digits, anything after them is ignored.
std::optional<VersionText> parseVersionText(std::string_view text)
{
    if (text.size() < 2)
        return std::nullopt;
    const std::string rest(text.substr(1));
    char* end = nullptr;
    const unsigned long number = std::strtoul(rest.c_str(), &end, 10);
    if (end == rest.c_str())
        return std::nullopt;
    return VersionText{text[0], number};
}

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

bool setStampVersion(Stamp& stamp, std::string_view text)
{
    const auto version = parseVersionText(text);
    if (!version || !isAsciiLetter(version->letter) || version->number > 255)
        return false;
    const char letter = version->letter;
    const int area = letter >= 'a' ? letter - 'a' : letter - 'A';
    const Stamp wanted = {0, static_cast<uint8_t>(area), static_cast<uint8_t>(version->number)};
    if (wanted == stamp)
        return false;
    stamp = wanted;
    return true;
}

bool isAcceptedVersionInput(std::string_view text)
{
    const auto version = parseVersionText(text);
    return version && isAsciiLetter(version->letter) && version->number <= 254;
}

bool confirmStampDate(ChannelDatabase& db, LocalDate date)
{
    db.keepStamp = true;
    return setStampDate(db.stamp, date);
}

bool confirmStampVersion(ChannelDatabase& db, std::string_view text)
{
    db.keepStamp = true;
    return setStampVersion(db.stamp, text);
}

} // namespace kvx
