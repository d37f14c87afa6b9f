#include <iostream>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "cli/importtarget.h"
#include "db/fieldtext.h"
#include "import/dvbv5table.h"
#include "import/satellitesxml.h"
#include "import/scantables.h"

namespace kvx::cli {

namespace {

// A position as users write it ("13.0E", "0.8W") or as satellites.xml does (signed tenths, "130").
CLI::Validator positionValidator()
{
    return CLI::Validator(
        [](const std::string& text) {
            return parsePositionArgument(text)
                       ? std::string()
                       : "Not a position: '" + text + "' (19.2E, 0.8W, or tenths: 192, -8)";
        },
        "POS");
}

std::string folderOf(const std::string& option)
{
    return option.empty() ? std::string(kScanTableFolder) : option;
}

struct TableListArguments {
    std::string position;
    std::string folder;
    bool terrestrial = false;
};

int runScanTables(const TableListArguments& args)
{
    const std::string folder = folderOf(args.folder);
    const std::optional<uint16_t> first =
        args.position.empty() ? std::nullopt : parsePositionArgument(args.position);
    std::vector<ScanTableEntry> tables;
    if (listScanTables(folder, args.terrestrial, tables, first) != StatusOk)
        return report(missingScanTablesMessage(folder, args.terrestrial), StatusNoFile);
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const ScanTableEntry& table : tables) {
        if (first && table.position != first)
            continue;
        std::vector<uint8_t> bytes;
        const Outcome read = readInput(table.path, bytes, kMaxImportFileSize);
        const ScanTable parsed =
            read == StatusOk
                ? parseDvbV5Table(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()))
                : ScanTable{};
        list.push_back({{"name", table.name},
                        {"position", table.position ? nlohmann::ordered_json(positionText(*table.position))
                                                    : nlohmann::ordered_json()},
                        {"transponders", parsed.rows.size()}});
    }
    std::cout << list.dump() << '\n';
    return ExitOk;
}

// What the two transponder-list imports share beside the target.
struct ListImportArguments : ImportTarget {
    std::string input;
    std::string folder;
    std::string position;
    bool removeOutdated = false;
    bool noSort = false;
    bool includeRepeats = false;
};

// Plans the rows into the target network and ends the run as every import does.
int mergeRows(const ListImportArguments& args, const ChannelDatabase& db, const std::vector<LyngSatRow>& rows,
              int skipped)
{
    LyngSatOptions options = scanTableOptions();
    options.removeOutdated = args.removeOutdated;
    options.sortByFrequency = !args.noSort;
    int leftOut = 0;
    LyngSatPlan plan = planTransponderRows(rows, db, static_cast<uint8_t>(args.slot), options, &leftOut);
    if (plan.result.rows == 0) {
        report(inputName(args.input),
               leftOut > 0 ? "The list holds no transponder of this kind of network"
                           : "The list holds no transponder",
               ExitOk);
        plan.changes = {};
    }
    return finishUpdate(args, args.input, db, plan, args.includeRepeats, {{"skipped", skipped + leftOut}});
}

// TABLE as a path, or as the name of an installed table of the network's kind.
std::string tablePath(const ListImportArguments& args)
{
    if (args.input == "-" || args.input.find('/') != std::string::npos)
        return args.input;
    return folderOf(args.folder) + (args.slot == TERRESTRIAL_SLOT ? "/dvb-t/" : "/dvb-s/") + args.input;
}

int runImportScan(ListImportArguments args)
{
    args.input = tablePath(args);
    ChannelDatabase db;
    std::string text;
    if (const auto exit = openBoth(args.databasePath, args.ignoreChecksum, args.slot, args.input,
                                   "The file is too large to be a scan table", db, text, true))
        return *exit;
    const ScanTable table = parseDvbV5Table(text);
    return mergeRows(args, db, table.rows, table.skipped);
}

int runImportSatXml(const ListImportArguments& args)
{
    ChannelDatabase db;
    std::string text;
    if (const auto exit = openBoth(args.databasePath, args.ignoreChecksum, args.slot, args.input,
                                   "The file is too large to be a satellites.xml file", db, text))
        return *exit;
    std::vector<SatXmlSatellite> satellites;
    if (const Status status = parseSatellitesXml(text, satellites); status != StatusOk)
        return report(inputName(args.input), "The file holds no <sat> element", status);
    const uint16_t position = *parsePositionArgument(args.position);
    const SatXmlSatellite* sat = satelliteAt(satellites, position);
    if (sat == nullptr)
        return report(inputName(args.input), "No satellite at " + positionText(position) + " in the file",
                      ExitNoRecord);
    return mergeRows(args, db, sat->rows, sat->skipped);
}

void addListImportOptions(CLI::App& command, ListImportArguments& args)
{
    command.add_flag("--remove-outdated", args.removeOutdated,
                     "Remove the transponders the list does not give");
    command.add_flag("--no-sort", args.noSort, "Do not sort the network's transponders by frequency");
    command.add_flag("--include-repeats", args.includeRepeats,
                     "Also add the rows that repeat a transponder an earlier row took");
}

} // namespace

void addScanCommands(CLI::App& app, int& exitCode)
{
    auto list = std::make_shared<TableListArguments>();
    auto* tables = app.add_subcommand(
        "scan-tables", "List the installed DVB-S (or DVB-T) scan tables with their positions as JSON");
    tables->add_option("--position", list->position, "Only the tables at this position")
        ->check(positionValidator());
    tables->add_flag("--terrestrial", list->terrestrial, "List the DVB-T region tables");
    tables->add_option("--folder", list->folder, "Folder of the tables (default /usr/share/dvb)");
    tables->callback([list, &exitCode] { exitCode = runScanTables(*list); });

    auto scan = std::make_shared<ListImportArguments>();
    auto* importScan = app.add_subcommand(
        "import-scan",
        "Merge the transponders of a scan table into a network of FILE (the terrestrial one too)");
    addImportTargetOptions(*importScan, *scan, "Network slot to update");
    importScan->add_option("TABLE", scan->input, "Scan table: a path, or the name of an installed table")
        ->required();
    importScan->add_option("--folder", scan->folder,
                           "Folder of the installed tables (default /usr/share/dvb)");
    addListImportOptions(*importScan, *scan);
    importScan->callback([scan, &exitCode] { exitCode = runImportScan(*scan); });

    auto xml = std::make_shared<ListImportArguments>();
    auto* importXml = app.add_subcommand(
        "import-satxml",
        "Merge the transponders of one satellite of a satellites.xml file into a network of FILE");
    addImportTargetOptions(*importXml, *xml, "Network slot to update");
    importXml->add_option("SATXML", xml->input, "satellites.xml file (- for standard input)")->required();
    importXml
        ->add_option("--position", xml->position, "Position of the <sat> to take (19.2E, 0.8W or 192, -8)")
        ->required()
        ->check(positionValidator());
    addListImportOptions(*importXml, *xml);
    importXml->callback([xml, &exitCode] { exitCode = runImportSatXml(*xml); });
}

} // namespace kvx::cli
