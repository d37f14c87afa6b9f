#include "import/lyngsatrow.h"

#include <array>
#include <string_view>

#include "import/fieldnumber.h"

namespace kvx {

namespace {

constexpr std::size_t npos = std::string_view::npos;

bool contains(std::string_view text, std::string_view marker)
{
    return text.find(marker) != npos;
}

struct System {
    bool dvbS2 = false;
    bool qpsk = false;
};

// Cell 1: DVB-S2 (only when asked for), else DVB-S or Digicipher 2; nothing when it names neither. Pages
// name DVB-S "DVB" in their older layout and "DVB-S" in the current one.
std::optional<System> readSystem(std::string_view cell, bool includeDvbS2)
{
    if (includeDvbS2 && (contains(cell, "<fontsize=2>DVB-S2") || contains(cell, "<fontsize=1>8PSK")))
        return System{true, contains(cell, "QPSK")};
    if (contains(cell, "<fontsize=2>DVB</font>") || contains(cell, "<fontsize=2>DVB-S</font>") ||
        contains(cell, "<fontsize=2>Digicipher2</font>"))
        return System{};
    return std::nullopt;
}

bool isFeed(std::string_view cell)
{
    return contains(cell, "#d0d0d0") || contains(cell, "color=\"gray\"");
}

struct Polarisation {
    uint8_t polarity = 0;     // 0 V, 1 H, 2 R, 3 L
    std::size_t position = 0; // of the marker in the cell
};

// The first of the markers "H<", "L<", "V<", "R<" (in that order) found in the cell.
std::optional<Polarisation> readPolarisation(std::string_view cell)
{
    constexpr std::array<std::pair<std::string_view, uint8_t>, 4> markers = {
        {{"H<", 1}, {"L<", 3}, {"V<", 0}, {"R<", 2}}};
    for (const auto& [marker, polarity] : markers)
        if (const std::size_t at = cell.find(marker); at != npos)
            return Polarisation{polarity, at};
    return std::nullopt;
}

// The text from `start` up to the first ");" of the cell; empty when that lies before `start` or is
// missing.
std::string_view textUpToCallEnd(std::string_view cell, std::size_t start)
{
    const std::size_t end = cell.find(");");
    if (end == npos || end < start)
        return {};
    return cell.substr(start, end - start);
}

// The frequency written in a script call, or else as the text in front of the polarisation marker.
uint32_t readFrequency(std::string_view cell, std::size_t markerPosition)
{
    if (const std::size_t at = cell.find("ifc("); at != npos)
        return readUnsignedNumber(textUpToCallEnd(cell, at + 4));
    for (const std::string_view call : {"\"ifk2(", "\"ifk1("})
        if (const std::size_t at = cell.find(call); at != npos)
            return readUnsignedNumber(textUpToCallEnd(cell, at + 6));
    const std::size_t tagEnd = markerPosition == 0 ? npos : cell.rfind('>', markerPosition - 1);
    const std::size_t start = tagEnd == npos ? 0 : tagEnd + 1;
    return readUnsignedNumber(cell.substr(start, markerPosition - start));
}

// The number in the five characters after "size=1>", which must follow "<font".
std::optional<uint32_t> readSymbolRate(std::string_view cell)
{
    const std::size_t font = cell.find("<font");
    if (font == npos)
        return std::nullopt;
    constexpr std::string_view sizeMarker = "size=1>";
    const std::size_t size = cell.find(sizeMarker, font);
    if (size == npos)
        return std::nullopt;
    return readUnsignedNumber(cell.substr(size + sizeMarker.size(), 5));
}

// The index of the first FEC suffix the cell holds, searched in this order.
std::optional<uint8_t> readFec(std::string_view cell)
{
    constexpr std::array<std::pair<std::string_view, uint8_t>, 9> suffixes = {{{"-1/2", 1},
                                                                               {"-2/3", 2},
                                                                               {"-3/4", 3},
                                                                               {"-5/6", 4},
                                                                               {"-7/8", 5},
                                                                               {"-8/9", 6},
                                                                               {"-3/5", 7},
                                                                               {"-4/5", 8},
                                                                               {"-9/10", 9}}};
    for (const auto& [suffix, fec] : suffixes)
        if (contains(cell, suffix))
            return fec;
    return std::nullopt;
}

// The filters of the options; an empty band takes every frequency.
struct RowFilters {
    bool includeHd = false;
    bool includeDvbS2 = false;
    bool includeFeeds = false;
    std::optional<BandLimits> band;
};

RowFilters filtersOf(const LyngSatOptions& options)
{
    return {options.includeHd, options.includeDvbS2, options.includeFeeds, bandLimits(options.band)};
}

std::optional<LyngSatRow> readRow(const CellWindow& window, const RowFilters& filters)
{
    const auto system = readSystem(window.cell(1), filters.includeDvbS2);
    if (!system)
        return std::nullopt;
    if (!filters.includeHd && contains(window.cell(1), "HD"))
        return std::nullopt;
    if (!filters.includeFeeds && isFeed(window.cell(3)))
        return std::nullopt;

    std::string_view frequencyCell = window.cell(5);
    if (const std::size_t cut = frequencyCell.find("<br>tp"); cut != npos && cut > 0)
        frequencyCell = frequencyCell.substr(0, cut);
    const auto polarisation = readPolarisation(frequencyCell);
    if (!polarisation)
        return std::nullopt;
    const uint32_t frequency = readFrequency(frequencyCell, polarisation->position);
    if (frequency > UINT16_MAX ||
        (filters.band && (frequency < filters.band->lowest || frequency > filters.band->highest)))
        return std::nullopt;

    const auto symbolRate = readSymbolRate(window.cell(0));
    if (!symbolRate || *symbolRate > UINT16_MAX)
        return std::nullopt;

    LyngSatRow row;
    row.frequency = static_cast<uint16_t>(frequency);
    row.polarity = polarisation->polarity;
    row.horizontal = (polarisation->polarity & 1) != 0;
    row.symbolRate = static_cast<uint16_t>(*symbolRate);
    row.dvbS2 = system->dvbS2;
    if (row.dvbS2) {
        const auto fec = readFec(window.cell(0));
        if (!fec)
            return std::nullopt;
        row.qpsk = system->qpsk;
        row.fec = *fec;
        row.fecGiven = true;
    }
    return row;
}

// Counts a row the options left out under the first option that drops it.
void countExclusion(const CellWindow& window, const LyngSatOptions& options, LyngSatExclusions& excluded)
{
    const auto row = readRow(window, RowFilters{true, true, true, std::nullopt});
    if (!row)
        return;
    const BandLimits band = bandLimits(options.band);
    if (row->dvbS2 && !options.includeDvbS2 && !readSystem(window.cell(1), false))
        ++excluded.dvbS2;
    else if (!options.includeHd && contains(window.cell(1), "HD"))
        ++excluded.hd;
    else if (!options.includeFeeds && isFeed(window.cell(3)))
        ++excluded.feeds;
    else if (row->frequency < band.lowest || row->frequency > band.highest)
        ++excluded.band;
}

} // namespace

std::optional<LyngSatRow> parseLyngSatRow(const CellWindow& window, const LyngSatOptions& options,
                                          LyngSatExclusions* excluded)
{
    auto row = readRow(window, filtersOf(options));
    if (!row && excluded != nullptr)
        countExclusion(window, options, *excluded);
    return row;
}

} // namespace kvx
