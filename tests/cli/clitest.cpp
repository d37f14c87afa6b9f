#include "clitest.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <sys/wait.h>

#include "db/tables.h"
#include "support/sampledatabase.h"

namespace kvx::test {

namespace {

std::string readAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "kvxtest-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string writeSample(const TempDir& dir, ChannelDatabase db, const std::string& name)
{
    const auto image = imageOf(db);
    const std::string path = dir.file(name);
    writeFile(path, image.data(), image.size());
    return path;
}

ChannelDatabase plantedDatabase(bool emptyTransponder)
{
    ChannelDatabase db = makeVariedDatabase(2, FLAG_PROG_CA);
    TpInfo copy = db.transponders[2];
    copy.frequency = 11076;
    copy.tpFlags = 0;
    db.transponders.append(copy);
    if (emptyTransponder) {
        copy.frequency = 12600;
        db.transponders.append(copy);
    }
    ProgInfo only = ProgInfo::create(5, 500);
    only.name = "Only here";
    db.programs.append(only);
    db.programs.append(db.programs[2]);
    db.favourites[0].tvList.push_back(2);
    return db;
}

void writeFile(const std::string& path, const void* data, std::size_t size)
{
    std::ofstream out(path, std::ios::binary);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
}

std::string contentOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string quoted(const std::string& text)
{
    return "'" + text + "'";
}

void expectFailure(const CommandResult& result, int exitCode, const std::string& pattern)
{
    EXPECT_EQ(result.exitCode, exitCode) << result.err;
    EXPECT_TRUE(std::regex_match(result.err, std::regex(pattern + "\n")))
        << result.err << "does not match " << pattern;
    EXPECT_TRUE(result.out.empty()) << result.out;
}

CommandResult runKvxtool(const std::string& arguments)
{
    TempDir dir;
    const auto out = dir.path() / "out";
    const auto err = dir.path() / "err";
    const std::string command = std::string("'") + KVXTOOL_PATH + "' " + arguments + " >'" + out.string() +
                                "' 2>'" + err.string() + "'";
    const int raw = std::system(command.c_str());
    CommandResult result;
    result.exitCode = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = readAll(out);
    result.err = readAll(err);
    return result;
}

} // namespace kvx::test
