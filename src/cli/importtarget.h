#pragma once

#include <optional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "db/changeset.h"
#include "db/channeldatabase.h"
#include "import/lyngsatupdate.h"

namespace kvx::cli {

// SATCODX files, saved pages, scan tables and satellites.xml are text; nothing sensible comes near this
// size.
constexpr std::size_t kMaxImportFileSize = 64 * 1024 * 1024;

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

void addImportTargetOptions(CLI::App& command, ImportTarget& target, const char* slotHelp);

// Checks that the slot names a satellite network of the database (or, with `terrestrialToo`, the
// terrestrial one); prints why not.
bool checkSatelliteSlot(const std::string& path, const ChannelDatabase& db, int slot,
                        bool terrestrialToo = false);

// Opens the database and the import file; on failure prints why and gives the exit status. An import
// file above the size limit is refused with `tooLargeText`.
std::optional<int> openBoth(const std::string& databasePath, bool ignoreChecksum, int slot,
                            const std::string& importPath, const char* tooLargeText, ChannelDatabase& db,
                            std::string& text, bool terrestrialToo = false);

// The changes a run applies: `selection` without the ones --skip names. An id the plan does not have is
// refused, so that a typing error never applies a change the user meant to leave out.
std::optional<int> leaveOutSkipped(const ImportTarget& target, const ChangeSet& changes,
                                   ChangeSelection& selection);

// Ends an import planned on the database as read: applies the selected changes to a copy; a dry run
// prints the summary with the changes and the comparison; a real run saves the copy unless it equals
// the file as read, then prints the summary. A result too large for a KVX file fails both alike, after
// the dry run's summary. Returns `exit` once done.
int finishImport(const ImportTarget& target, const ChannelDatabase& before, const ChangeSet& changes,
                 const ChangeSelection& selection, bool fits, nlohmann::ordered_json summary, int exit = 0);

// Whether the result fits a KVX file; the list-full notice is only given for a result that does, as
// the failure to save then says all there is to say.
bool reportFit(const std::string& inputPath, const ChannelDatabase& db, const ChangeSet& changes,
               const ChangeSelection& selection, bool listFull);

// Ends an update planned with the LyngSat update's rules (a page, a scan table, a satellites.xml
// satellite): the repeats left out unless `includeRepeats`, --skip, the fit, and the summary {"rows",
// "added", "updated", "removed", "programsRemoved", "unchanged", "repeats"} followed by `extra`; a
// list-full notice is added to `notices` when given.
int finishUpdate(const ImportTarget& target, const std::string& inputPath, const ChannelDatabase& db,
                 const LyngSatPlan& plan, bool includeRepeats, nlohmann::ordered_json extra,
                 std::vector<std::string>* notices = nullptr);

} // namespace kvx::cli
