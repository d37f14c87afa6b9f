#include "import/dvbv5table.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

#include "db/tables.h"

namespace kvx {

namespace {

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<uint64_t> unsignedIn(std::string_view text)
{
    uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

// `value` in units of `unit`, rounded to the nearest, halves up; none beyond 16 bits.
std::optional<uint16_t> rounded(std::optional<uint64_t> value, uint64_t unit)
{
    if (!value || *value > (uint64_t{0xFFFF} + 1) * unit)
        return std::nullopt;
    const uint64_t units = (*value + unit / 2) / unit;
    return units <= 0xFFFF ? std::optional<uint16_t>(static_cast<uint16_t>(units)) : std::nullopt;
}

// The keys of one section that a row reads.
struct Section {
    std::string_view system;
    std::optional<uint64_t> frequency;
    std::string_view polarization;
    std::optional<uint64_t> symbolRate;
    std::string_view fec;
    std::string_view modulation;
    std::optional<uint64_t> bandwidth;
    bool open = false;
};

void take(Section& section, std::string_view key, std::string_view value)
{
    if (key == "DELIVERY_SYSTEM")
        section.system = value;
    else if (key == "FREQUENCY")
        section.frequency = unsignedIn(value);
    else if (key == "POLARIZATION")
        section.polarization = value;
    else if (key == "SYMBOL_RATE")
        section.symbolRate = unsignedIn(value);
    else if (key == "INNER_FEC")
        section.fec = value;
    else if (key == "MODULATION")
        section.modulation = value;
    else if (key == "BANDWIDTH_HZ")
        section.bandwidth = unsignedIn(value);
}

std::optional<uint8_t> polarityNamed(std::string_view name)
{
    constexpr std::string_view kNames[] = {"VERTICAL", "HORIZONTAL", "RIGHT", "LEFT"}; // as stored: V H R L
    for (uint8_t p = 0; p < 4; ++p)
        if (name == kNames[p])
            return p;
    return std::nullopt;
}

void applyFec(LyngSatRow& row, std::string_view name)
{
    const int last = row.dvbS2 ? static_cast<int>(kFecNames.size()) - 1 : kDvbsFecCount - 1;
    for (int fec = 1; fec <= last; ++fec)
        if (name == kFecNames[static_cast<std::size_t>(fec)]) {
            row.fec = static_cast<uint8_t>(fec);
            row.fecGiven = true;
        }
}

std::optional<LyngSatRow> satelliteRow(const Section& section, bool dvbS2)
{
    const std::optional<uint8_t> polarity = polarityNamed(section.polarization);
    const std::optional<uint16_t> frequency = rounded(section.frequency, 1000);
    if (!polarity || !frequency || *frequency == 0)
        return std::nullopt;
    LyngSatRow row;
    row.frequency = *frequency;
    row.polarity = *polarity;
    row.horizontal = (*polarity & 1) != 0;
    row.dvbS2 = dvbS2;
    if (section.symbolRate) {
        const std::optional<uint16_t> rate = rounded(section.symbolRate, 1000);
        if (!rate)
            return std::nullopt;
        row.symbolRate = *rate;
    }
    row.qpsk = section.modulation.empty() || section.modulation == "QPSK";
    applyFec(row, section.fec);
    return row;
}

std::optional<LyngSatRow> terrestrialRow(const Section& section)
{
    const std::optional<uint16_t> frequency = rounded(section.frequency, 1000000);
    if (!frequency || *frequency == 0)
        return std::nullopt;
    LyngSatRow row;
    row.terrestrial = true;
    row.frequency = *frequency;
    // 8 MHz is code 0, 7 MHz 1, 6 MHz 2, 5 MHz 3; other widths take the nearest code.
    const uint64_t megahertz = section.bandwidth ? (*section.bandwidth + 500000) / 1000000 : 8;
    row.symbolRate = static_cast<uint16_t>(megahertz >= 8 ? 0 : megahertz <= 5 ? 3 : 8 - megahertz);
    return row;
}

void close(Section& section, ScanTable& table)
{
    if (!section.open)
        return;
    std::optional<LyngSatRow> row;
    if (section.system == "DVBS" || section.system == "DVBS2")
        row = satelliteRow(section, section.system == "DVBS2");
    else if (section.system == "DVBT" || section.system == "DVBT2")
        row = terrestrialRow(section);
    if (row)
        table.rows.push_back(*row);
    else
        ++table.skipped;
    section = Section{};
}

} // namespace

ScanTable parseDvbV5Table(std::string_view text)
{
    ScanTable table;
    Section section;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        line = trimmed(line.substr(0, line.find('#')));
        if (line.empty())
            continue;
        if (line.front() == '[') {
            close(section, table);
            section.open = true;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (section.open && equals != std::string_view::npos)
            take(section, trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1)));
    }
    close(section, table);
    return table;
}

} // namespace kvx
