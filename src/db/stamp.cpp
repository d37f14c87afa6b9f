#include "db/stamp.h"

#include <cstdio>

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

} // namespace kvx
