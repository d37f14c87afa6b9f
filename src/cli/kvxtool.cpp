// kvxtool: the editor's command-line companion for scripting and inspecting database files.
#include <CLI/CLI.hpp>
#include <iostream>

#include "cli/databasejson.h"
#include "cli/loaddatabase.h"
#include "platform/nameencoding.h"

namespace {

int fail(int status)
{
    std::cerr << kvx::statusMessage(status) << '\n';
    return status;
}

int runInfo(const std::string& path)
{
    kvx::ChannelDatabase db;
    if (const int status = kvx::loadDatabaseFile(path, db); status != kvx::StatusOk)
        return fail(status);
    std::cout << kvx::databaseInfoJson(db).dump() << '\n';
    return 0;
}

int runDump(const std::string& path, const std::string& encodingName)
{
    if (!kvx::NameEncoding::isSupported(encodingName)) {
        std::cerr << "Unknown encoding: " << encodingName << '\n';
        return 1;
    }
    kvx::ChannelDatabase db;
    if (const int status = kvx::loadDatabaseFile(path, db); status != kvx::StatusOk)
        return fail(status);
    const kvx::NameEncoding encoding(encodingName);
    std::cout << kvx::databaseDumpJson(db, encoding).dump(2) << '\n';
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    CLI::App app{"kvxtool: inspect and edit KVX and CKVX channel database files"};
    app.require_subcommand(1);

    std::string file;
    auto* info = app.add_subcommand("info", "Print the version, form, stamp and counts of FILE as JSON");
    info->add_option("FILE", file, "Database file (.KVX or .CKVX)")->required();

    std::string encoding = "ISO-8859-1";
    auto* dump = app.add_subcommand("dump", "Print the whole database of FILE as JSON");
    dump->add_option("FILE", file, "Database file (.KVX or .CKVX)")->required();
    dump->add_option("--encoding", encoding, "Code page the names are decoded with")->capture_default_str();

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e);
    }
    if (*info)
        return runInfo(file);
    if (*dump)
        return runDump(file, encoding);
    return 1;
}
