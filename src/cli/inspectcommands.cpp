#include <iostream>

#include "cli/commands.h"
#include "cli/databasejson.h"
#include "cli/loaddatabase.h"
#include "platform/nameencoding.h"

namespace kvx::cli {

namespace {

int runInfo(const std::string& path)
{
    ChannelDatabase db;
    if (const int status = loadDatabaseFile(path, db); status != StatusOk)
        return fail(status);
    std::cout << databaseInfoJson(db).dump() << '\n';
    return 0;
}

int runDump(const std::string& path, const std::string& encodingName)
{
    if (!NameEncoding::isSupported(encodingName)) {
        std::cerr << "Unknown encoding: " << encodingName << '\n';
        return 1;
    }
    ChannelDatabase db;
    if (const int status = loadDatabaseFile(path, db); status != StatusOk)
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

    auto* info = app.add_subcommand("info", "Print the version, form, stamp and counts of FILE as JSON");
    info->add_option("FILE", *file, "Database file (.KVX or .CKVX)")->required();
    info->callback([file, &exitCode] { exitCode = runInfo(*file); });

    auto* dump = app.add_subcommand("dump", "Print the whole database of FILE as JSON");
    dump->add_option("FILE", *file, "Database file (.KVX or .CKVX)")->required();
    dump->add_option("--encoding", *encoding, "Code page the names are decoded with")->capture_default_str();
    dump->callback([file, encoding, &exitCode] { exitCode = runDump(*file, *encoding); });
}

} // namespace kvx::cli
