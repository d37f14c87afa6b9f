#include "import/satcodxline.h"

#include <cctype>
#include <cstdint>

#include "import/fieldnumber.h"

namespace kvx {

namespace {

// Columns of a SATCODX line, counted from 0.
constexpr std::size_t kTagColumn = 0;
constexpr std::string_view kTag = "SATCODX";
constexpr std::size_t kVersionColumn = 8;
constexpr std::string_view kVersion = "03";
constexpr std::size_t kNameColumn = 10;
constexpr std::size_t kNameWidth = 18;
constexpr std::size_t kFrequencyColumn = 33;
constexpr std::size_t kFrequencyWidth = 6;
constexpr std::size_t kPolarisationColumn = 42;
constexpr std::size_t kDegreeColumn = 51;
constexpr std::size_t kDegreeWidth = 4;
constexpr std::size_t kSymbolRateColumn = 69;
constexpr std::size_t kSymbolRateWidth = 5;

bool hasTagAndVersion(std::string_view line)
{
    if (line.size() < kVersionColumn + kVersion.size())
        return false;
    for (std::size_t i = 0; i < kTag.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[kTagColumn + i]);
        if (std::toupper(c) != kTag[i])
            return false;
    }
    return line.substr(kVersionColumn, kVersion.size()) == kVersion;
}

std::string trimmedName(std::string_view field)
{
    std::size_t end = field.size();
    while (end > 0 && std::isspace(static_cast<unsigned char>(field[end - 1])))
        --end;
    return std::string(field.substr(0, end));
}

} // namespace

SatcodxLine parseSatcodxLine(std::string_view line)
{
    SatcodxLine result;
    if (!hasTagAndVersion(line) || line.size() < kNameColumn + kNameWidth)
        return result;
    const std::string name = trimmedName(line.substr(kNameColumn, kNameWidth));

    const uint32_t frequency = readNumberField(line, kFrequencyColumn, kFrequencyWidth);
    if (frequency == 0) {
        result.kind = SatcodxLineKind::NameOnly;
        result.satelliteName = name;
        return result;
    }
    if (frequency > UINT16_MAX || line.size() <= kPolarisationColumn)
        return result;
    const int polarisation = line[kPolarisationColumn] - '0';
    if (polarisation < 0 || polarisation > 3)
        return result;
    const uint32_t symbolRate = readNumberField(line, kSymbolRateColumn, kSymbolRateWidth);
    if (symbolRate > UINT16_MAX)
        return result;

    result.kind = SatcodxLineKind::Transponder;
    result.satelliteName = name;
    result.frequency = static_cast<uint16_t>(frequency);
    result.polarisation = static_cast<uint8_t>(polarisation);
    result.degree = static_cast<uint16_t>(readNumberField(line, kDegreeColumn, kDegreeWidth));
    result.symbolRate = static_cast<uint16_t>(symbolRate);
    return result;
}

} // namespace kvx
