#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/changejson.h"
#include "cli/commands.h"
#include "cli/diffjson.h"
#include "cli/loaddatabase.h"
#include "db/applychanges.h"
#include "db/databasediff.h"
#include "db/filebytes.h"
#include "db/fileops.h"
#include "import/lyngsatupdate.h"
#include "import/progresssink.h"
#include "import/satcodximport.h"
#include "import/transponderlimit.h"
#include "platform/clock.h"
#include "platform/nameencoding.h"

namespace kvx::cli {

namespace {

// SATCODX files and saved pages are text; nothing sensible comes near this size.
constexpr std::size_t kMaxImportFileSize = 64 * 1024 * 1024;

// Checks that the slot names a satellite network of the database; prints why not.
bool checkSatelliteSlot(const std::string& path, const ChannelDatabase& db, int slot)
{
    if (static_cast<std::size_t>(slot) >= db.networks.size()) {
        report(path,
               "Network slot " + std::to_string(slot) + " does not exist (the file has " +
                   std::to_string(db.networks.size()) + " slots)",
               ExitNoRecord);
        return false;
    }
    if (slot == TERRESTRIAL_SLOT) {
        report(path,
               "Network slot " + std::to_string(slot) +
                   " is the terrestrial network; it takes no satellite transponders",
               ExitNoRecord);
        return false;
    }
    return true;
}

// Opens the database and the import file; on failure prints why and gives the exit status. An import
// file above the size limit is refused with `tooLargeText`.
std::optional<int> openBoth(const std::string& databasePath, bool ignoreChecksum, int slot,
                            const std::string& importPath, const char* tooLargeText, ChannelDatabase& db,
                            std::string& text)
{
    if (const int exit = checkInPlacePath(databasePath); exit != 0)
        return exit;
    if (const int exit = loadDatabaseFile(databasePath, db, ignoreChecksum); exit != 0)
        return exit;
    if (!checkSatelliteSlot(databasePath, db, slot))
        return ExitNoRecord;
    std::vector<uint8_t> bytes;
    if (const Outcome read = readInput(importPath, bytes, kMaxImportFileSize); read != StatusOk) {
        if (read != StatusBadFormat) // the only refusal of a file that could be opened
            return failInput(importPath, read);
        return report(inputName(importPath), tooLargeText, read.status());
    }
    text.assign(bytes.begin(), bytes.end());
    return std::nullopt;
}

// What the import commands share: the database, whether only to show the result, the changes to leave
// out and the encoding of the comparison's names.
struct ImportTarget {
    std::string databasePath;
    bool ignoreChecksum = false;
    int slot = 0;
    bool dryRun = false;
    bool keepStamp = false;
    std::vector<int> skip;
    std::string encoding = "ISO-8859-1";
};

void addImportTargetOptions(CLI::App& command, ImportTarget& target, const char* slotHelp)
{
    command.add_option("FILE", target.databasePath, "Database file, changed in place")->required();
    command.add_option("--network", target.slot, slotHelp)->required()->check(CLI::Range(0, 254));
    command.add_flag("--dry-run", target.dryRun,
                     "Print the result, the changes with their ids and the comparison with the file as it "
                     "is; change nothing");
    command
        .add_option("--skip", target.skip,
                    "Leave out the changes with these ids (ID[,ID...], as --dry-run "
                    "numbers them for the same inputs)")
        ->delimiter(',');
    addEncodingOption(command, target.encoding, "Code page of the comparison's names");
    addKeepStampFlag(command, target.keepStamp);
    addIgnoreChecksumFlag(command, target.ignoreChecksum);
}

// The changes a run applies: `selection` without the ones --skip names. An id the plan does not have is
// refused, so that a typing error never applies a change the user meant to leave out.
std::optional<int> leaveOutSkipped(const ImportTarget& target, const ChangeSet& changes,
                                   ChangeSelection& selection)
{
    for (const int id : target.skip) {
        const std::size_t index = changes.indexOf(id);
        if (index == changes.size())
            return report("--skip " + std::to_string(id) +
                              ": no change has this id (the changes are numbered 1 to " +
                              std::to_string(changes.size()) + ")",
                          ExitUsage);
        selection[index] = false;
    }
    return std::nullopt;
}

// Ends an import planned on the database as read: applies the selected changes to a copy; a dry run
// prints the summary with the changes and the comparison; a real run saves the copy unless it equals
// the file as read, then prints the summary. A result too large for a KVX file fails both alike, after
// the dry run's summary. Returns `exit` once done.
int finishImport(const ImportTarget& target, const ChannelDatabase& before, const ChangeSet& changes,
                 const ChangeSelection& selection, bool fits, nlohmann::ordered_json summary,
                 int exit = ExitOk)
{
    const auto tooLarge = [&target] {
        return report(target.databasePath, statusMessage(StatusTooLarge), StatusTooLarge);
    };
    if (!fits && !target.dryRun)
        return tooLarge();
    ChannelDatabase after = before;
    if (const Status status = applyChanges(after, changes, selection); status != StatusOk)
        return report(target.databasePath, statusMessage(status), status);
    if (target.keepStamp)
        after.keepStamp = true;
    if (target.dryRun) {
        const NameEncoding encoding(target.encoding);
        summary["changes"] = changesJson(changes, selection, encoding);
        summary["comparison"] = diffJson(compareDatabases(before, after), encoding);
    } else if (!(after == before)) {
        if (const Outcome saved =
                saveDatabase(after, target.databasePath, std::nullopt, SystemClock::instance());
            saved != StatusOk)
            return failOutput(target.databasePath, saved);
    }
    std::cout << summary.dump() << '\n';
    return fits ? exit : tooLarge();
}

// Whether the result fits a KVX file; the list-full notice is only given for a result that does, as
// the failure to save then says all there is to say.
bool reportFit(const std::string& inputPath, const ChannelDatabase& db, const ChangeSet& changes,
               const ChangeSelection& selection, bool listFull)
{
    const bool fits = checkChangesFit(db, changes, selection) == StatusOk;
    if (listFull && fits)
        report(inputName(inputPath), kTransponderListFullMessage, ExitPartial);
    return fits;
}

struct SdxArguments : ImportTarget {
    std::string sdxPath;
};

int runImportSdx(const SdxArguments& args)
{
    ChannelDatabase db;
    std::string text;
    if (const auto exit = openBoth(args.databasePath, args.ignoreChecksum, args.slot, args.sdxPath,
                                   "The file is too large to be a SATCODX file", db, text))
        return *exit;
    NullProgressSink progress;
    SatcodxPlan plan = planSatcodxImport(db, static_cast<uint8_t>(args.slot), text, progress);
    const std::string sdxName = inputName(args.sdxPath);
    if (plan.result.status != StatusOk)
        return report(sdxName, statusMessage(plan.result.status), plan.result.status);
    if (plan.result.transponderLines == 0) {
        report(sdxName, std::string(kNoSatcodxTransponderMessage), ExitOk);
        plan.changes = {};
    }
    ChangeSelection selection = plan.changes.allSelected();
    if (const auto exit = leaveOutSkipped(args, plan.changes, selection))
        return *exit;
    const bool fits = reportFit(args.sdxPath, db, plan.changes, selection, plan.result.listFull);
    const ChangeCounts counts = plan.changes.countsOf(selection);
    return finishImport(args, db, plan.changes, selection, fits,
                        {{"added", counts.added}, {"network", counts.network > 0}},
                        plan.result.listFull ? ExitPartial : ExitOk);
}

struct LyngSatArguments : ImportTarget {
    std::string pagePath;
    std::string band; // "c", "ku" or empty for the network's LNB kind
    bool hd = false;
    bool dvbS2 = false;
    bool feeds = false;
    bool keepOutdated = false;
    bool noSort = false;
    bool includeRepeats = false;
};

LyngSatOptions optionsFor(const LyngSatArguments& args, const AntInfo& antenna)
{
    LyngSatOptions options;
    options.band = args.band.empty()  ? defaultBandFor(antenna)
                   : args.band == "c" ? LyngSatBand::C
                                      : LyngSatBand::Ku;
    options.includeHd = args.hd;
    options.includeDvbS2 = args.dvbS2;
    options.includeFeeds = args.feeds;
    options.removeOutdated = !args.keepOutdated;
    options.sortByFrequency = !args.noSort;
    return options;
}

int runLyngSatMerge(const LyngSatArguments& args)
{
    ChannelDatabase db;
    std::string page;
    if (const auto exit = openBoth(args.databasePath, args.ignoreChecksum, args.slot, args.pagePath,
                                   "The file is too large to be a LyngSat page", db, page))
        return *exit;
    const auto slot = static_cast<uint8_t>(args.slot);
    LyngSatPlan plan = planLyngSatPage(page, db, slot, optionsFor(args, db.antennas[slot]));
    std::vector<std::string> notices;
    if (plan.result.rows == 0)
        notices.push_back(noTransponderFoundMessage(plan.result.excluded));
    ChangeSelection selection =
        args.includeRepeats ? plan.changes.allSelected() : plan.changes.defaultSelection();
    if (const auto exit = leaveOutSkipped(args, plan.changes, selection))
        return *exit;
    const bool fits = reportFit(args.pagePath, db, plan.changes, selection, plan.result.listFull);
    if (plan.result.listFull && fits)
        notices.emplace_back(kTransponderListFullMessage);
    const ChangeCounts counts = plan.changes.countsOf(selection);
    return finishImport(args, db, plan.changes, selection, fits,
                        {{"rows", plan.result.rows},
                         {"added", counts.added},
                         {"updated", counts.updated},
                         {"removed", counts.removed},
                         {"programsRemoved", counts.programsRemoved},
                         {"unchanged", plan.result.unchanged},
                         {"repeats", plan.result.repeats},
                         {"notices", notices}},
                        plan.result.listFull ? ExitPartial : ExitOk);
}

} // namespace

void addImportCommands(CLI::App& app, int& exitCode)
{
    auto sdx = std::make_shared<SdxArguments>();
    auto* importSdx =
        app.add_subcommand("import-sdx", "Add the transponders of a SATCODX file to a network of FILE");
    addImportTargetOptions(*importSdx, *sdx, "Network slot to fill");
    importSdx->add_option("SDXFILE", sdx->sdxPath, "SATCODX file (.SDX; - for standard input)")->required();
    importSdx->callback([sdx, &exitCode] { exitCode = runImportSdx(*sdx); });

    auto args = std::make_shared<LyngSatArguments>();
    auto* lyngsat = app.add_subcommand(
        "lyngsat-merge", "Merge the transponders of a saved LyngSat page into a network of FILE");
    addImportTargetOptions(*lyngsat, *args, "Network slot to update");
    lyngsat->add_option("PAGE", args->pagePath, "Saved satellite page (- for standard input)")->required();
    lyngsat->add_option("--band", args->band, "c or ku (default: from the network's LNB kind)")
        ->check(CLI::IsMember({"c", "ku"}));
    lyngsat->add_flag("--hd", args->hd, "Include HD rows");
    lyngsat->add_flag("--dvbs2", args->dvbS2, "Include DVB-S2 rows");
    lyngsat->add_flag("--feeds", args->feeds, "Include feeds");
    lyngsat->add_flag("--keep-outdated", args->keepOutdated, "Keep transponders the page no longer lists");
    lyngsat->add_flag("--no-sort", args->noSort, "Do not sort the network's transponders by frequency");
    lyngsat->add_flag("--include-repeats", args->includeRepeats,
                      "Also add the rows that repeat a transponder an earlier row of the page took");
    lyngsat->callback([args, &exitCode] { exitCode = runLyngSatMerge(*args); });
}

} // namespace kvx::cli
