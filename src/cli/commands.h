#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "base/status.h"

namespace kvx::cli {

// kvxtool's exit statuses. File problems exit with the database's status code (6 no file, 8 creating
// failed, 9 invalid format, ...), the same in every command; the others are these.
enum Exit : int {
    ExitOk = 0,
    ExitDiffer = 1,         // diff: the databases differ
    ExitPartial = 3,        // an import done in part: the transponder list is full
    ExitIncompressible = 4, // lh5 compress: the input does not compress; no stream written
    ExitUsage = 64,         // the command line is wrong (unknown command or option, value out of range, ...)
    ExitNoRecord = 65,      // the file has no such network slot, transponder or program
    ExitOutputExists = 73,  // OUT exists and --force was not given
    ExitWriteFailed = 74,   // writing standard output failed
};

// The table `kvxtool --help` ends with.
std::string exitStatusHelp();

// Each group of kvxtool commands registers its subcommands and the code that runs them. A command's
// callback stores its exit status in `exitCode`.
void addInspectCommands(CLI::App& app, int& exitCode);
void addLh5Commands(CLI::App& app, int& exitCode);
void addEditCommands(CLI::App& app, int& exitCode);
void addImportCommands(CLI::App& app, int& exitCode);
void addExportCommands(CLI::App& app, int& exitCode);
void addCheckCommands(CLI::App& app, int& exitCode);
void addScanCommands(CLI::App& app, int& exitCode);

// How a path is named in messages: "-" is "(standard input)" or "(standard output)".
std::string inputName(const std::string& path);
std::string outputName(const std::string& path);

// Prints "kvxtool: NAME: message" on standard error and returns `exit`.
int report(const std::string& name, const std::string& message, int exit);
// Prints "kvxtool: message" on standard error and returns `exit`.
int report(const std::string& message, int exit);

// A failure to read the input `path` (a file or "-"): the outcome's message, which gives the system's
// reason where it had one. Returns the status.
int failInput(const std::string& path, const Outcome& outcome);
// A failure to create or replace `path`: the outcome's message, likewise. Returns the status.
int failOutput(const std::string& path, const Outcome& outcome);

// Reads an input file whole: "-" is standard input; a pipe is read to its end, with the same limit as
// a file (StatusBadFormat above `maxSize`); folders, devices and sockets are refused for what they are.
Outcome readInput(const std::string& path, std::vector<uint8_t>& bytes, std::size_t maxSize);

// Writes OUT: "-" is standard output (ExitWriteFailed when it cannot be written); a file is replaced
// only with `force` (else ExitOutputExists) and written beside and renamed into place, so that nothing
// is left behind on failure. Prints the message and returns the exit status.
int writeOutput(const std::string& path, std::span<const uint8_t> bytes, bool force);

// Refuses "-" for a file a command changes in place; returns 0 when the path is a file name.
int checkInPlacePath(const std::string& path);

// Gives a command that reads a database file the option to read one whose compressed data is damaged.
void addIgnoreChecksumFlag(CLI::App& command, bool& ignoreChecksum);
// Gives a command that creates OUT the option to replace an existing file.
void addForceFlag(CLI::App& command, bool& force);
// Gives a command that saves a database the option to keep its stamp instead of today's date.
void addKeepStampFlag(CLI::App& command, bool& keepStamp);
// --encoding: a single-byte code page by name or Windows number (1251, 28595); the option's value
// becomes the code page's name.
void addEncodingOption(CLI::App& command, std::string& encoding, const std::string& help);

} // namespace kvx::cli
