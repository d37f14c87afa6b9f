#include <iostream>

#include "cli/checkjson.h"
#include "cli/commands.h"
#include "cli/loaddatabase.h"
#include "db/databasecheck.h"
#include "platform/nameencoding.h"

namespace kvx::cli {

namespace {

// The check exits as diff does: 1 when it found something.
constexpr int kExitFound = ExitDiffer;

struct CheckArguments {
    std::string file;
    std::string encoding = "ISO-8859-1";
    bool ignoreChecksum = false;
};

int runCheck(const CheckArguments& args)
{
    ChannelDatabase db;
    if (const int exit = loadDatabaseFile(args.file, db, args.ignoreChecksum); exit != 0)
        return exit;
    const DatabaseCheck check = checkDatabase(db);
    std::cout << checkJson(check, db, NameEncoding(args.encoding)).dump() << '\n';
    return check.clean() ? ExitOk : kExitFound;
}

} // namespace

void addCheckCommands(CLI::App& app, int& exitCode)
{
    auto args = std::make_shared<CheckArguments>();
    auto* check = app.add_subcommand(
        "check", "List duplicate, empty and orphaned records of FILE; exit 0 when none, 1 when some");
    check->add_option("FILE", args->file, "Database file (.KVX or .CKVX; - for standard input)")->required();
    addEncodingOption(*check, args->encoding, "Code page the names are decoded with");
    addIgnoreChecksumFlag(*check, args->ignoreChecksum);
    check->callback([args, &exitCode] { exitCode = runCheck(*args); });
}

} // namespace kvx::cli
