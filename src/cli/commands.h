#pragma once

#include <CLI/CLI.hpp>

namespace kvx::cli {

// Each group of kvxtool commands registers its subcommands and the code that runs them. A command's
// callback stores its exit status in `exitCode`: 0 on success, else the status code of the failure.
void addInspectCommands(CLI::App& app, int& exitCode);
void addLh5Commands(CLI::App& app, int& exitCode);
void addEditCommands(CLI::App& app, int& exitCode);
void addImportCommands(CLI::App& app, int& exitCode);
void addExportCommands(CLI::App& app, int& exitCode);

// Prints the status message on standard error and returns the status as exit code.
int fail(int status);

// Gives a command that reads a database file the option to read one whose compressed data is damaged.
void addIgnoreChecksumFlag(CLI::App& command, bool& ignoreChecksum);

} // namespace kvx::cli
