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
    if (const int exit = loadDatabaseFile(path, db, ignoreChecksum); exit != 0)
        return exit;
    std::cout << databaseInfoJson(db).dump() << '\n';
    return 0;
}

struct DumpArguments {
    std::string file;
    std::string encoding = "ISO-8859-1";
    bool compact = false;
    bool ignoreChecksum = false;
};

int runDump(const DumpArguments& args)
{
    ChannelDatabase db;
    if (const int exit = loadDatabaseFile(args.file, db, args.ignoreChecksum); exit != 0)
        return exit;
    const NameEncoding encoding(args.encoding);
    std::cout << databaseDumpJson(db, encoding).dump(args.compact ? -1 : 2) << '\n';
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
    if (args.before == "-" && args.after == "-")
        return report("(standard input)", "Only one of A and B can be standard input", ExitUsage);
    ChannelDatabase before;
    ChannelDatabase after;
    if (const int exit = loadDatabaseFile(args.before, before, args.ignoreChecksum); exit != 0)
        return exit;
    if (const int exit = loadDatabaseFile(args.after, after, args.ignoreChecksum); exit != 0)
        return exit;
    const DatabaseDiff diff = compareDatabases(before, after);
    const NameEncoding encoding(args.encoding);
    if (args.text)
        std::cout << diffText(diff, encoding);
    else
        std::cout << diffJson(diff, encoding).dump() << '\n';
    return diff.empty() ? ExitOk : ExitDiffer;
}

} // namespace

void addInspectCommands(CLI::App& app, int& exitCode)
{
    auto file = std::make_shared<std::string>();
    auto ignoreChecksum = std::make_shared<bool>(false);

    auto* info = app.add_subcommand("info", "Print the version, form, stamp and counts of FILE as JSON");
    info->add_option("FILE", *file, "Database file (.KVX or .CKVX; - for standard input)")->required();
    addIgnoreChecksumFlag(*info, *ignoreChecksum);
    info->callback([file, ignoreChecksum, &exitCode] { exitCode = runInfo(*file, *ignoreChecksum); });

    auto dumpArgs = std::make_shared<DumpArguments>();
    auto* dump = app.add_subcommand("dump", "Print the whole database of FILE as JSON");
    dump->add_option("FILE", dumpArgs->file, "Database file (.KVX or .CKVX; - for standard input)")
        ->required();
    addEncodingOption(*dump, dumpArgs->encoding,
                      "Code page of the names (program names marked with code page 2 are ISO 8859-5)");
    dump->add_flag("--compact", dumpArgs->compact, "Print the JSON on one line");
    addIgnoreChecksumFlag(*dump, dumpArgs->ignoreChecksum);
    dump->callback([dumpArgs, &exitCode] { exitCode = runDump(*dumpArgs); });

    auto args = std::make_shared<DiffArguments>();
    auto* diff = app.add_subcommand("diff", "Compare two databases; exit 0 when equal, 1 when they differ");
    diff->add_option("A", args->before, "The database before (- for standard input)")->required();
    diff->add_option("B", args->after, "The database after (- for standard input)")->required();
    diff->add_flag("--text", args->text, "Print a readable summary instead of JSON");
    addEncodingOption(*diff, args->encoding, "Code page the names are decoded with");
    addIgnoreChecksumFlag(*diff, args->ignoreChecksum);
    diff->callback([args, &exitCode] { exitCode = runDiff(*args); });
}

} // namespace kvx::cli
