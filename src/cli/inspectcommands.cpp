#include <iostream>

#include "cli/commands.h"
#include "cli/databasejson.h"
#include "cli/diffjson.h"
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

struct DiffArguments {
    std::string before;
    std::string after;
    std::string encoding = "ISO-8859-1";
    bool text = false;
    bool ignoreChecksum = false;
};

// 0 when the two databases are equal, 1 when they differ, else the status of the failure.
int runDiff(const DiffArguments& args)
{
    if (!NameEncoding::isSupported(args.encoding)) {
        std::cerr << "Unknown encoding: " << args.encoding << '\n';
        return 1;
    }
    ChannelDatabase before;
    ChannelDatabase after;
    if (const int status = loadDatabaseFile(args.before, before, args.ignoreChecksum); status != StatusOk)
        return fail(status);
    if (const int status = loadDatabaseFile(args.after, after, args.ignoreChecksum); status != StatusOk)
        return fail(status);
    const DatabaseDiff diff = compareDatabases(before, after);
    const NameEncoding encoding(args.encoding);
    if (args.text)
        std::cout << diffText(diff, encoding);
    else
        std::cout << diffJson(diff, encoding).dump() << '\n';
    return diff.empty() ? 0 : 1;
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

    auto args = std::make_shared<DiffArguments>();
    auto* diff = app.add_subcommand("diff", "Compare two databases; exit 0 when equal, 1 when they differ");
    diff->add_option("A", args->before, "The database before")->required();
    diff->add_option("B", args->after, "The database after")->required();
    diff->add_flag("--text", args->text, "Print a readable summary instead of JSON");
    diff->add_option("--encoding", args->encoding, "Code page the names are decoded with")
        ->capture_default_str();
    addIgnoreChecksumFlag(*diff, args->ignoreChecksum);
    diff->callback([args, &exitCode] { exitCode = runDiff(*args); });
}

} // namespace kvx::cli
