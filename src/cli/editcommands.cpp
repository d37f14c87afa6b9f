#include <chrono>
#include <cstdio>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>

#include <nlohmann/json.hpp>

#include "cli/checkjson.h"
#include "cli/commands.h"
#include "cli/loaddatabase.h"
#include "cli/referenceinput.h"
#include "cli/referencejson.h"
#include "db/cleanup.h"
#include "db/databasecheck.h"
#include "db/editops.h"
#include "db/favinfo.h"
#include "db/fileops.h"
#include "db/positionlist.h"
#include "db/referenceplan.h"
#include "db/stamp.h"
#include "platform/clock.h"
#include "platform/nameencoding.h"

namespace kvx::cli {

namespace {

constexpr uint16_t kWestToEast = 1800; // networks run from 180.0 W through 0.0 to 179.9 E

// Writes the database to OUT ("-" for standard output) through the safe save.
int writeDatabase(ChannelDatabase& db, const std::string& out, std::optional<bool> compressedForm, bool force)
{
    std::vector<uint8_t> content;
    if (const Status status = databaseFileBytes(db, compressedForm, SystemClock::instance(), content);
        status != StatusOk)
        return failOutput(out, status);
    return writeOutput(out, content, force);
}

struct InPlace {
    std::string path;
    bool ignoreChecksum = false;
    bool keepStamp = false;
    bool dryRun = false; // edit, but do not save
};

// What an edit returns when it went well but left the database as it was: the file is not rewritten,
// so its stamp and time stay.
constexpr int kUnchanged = -1;

// Opens the file, applies the edit and saves it in place in its own form. The edit returns 0 (or
// kUnchanged) to go on; `after` runs once the edit is saved.
int editInPlace(const InPlace& file, const std::function<int(ChannelDatabase&)>& edit,
                const std::function<void()>& after = {})
{
    if (const int exit = checkInPlacePath(file.path); exit != 0)
        return exit;
    ChannelDatabase db;
    if (const int exit = loadDatabaseFile(file.path, db, file.ignoreChecksum); exit != 0)
        return exit;
    if (file.keepStamp)
        db.keepStamp = true;
    const int result = edit(db);
    if (result != 0 && result != kUnchanged)
        return result;
    if (!file.dryRun && result != kUnchanged) {
        if (const Outcome saved = saveDatabase(db, file.path, std::nullopt, SystemClock::instance());
            saved != StatusOk)
            return failOutput(file.path, saved);
    }
    if (after)
        after();
    return 0;
}

int noRecord(const std::string& path, const std::string& message)
{
    return report(path, message, ExitNoRecord);
}

std::optional<LocalDate> parseDate(const std::string& text)
{
    int year = 0;
    unsigned month = 0;
    unsigned day = 0;
    int consumed = 0;
    if (std::sscanf(text.c_str(), "%4d-%2u-%2u%n", &year, &month, &day, &consumed) != 3 ||
        consumed != static_cast<int>(text.size()))
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year(year), std::chrono::month(month),
                                           std::chrono::day(day)};
    // Years from 2100 on would be stored but not read back as dates.
    if (!date.ok() || year < 2000 || year > 2099)
        return std::nullopt;
    return LocalDate{year, static_cast<int>(month), static_cast<int>(day)};
}

const CLI::Validator kDateText(
    [](const std::string& text) {
        return parseDate(text) ? std::string() : "Expected a date YYYY-MM-DD from 2000-01-01 to 2099-12-31";
    },
    "YYYY-MM-DD");

const CLI::Validator kVersionText(
    [](const std::string& text) {
        return isAcceptedVersionInput(text) ? std::string() : "[Area code][Version in decimal] EX> B002";
    },
    "VERSION");

const CLI::Validator kPositionList(
    [](std::string& text) {
        return parsePositionList(text)
                   ? std::string()
                   : "positions from 0 to 65534, as 3 or 3,7 or 3-9,12 (ranges ascending)";
    },
    "POS[,POS...]");

struct EditOptions {
    std::string file;
    std::string out;
    std::string model;
    bool compressed = false;
    bool plain = false;
    bool keepStamp = false;
    bool ignoreChecksum = false;
    bool force = false;
    bool dryRun = false;
    std::string date;
    std::string version;
    int network = -1;
    std::string transponders; // position lists: "3", "3,7", "3-9,12"
    std::string programs;
    int to = -1;
};

InPlace inPlace(const EditOptions& o)
{
    return {.path = o.file, .ignoreChecksum = o.ignoreChecksum, .keepStamp = o.keepStamp, .dryRun = o.dryRun};
}

int runNew(const EditOptions& o)
{
    ChannelDatabase db;
    newDatabase(db, o.model == "combo" ? ReceiverModel::Combo : ReceiverModel::SatelliteOnly);
    return writeDatabase(db, o.out, o.compressed, o.force);
}

int runConvert(const EditOptions& o)
{
    ChannelDatabase db;
    if (const int exit = loadDatabaseFile(o.file, db, o.ignoreChecksum); exit != 0)
        return exit;
    if (o.keepStamp)
        db.keepStamp = true;
    std::optional<bool> form;
    if (o.compressed || o.plain)
        form = o.compressed;
    return writeDatabase(db, o.out, form, o.force);
}

int runStamp(const EditOptions& o)
{
    return editInPlace(inPlace(o), [&](ChannelDatabase& db) {
        if (!o.version.empty())
            confirmStampVersion(db, o.version);
        else
            confirmStampDate(db, *parseDate(o.date)); // the option's check let only dates through
        return 0;
    });
}

int runSortTransponders(const EditOptions& o)
{
    return editInPlace(inPlace(o), [&](ChannelDatabase& db) {
        if (static_cast<std::size_t>(o.network) >= db.networks.size())
            return noRecord(o.file, "No network slot " + std::to_string(o.network));
        sortTranspondersByFrequency(db, static_cast<uint8_t>(o.network));
        return 0;
    });
}

std::size_t favouriteEntries(const ChannelDatabase& db)
{
    std::size_t count = 0;
    for (const FavInfo& group : db.favourites)
        count += group.tvList.size() + group.radioList.size();
    return count;
}

int deleteRecord(ChannelDatabase& db, const EditOptions& o)
{
    if (o.network >= 0) {
        if (static_cast<std::size_t>(o.network) >= db.networks.size())
            return noRecord(o.file, "No network slot " + std::to_string(o.network));
        emptyNetworkSlot(db, static_cast<uint8_t>(o.network));
    } else if (!o.transponders.empty()) {
        const auto positions = *parsePositionList(o.transponders);
        if (positions.back() >= db.transponders.size())
            return noRecord(o.file, "No transponder at position " + std::to_string(positions.back()));
        deleteTranspondersAt(db, positions);
    } else {
        const auto positions = *parsePositionList(o.programs);
        if (positions.back() >= db.programs.size())
            return noRecord(o.file, "No program at position " + std::to_string(positions.back()));
        deleteProgramsAt(db, positions);
    }
    return 0;
}

// Deletes the record and prints what went with it: {"networks", "transponders", "programs",
// "favouriteEntries"}, each the number removed.
int runDelete(const EditOptions& o)
{
    nlohmann::ordered_json removed;
    return editInPlace(
        inPlace(o),
        [&](ChannelDatabase& db) {
            const std::size_t transponders = db.transponders.size();
            const std::size_t programs = db.programs.size();
            const std::size_t entries = favouriteEntries(db);
            if (const int exit = deleteRecord(db, o); exit != 0)
                return exit;
            removed = {{"networks", o.network >= 0 ? 1 : 0},
                       {"transponders", transponders - db.transponders.size()},
                       {"programs", programs - db.programs.size()},
                       {"favouriteEntries", entries - favouriteEntries(db)}};
            return 0;
        },
        [&] { std::cout << removed.dump() << '\n'; });
}

// Moves the programs to stand together from position `to` and prints {"moved", "to", "changed"}.
int runMove(const EditOptions& o)
{
    nlohmann::ordered_json moved;
    return editInPlace(
        inPlace(o),
        [&](ChannelDatabase& db) {
            const auto positions = *parsePositionList(o.programs);
            if (positions.back() >= db.programs.size())
                return noRecord(o.file, "No program at position " + std::to_string(positions.back()));
            const std::size_t last = db.programs.size() - positions.size();
            if (static_cast<std::size_t>(o.to) > last)
                return noRecord(o.file, "No position " + std::to_string(o.to) + " for " +
                                            std::to_string(positions.size()) +
                                            " programs: they fit from 0 to " + std::to_string(last));
            const bool changed = movePrograms(db, positions, static_cast<uint16_t>(o.to));
            moved = {{"moved", positions.size()}, {"to", o.to}, {"changed", changed}};
            return changed ? 0 : kUnchanged;
        },
        [&] { std::cout << moved.dump() << '\n'; });
}

// What every command that plans changes and then applies them takes besides its own options.
struct PlanArguments {
    std::string file;
    bool dryRun = false;
    bool keepStamp = false;
    bool ignoreChecksum = false;
    std::string encoding = "ISO-8859-1";
};

struct ReferenceArguments : PlanArguments {
    std::string reference;
    bool favourites = false;
    bool names = false;
    bool copyMissing = false;
};

struct CleanArguments : PlanArguments {
    bool emptyTransponders = false;
};

// Plans the changes to FILE's database, which fills in the summary printed at the end, and applies
// them unless this is a dry run. `plan` returns 0 to go on, kUnchanged when nothing would change (the
// file is left as it is) or an exit code.
int planAndApply(const PlanArguments& args,
                 const std::function<int(ChannelDatabase&, nlohmann::ordered_json& summary)>& plan,
                 const std::function<Status(ChannelDatabase&)>& apply)
{
    nlohmann::ordered_json summary;
    const InPlace file{.path = args.file,
                       .ignoreChecksum = args.ignoreChecksum,
                       .keepStamp = args.keepStamp,
                       .dryRun = args.dryRun};
    return editInPlace(
        file,
        [&](ChannelDatabase& db) {
            if (const int exit = plan(db, summary); exit != 0 || args.dryRun)
                return exit;
            if (const Status status = apply(db); status != StatusOk)
                return report(args.file, statusMessage(status), status);
            return 0;
        },
        [&] { std::cout << summary.dump() << '\n'; });
}

// Rebuilds FILE's channel order (and, when asked, its favourite groups and names) after the reference
// and prints the counts; a dry run adds the list of changes. A run that changes nothing leaves the file.
int runApplyReference(const ReferenceArguments& args)
{
    std::optional<ReferencePlan> plan;
    ReferenceSelection selection;
    return planAndApply(
        args,
        [&](ChannelDatabase& db, nlohmann::ordered_json& summary) {
            const NameEncoding encoding(args.encoding);
            ReferenceList reference;
            if (const int exit =
                    readReference({args.reference, args.ignoreChecksum}, db, encoding, reference);
                exit != 0)
                return exit;
            plan = planReference(db, reference.database, reference.anyNetwork);
            selection = plan->defaultSelection();
            selection.favourites = args.favourites;
            selection.names = args.names;
            selection.copyMissing = args.copyMissing;
            const ReferenceReview review = reviewReferencePlan(db, *plan, selection);
            summary = referenceSummaryJson(review, selection);
            if (args.dryRun)
                summary["changes"] = referenceChangesJson(db, *plan, selection, review, encoding);
            return review.changesDatabase() ? 0 : kUnchanged;
        },
        [&](ChannelDatabase& db) { return applyReferencePlan(db, *plan, selection); });
}

// Removes what the check finds (checkDatabase, planCleanup) and prints the counts; a dry run adds the
// list of changes. A clean database leaves the file as it is.
int runClean(const CleanArguments& args)
{
    std::optional<CleanupPlan> plan;
    ChangeSelection selection;
    return planAndApply(
        args,
        [&](ChannelDatabase& db, nlohmann::ordered_json& summary) {
            plan = planCleanup(db, checkDatabase(db), {.emptyTransponders = args.emptyTransponders});
            selection = plan->allSelected();
            const CleanupCounts counts = plan->countsOf(selection);
            summary = cleanupCountsJson(counts);
            if (args.dryRun)
                summary["changes"] = cleanupChangesJson(*plan, selection, db, NameEncoding(args.encoding));
            return counts.total() == 0 ? kUnchanged : 0;
        },
        [&](ChannelDatabase& db) { return applyCleanup(db, *plan, selection); });
}

// The options of PlanArguments but FILE, which each command describes in its place.
void addPlanOptions(CLI::App& cmd, PlanArguments& args, const std::string& encodingHelp)
{
    cmd.add_flag("--dry-run", args.dryRun, "Print the counts and the list of changes; change nothing");
    addEncodingOption(cmd, args.encoding, encodingHelp);
    addKeepStampFlag(cmd, args.keepStamp);
    addIgnoreChecksumFlag(cmd, args.ignoreChecksum);
}

void addNew(CLI::App& app, const std::shared_ptr<EditOptions>& o, int& exitCode)
{
    auto* cmd = app.add_subcommand("new", "Write a new, empty database of a receiver model to OUT");
    cmd->add_option("OUT", o->out, "File to write (- for standard output)")->required();
    cmd->add_option("--model", o->model, "sat (64 satellite slots) or combo (plus a terrestrial slot)")
        ->required()
        ->check(CLI::IsMember({"sat", "combo"}));
    cmd->add_flag("--compressed", o->compressed, "Write the compressed (CKVX) form");
    addForceFlag(*cmd, o->force);
    cmd->callback([o, &exitCode] { exitCode = runNew(*o); });
}

void addConvert(CLI::App& app, const std::shared_ptr<EditOptions>& o, int& exitCode)
{
    auto* cmd = app.add_subcommand("convert", "Open IN and save it as OUT, in the input's form unless told");
    cmd->add_option("IN", o->file, "Database file to read (- for standard input)")->required();
    cmd->add_option("OUT", o->out, "File to write (- for standard output)")->required();
    auto* compressed = cmd->add_flag("--compressed", o->compressed, "Write the compressed (CKVX) form");
    auto* plain = cmd->add_flag("--plain", o->plain, "Write the plain (KVX) form");
    compressed->excludes(plain);
    addKeepStampFlag(*cmd, o->keepStamp);
    addForceFlag(*cmd, o->force);
    addIgnoreChecksumFlag(*cmd, o->ignoreChecksum);
    cmd->callback([o, &exitCode] { exitCode = runConvert(*o); });
}

void addStamp(CLI::App& app, const std::shared_ptr<EditOptions>& o, int& exitCode)
{
    auto* cmd = app.add_subcommand("stamp", "Set the stamp of FILE: a date is the modification date, which "
                                            "the next save replaces with its own (unless --keep-stamp); a "
                                            "version is kept on later saves");
    cmd->add_option("FILE", o->file, "Database file to change")->required();
    auto* form = cmd->add_option_group("form", "The stamp, as a date or as a version");
    form->add_option("--date", o->date, "Stamp as a modification date")->check(kDateText);
    form->add_option("--version", o->version, "Stamp as a version such as B002")->check(kVersionText);
    form->require_option(1);
    addIgnoreChecksumFlag(*cmd, o->ignoreChecksum);
    cmd->callback([o, &exitCode] { exitCode = runStamp(*o); });
}

void addSorts(CLI::App& app, const std::shared_ptr<EditOptions>& o, int& exitCode)
{
    auto* networks =
        app.add_subcommand("sort-networks", "Order the satellite slots of FILE from west to east");
    networks->add_option("FILE", o->file, "Database file to change")->required();
    addKeepStampFlag(*networks, o->keepStamp);
    addIgnoreChecksumFlag(*networks, o->ignoreChecksum);
    networks->callback([o, &exitCode] {
        exitCode = editInPlace(inPlace(*o), [](ChannelDatabase& db) {
            sortNetworksByDegree(db, kWestToEast);
            return 0;
        });
    });

    auto* tps = app.add_subcommand("sort-transponders", "Order one network's transponders by frequency");
    tps->add_option("FILE", o->file, "Database file to change")->required();
    tps->add_option("--network", o->network, "Network slot")->required()->check(CLI::Range(0, 254));
    addKeepStampFlag(*tps, o->keepStamp);
    addIgnoreChecksumFlag(*tps, o->ignoreChecksum);
    tps->callback([o, &exitCode] { exitCode = runSortTransponders(*o); });
}

void addDelete(CLI::App& app, const std::shared_ptr<EditOptions>& o, int& exitCode)
{
    auto* cmd = app.add_subcommand("delete", "Empty a network slot, or delete a transponder or a program, "
                                             "with everything that belongs to it; prints the numbers "
                                             "removed as JSON");
    cmd->add_option("FILE", o->file, "Database file to change")->required();
    auto* what = cmd->add_option_group("record", "What to delete");
    what->add_option("--network", o->network, "Network slot to empty")->check(CLI::Range(0, 254));
    what->add_option("--transponder", o->transponders, "Transponder positions: POS[,POS...], ranges as 3-9")
        ->check(kPositionList);
    what->add_option("--program", o->programs, "Program positions: POS[,POS...], ranges as 3-9")
        ->check(kPositionList);
    what->require_option(1);
    cmd->add_flag("--dry-run", o->dryRun, "Print what would be removed; change nothing");
    addKeepStampFlag(*cmd, o->keepStamp);
    addIgnoreChecksumFlag(*cmd, o->ignoreChecksum);
    cmd->callback([o, &exitCode] { exitCode = runDelete(*o); });
}

void addMove(CLI::App& app, const std::shared_ptr<EditOptions>& o, int& exitCode)
{
    auto* cmd = app.add_subcommand("move", "Move programs to stand together, in their order, from a "
                                           "position of the program list; favourites follow; prints "
                                           "what moved as JSON");
    cmd->add_option("FILE", o->file, "Database file to change")->required();
    cmd->add_option("--program", o->programs, "Program positions: POS[,POS...], ranges as 3-9")
        ->required()
        ->check(kPositionList);
    cmd->add_option("--to", o->to, "Position of the first moved program in the resulting list")
        ->required()
        ->check(CLI::Range(0, 65534));
    cmd->add_flag("--dry-run", o->dryRun, "Print what would move; change nothing");
    addKeepStampFlag(*cmd, o->keepStamp);
    addIgnoreChecksumFlag(*cmd, o->ignoreChecksum);
    cmd->callback([o, &exitCode] { exitCode = runMove(*o); });
}

void addApplyReference(CLI::App& app, int& exitCode)
{
    auto args = std::make_shared<ReferenceArguments>();
    auto* cmd = app.add_subcommand("apply-reference",
                                   "Give FILE's channels the order of a reference list, such as the "
                                   "database before a rescan, and its favourite groups and names only "
                                   "when asked (--favourites, --names); prints the matches and the "
                                   "channels moved as JSON");
    cmd->add_option("FILE", args->file, "Database file to change")->required();
    cmd->add_option("REF", args->reference,
                    "Reference: a KVX or CKVX database (- for standard input), or a channel list exported "
                    "as CSV (by its .csv suffix)")
        ->required();
    cmd->add_flag("--favourites", args->favourites,
                  "Also take the reference's favourite groups: names and entries of the matched programs "
                  "(without it the groups stay as they are)");
    cmd->add_flag("--names", args->names, "Also give matched programs the reference's names");
    cmd->add_flag("--copy-missing", args->copyMissing,
                  "Also add the reference's programs that match nothing here, with their transponders, at "
                  "the end of the lists");
    addPlanOptions(*cmd, *args, "Code page of the names: of a CSV reference and of the list of changes");
    cmd->callback([args, &exitCode] { exitCode = runApplyReference(*args); });
}

void addClean(CLI::App& app, int& exitCode)
{
    auto args = std::make_shared<CleanArguments>();
    auto* cmd = app.add_subcommand("clean", "Remove what check finds in FILE: duplicate transponders (their "
                                            "programs move to the kept one), duplicate programs (their "
                                            "favourite entries pass to the kept one), zero transponders, "
                                            "orphaned programs and repeated favourite entries; prints the "
                                            "counts as JSON");
    cmd->add_option("FILE", args->file, "Database file to change")->required();
    cmd->add_flag("--empty-transponders", args->emptyTransponders,
                  "Also remove transponders without programs");
    addPlanOptions(*cmd, *args, "Code page of the names in the list of changes");
    cmd->callback([args, &exitCode] { exitCode = runClean(*args); });
}

} // namespace

void addEditCommands(CLI::App& app, int& exitCode)
{
    // Only one subcommand runs, so the commands can share one set of option values.
    auto options = std::make_shared<EditOptions>();
    addNew(app, options, exitCode);
    addConvert(app, options, exitCode);
    addStamp(app, options, exitCode);
    addSorts(app, options, exitCode);
    addDelete(app, options, exitCode);
    addMove(app, options, exitCode);
    addApplyReference(app, exitCode);
    addClean(app, exitCode);
}

} // namespace kvx::cli
