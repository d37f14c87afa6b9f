#pragma once

#include <filesystem>
#include <string>

#include "db/channeldatabase.h"

namespace kvx::test {

struct CommandResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs kvxtool with the arguments (each shell-quoted) and captures its output.
CommandResult runKvxtool(const std::string& arguments);

// Expects the command to have failed with `exitCode`, printing one line on standard error that matches
// `pattern` (an ECMAScript regular expression for the whole line, without its line end) and nothing on
// standard output.
void expectFailure(const CommandResult& result, int exitCode, const std::string& pattern);

// A fresh folder under the system's temporary directory, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// Writes the database's image to the file `name` in `dir`; returns the file's path.
std::string writeSample(const TempDir& dir, ChannelDatabase db, const std::string& name = "db.kvx");
// The varied sample of two networks with what check finds and clean removes: a copy of transponder 2
// (11074 R) at 11076 V holding a program of its own, a copy of program 2 on transponder 2 and a second
// favourite entry for program 2; with `emptyTransponder`, also a transponder without programs.
ChannelDatabase plantedDatabase(bool emptyTransponder);
// Writes bytes to a file.
void writeFile(const std::string& path, const void* data, std::size_t size);
// The bytes of a file; empty when it cannot be read.
std::string contentOf(const std::string& path);
// The text in single quotes, as one word of a command line (paths here hold no quote).
std::string quoted(const std::string& text);

} // namespace kvx::test
