#include <iostream>

#include "cli/commands.h"
#include "cli/loaddatabase.h"
#include "db/safefile.h"
#include "export/channelexport.h"
#include "platform/nameencoding.h"

namespace kvx::cli {

namespace {

struct ExportOptions {
    std::string file;
    std::string format = "csv";
    std::string output;
    std::string encoding = "ISO-8859-1";
    bool ignoreChecksum = false;
};

std::string titleOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

int runExport(const ExportOptions& options)
{
    const std::optional<ExportFormat> format = exportFormatNamed(options.format);
    if (!format) {
        std::cerr << "Unknown format: " << options.format << " (csv or html)\n";
        return 1;
    }
    if (!NameEncoding::isSupported(options.encoding)) {
        std::cerr << "Unknown encoding: " << options.encoding << '\n';
        return 1;
    }
    ChannelDatabase db;
    if (const int status = loadDatabaseFile(options.file, db, options.ignoreChecksum); status != StatusOk)
        return fail(status);
    const std::string text =
        exportChannelList(db, NameEncoding(options.encoding), *format, titleOf(options.file));
    if (options.output.empty() || options.output == "-") {
        std::cout << text;
        std::cout.flush();
        return std::cout ? 0 : fail(StatusCreateFailed);
    }
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    if (const Status status = replaceFileContent(options.output, {bytes, text.size()}); status != StatusOk)
        return fail(status);
    return 0;
}

} // namespace

void addExportCommands(CLI::App& app, int& exitCode)
{
    auto options = std::make_shared<ExportOptions>();
    auto* command =
        app.add_subcommand("export", "Write the channel list of FILE as CSV or HTML, one row per program");
    command->add_option("FILE", options->file, "Database file (.KVX or .CKVX)")->required();
    command->add_option("--format", options->format, "csv or html")->capture_default_str();
    command->add_option("--output", options->output, "File to write (standard output when not given)");
    command->add_option("--encoding", options->encoding, "Code page the names are decoded with")
        ->capture_default_str();
    addIgnoreChecksumFlag(*command, options->ignoreChecksum);
    command->callback([options, &exitCode] { exitCode = runExport(*options); });
}

} // namespace kvx::cli
