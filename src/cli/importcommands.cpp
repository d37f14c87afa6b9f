#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/changejson.h"
#include "cli/commands.h"
#include "cli/diffjson.h"
#include "cli/importtarget.h"
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
    return finishUpdate(args, args.pagePath, db, plan, args.includeRepeats, nlohmann::ordered_json::object(),
                        &notices);
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
