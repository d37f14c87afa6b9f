// kvxtool: the editor's command-line companion for scripting and inspecting database files.
#include "cli/commands.h"

int main(int argc, char** argv)
{
    CLI::App app{"kvxtool: inspect and edit KVX and CKVX channel database files"};
    app.require_subcommand(1);
    int exitCode = 0;
    kvx::cli::addInspectCommands(app, exitCode);
    kvx::cli::addLh5Commands(app, exitCode);
    kvx::cli::addEditCommands(app, exitCode);
    kvx::cli::addImportCommands(app, exitCode);
    kvx::cli::addExportCommands(app, exitCode);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e);
    }
    return exitCode;
}
