#include "cli/importtarget.h"

#include <iostream>

#include "cli/changejson.h"
#include "cli/commands.h"
#include "cli/diffjson.h"
#include "cli/loaddatabase.h"
#include "db/applychanges.h"
#include "db/databasediff.h"
#include "db/filebytes.h"
#include "db/fileops.h"
#include "import/transponderlimit.h"
#include "platform/clock.h"
#include "platform/nameencoding.h"

namespace kvx::cli {

bool checkSatelliteSlot(const std::string& path, const ChannelDatabase& db, int slot, bool terrestrialToo)
{
    if (static_cast<std::size_t>(slot) >= db.networks.size()) {
        report(path,
               "Network slot " + std::to_string(slot) + " does not exist (the file has " +
                   std::to_string(db.networks.size()) + " slots)",
               ExitNoRecord);
        return false;
    }
    if (slot == TERRESTRIAL_SLOT && !terrestrialToo) {
        report(path,
               "Network slot " + std::to_string(slot) +
                   " is the terrestrial network; it takes no satellite transponders",
               ExitNoRecord);
        return false;
    }
    return true;
}

std::optional<int> openBoth(const std::string& databasePath, bool ignoreChecksum, int slot,
                            const std::string& importPath, const char* tooLargeText, ChannelDatabase& db,
                            std::string& text, bool terrestrialToo)
{
    if (const int exit = checkInPlacePath(databasePath); exit != 0)
        return exit;
    if (const int exit = loadDatabaseFile(databasePath, db, ignoreChecksum); exit != 0)
        return exit;
    if (!checkSatelliteSlot(databasePath, db, slot, terrestrialToo))
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

int finishImport(const ImportTarget& target, const ChannelDatabase& before, const ChangeSet& changes,
                 const ChangeSelection& selection, bool fits, nlohmann::ordered_json summary, int exit)
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

bool reportFit(const std::string& inputPath, const ChannelDatabase& db, const ChangeSet& changes,
               const ChangeSelection& selection, bool listFull)
{
    const bool fits = checkChangesFit(db, changes, selection) == StatusOk;
    if (listFull && fits)
        report(inputName(inputPath), kTransponderListFullMessage, ExitPartial);
    return fits;
}

int finishUpdate(const ImportTarget& target, const std::string& inputPath, const ChannelDatabase& db,
                 const LyngSatPlan& plan, bool includeRepeats, nlohmann::ordered_json extra,
                 std::vector<std::string>* notices)
{
    ChangeSelection selection = includeRepeats ? plan.changes.allSelected() : plan.changes.defaultSelection();
    if (const auto exit = leaveOutSkipped(target, plan.changes, selection))
        return *exit;
    const bool fits = reportFit(inputPath, db, plan.changes, selection, plan.result.listFull);
    if (notices != nullptr && plan.result.listFull && fits)
        notices->emplace_back(kTransponderListFullMessage);
    const ChangeCounts counts = plan.changes.countsOf(selection);
    nlohmann::ordered_json summary = {{"rows", plan.result.rows},
                                      {"added", counts.added},
                                      {"updated", counts.updated},
                                      {"removed", counts.removed},
                                      {"programsRemoved", counts.programsRemoved},
                                      {"unchanged", plan.result.unchanged},
                                      {"repeats", plan.result.repeats}};
    if (notices != nullptr)
        summary["notices"] = *notices;
    for (auto& [key, value] : extra.items())
        summary[key] = value;
    return finishImport(target, db, plan.changes, selection, fits, std::move(summary),
                        plan.result.listFull ? ExitPartial : ExitOk);
}

} // namespace kvx::cli
