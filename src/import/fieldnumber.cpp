#include "import/fieldnumber.h"

#include <cstdint>

namespace kvx {

uint32_t readUnsignedNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    uint64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + static_cast<uint64_t>(text[i] - '0');
        if (value > UINT32_MAX)
            return UINT32_MAX;
    }
    return static_cast<uint32_t>(value);
}

uint32_t readNumberField(std::string_view line, std::size_t column, std::size_t width)
{
    if (column >= line.size())
        return 0;
    return readUnsignedNumber(line.substr(column, width));
}

} // namespace kvx
