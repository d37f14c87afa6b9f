#include "import/scantables.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "db/fieldtext.h"
#include "import/lyngsatmerge.h"

namespace kvx {

namespace {

std::string subfolder(const std::string& folder, bool terrestrial)
{
    return (std::filesystem::path(folder) / (terrestrial ? "dvb-t" : "dvb-s")).string();
}

} // namespace

std::optional<uint16_t> positionInTableName(std::string_view name)
{
    const std::size_t dash = name.rfind('-');
    const std::string_view last = dash == std::string_view::npos ? std::string_view() : name.substr(dash + 1);
    // Digits, a point, one digit, then E or W.
    if (last.size() < 4)
        return std::nullopt;
    const char side = last.back();
    const std::string_view number = last.substr(0, last.size() - 1);
    const std::size_t point = number.find('.');
    if ((side != 'E' && side != 'W') || point == std::string_view::npos || point == 0 ||
        point + 2 != number.size() ||
        !std::all_of(number.begin(), number.end(), [](char c) { return c == '.' || (c >= '0' && c <= '9'); }))
        return std::nullopt;
    return parseDegree(last);
}

Status listScanTables(const std::string& folder, bool terrestrial, std::vector<ScanTableEntry>& out,
                      std::optional<uint16_t> first)
{
    out.clear();
    std::error_code error;
    for (std::filesystem::directory_iterator it(subfolder(folder, terrestrial), error), end;
         !error && it != end; it.increment(error)) {
        if (!it->is_regular_file(error))
            continue;
        const std::string name = it->path().filename().string();
        out.push_back({name, it->path().string(), terrestrial ? std::nullopt : positionInTableName(name)});
    }
    if (out.empty())
        return StatusNoFile;
    std::sort(out.begin(), out.end(), [first](const ScanTableEntry& a, const ScanTableEntry& b) {
        const bool aFirst = first && a.position == first;
        const bool bFirst = first && b.position == first;
        return aFirst != bFirst ? aFirst : a.name < b.name;
    });
    return StatusOk;
}

std::string missingScanTablesMessage(const std::string& folder, bool terrestrial)
{
    return "No scan tables were found in " + subfolder(folder, terrestrial) +
           ". The package dtv-scan-tables provides them.";
}

LyngSatOptions scanTableOptions()
{
    LyngSatOptions options;
    options.removeOutdated = false;
    options.sortByFrequency = true;
    return options;
}

LyngSatPlan planTransponderRows(const std::vector<LyngSatRow>& rows, const ChannelDatabase& db, uint8_t slot,
                                const LyngSatOptions& options, int* leftOut)
{
    if (slot >= db.networks.size())
        return {};
    LyngSatMerge merge(db, slot);
    int mismatched = 0;
    for (const LyngSatRow& row : rows) {
        if (row.terrestrial != (slot == TERRESTRIAL_SLOT))
            ++mismatched;
        else
            merge.mergeRow(row);
    }
    merge.finish(options);
    if (leftOut != nullptr)
        *leftOut = mismatched;
    return {merge.result(), merge.takeChanges()};
}

} // namespace kvx
