#include <iostream>

#include "cli/commands.h"
#include "cli/databasejson.h"
#include "cli/loaddatabase.h"
#include "platform/nameencoding.h"

namespace kvx::cli {

namespace {

int runInfo(const std::string& path, bool ignoreChecksum)
{
    ChannelDatabase db;
    if (const int status = loadDatabaseFile(path, db, ignoreChecksum); status != StatusOk)
        return fail(status);
    std::cout << databaseInfoJson(db).dump() << '\n';
    return 0;
}

int runDump(const std::string& path, const std::string& encodingName, bool ignoreChecksum)
{
    if (!NameEncoding::isSupported(encodingName)) {
        std::cerr << "Unknown encoding: " << encodingName << '\n';
        return 1;
    }
    ChannelDatabase db;
    if (const int status = loadDatabaseFile(path, db, ignoreChecksum); status != StatusOk)
        return fail(status);
    const NameEncoding encoding(encodingName);
    std::cout << databaseDumpJson(db, encoding).dump(2) << '\n';
    return 0;
}

} // namespace

void addInspectCommands(CLI::App& app, int& exitCode)
{
    auto file = std::make_shared<std::string>();
    auto encoding = std::make_shared<std::string>("ISO-8859-1");
    auto ignoreChecksum = std::make_shared<bool>(false);

    auto* info = app.add_subcommand("info", "Print the version, form, stamp and counts of FILE as JSON");
    info->add_option("FILE", *file, "Database file (.KVX or .CKVX)")->required();
    addIgnoreChecksumFlag(*info, *ignoreChecksum);
    info->callback([file, ignoreChecksum, &exitCode] { exitCode = runInfo(*file, *ignoreChecksum); });

    auto* dump = app.add_subcommand("dump", "Print the whole database of FILE as JSON");
    dump->add_option("FILE", *file, "Database file (.KVX or .CKVX)")->required();
    dump->add_option("--encoding", *encoding, "Code page the names are decoded with")->capture_default_str();
    addIgnoreChecksumFlag(*dump, *ignoreChecksum);
    dump->callback([file, encoding, ignoreChecksum, &exitCode] {
        exitCode = runDump(*file, *encoding, *ignoreChecksum);
    });
}

} // namespace kvx::cli
