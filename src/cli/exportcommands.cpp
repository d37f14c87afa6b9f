#include <iostream>

#include "cli/commands.h"
#include "cli/loaddatabase.h"
#include "export/channelexport.h"
#include "export/satellitesxmlexport.h"
#include "platform/nameencoding.h"

namespace kvx::cli {

namespace {

// The transponder list of the satellite networks rather than the channel list.
constexpr std::string_view kSatellitesXml = "satellites-xml";

struct ExportOptions {
    std::string file;
    std::string format = "csv";
    std::string output;
    std::string encoding = "ISO-8859-1";
    bool ignoreChecksum = false;
    bool force = false;
};

std::string titleOf(const std::string& path)
{
    if (path == "-")
        return "kvxtool";
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

int runExport(const ExportOptions& options)
{
    ChannelDatabase db;
    if (const int exit = loadDatabaseFile(options.file, db, options.ignoreChecksum); exit != 0)
        return exit;
    const NameEncoding encoding(options.encoding);
    const std::string text =
        options.format == kSatellitesXml
            ? exportSatellitesXml(db, encoding)
            : exportChannelList(db, encoding, *exportFormatNamed(options.format), titleOf(options.file));
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    return writeOutput(options.output.empty() ? "-" : options.output, {bytes, text.size()}, options.force);
}

} // namespace

void addExportCommands(CLI::App& app, int& exitCode)
{
    auto options = std::make_shared<ExportOptions>();
    auto* command =
        app.add_subcommand("export", "Write the channel list of FILE as CSV or HTML, one row per program");
    command->add_option("FILE", options->file, "Database file (.KVX or .CKVX; - for standard input)")
        ->required();
    command
        ->add_option("--format", options->format,
                     "csv or html (the channel list), or satellites-xml (the satellites' transponders)")
        ->check(CLI::Validator(
            [](const std::string& name) {
                return exportFormatNamed(name) || name == kSatellitesXml
                           ? std::string()
                           : "Unknown format '" + name + "' (csv, html or satellites-xml)";
            },
            "FORMAT"))
        ->capture_default_str();
    command->add_option("--output", options->output, "File to write (standard output when not given or -)");
    addEncodingOption(*command, options->encoding, "Code page the names are decoded with");
    addForceFlag(*command, options->force);
    addIgnoreChecksumFlag(*command, options->ignoreChecksum);
    command->callback([options, &exitCode] { exitCode = runExport(*options); });
}

} // namespace kvx::cli
