// What every kvxtool command shares: exit statuses, messages, standard input and output, --force.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

#include "clitest.h"
#include "db/kvximage.h"
#include "import/transponderlimit.h"
#include "support/importfixtures.h"
#include "support/sampledatabase.h"

using namespace kvx;
using nlohmann::json;

using test::contentOf;
using test::quoted;

namespace {

const std::string kTool = std::string("'") + KVXTOOL_PATH + "'";

} // namespace

TEST(KvxtoolConventions, EveryFailureHasItsStatusAndNamesWhatFailed)
{
    test::TempDir dir;
    const std::string db = test::writeSample(dir, test::makeVariedDatabase(1, FLAG_TP_EXTRA), "db.kvx");
    const std::string sdx = dir.file("list.sdx");
    test::writeFile(sdx, "x", 1);
    ASSERT_EQ(test::runKvxtool("lh5 compress " + quoted(db) + " " + quoted(dir.file("s.lzh"))).exitCode, 0);
    const std::string cut = dir.file("cut.ckvx");
    ASSERT_EQ(test::runKvxtool("convert " + quoted(db) + " " + quoted(cut) + " --compressed").exitCode, 0);
    std::filesystem::resize_file(cut, std::filesystem::file_size(cut) * 2 / 3);
    const std::string before = contentOf(db);
    const struct {
        std::string arguments;
        int exitCode;
        std::string pattern;
    } cases[] = {
        {"bogus", 64, "kvxtool: unknown command 'bogus' .*"},
        {"lh5 bogus a b", 64, "kvxtool: unknown command 'lh5 bogus' .*"},
        {"", 64, "kvxtool: A subcommand is required .*"},
        {"delete " + quoted(db) + " --network -1", 64, "kvxtool: --network: .*-1.*"},
        {"import-sdx " + quoted(db) + " --network -1 " + quoted(sdx), 64, "kvxtool: --network: .*"},
        {"sort-transponders " + quoted(db) + " --network 300", 64, "kvxtool: --network: .*"},
        {"info " + quoted(db) + " --bogus", 64, "kvxtool: .*--bogus.*"},
        {"dump " + quoted(db) + " --encoding UTF-8", 64,
         "kvxtool: --encoding: 'UTF-8' is not a single-byte .*"},
        {"diff " + quoted(db) + " " + quoted(db) + " --encoding UTF-16", 64, "kvxtool: --encoding: .*"},
        {"stamp " + quoted(db) + " --date 2009-02-30", 64, "kvxtool: --date: .*"},
        {"sort-networks -", 64, "kvxtool: \\(standard input\\): A file changed in place must be named.*"},
        {"diff - -", 64, "kvxtool: \\(standard input\\): Only one of A and B .*"},
        {"info " + quoted(dir.file("missing.kvx")), 6, "kvxtool: .*/missing.kvx: No file found"},
        {"new " + quoted(dir.file("no/dir.kvx")) + " --model sat", 8,
         "kvxtool: .*/no/dir.kvx: Creating file failed: No such file or directory"},
        {"new " + quoted(db + "/x.kvx") + " --model sat", 8,
         "kvxtool: .*/db.kvx/x.kvx: Creating file failed: Not a directory"},
        {"info " + quoted(sdx), 9, "kvxtool: .*/list.sdx: Invalid KVX format"},
        {"info " + quoted(cut), 20,
         "kvxtool: .*/cut.ckvx: The file's compressed data is damaged or truncated"},
        {"info - < /dev/zero", 9, "kvxtool: \\(standard input\\): Invalid KVX format"}, // the size limit
        {"info " + quoted(dir.path().string()), 14, "kvxtool: .*: This is a folder, not a file"},
        {"dump /dev/null", 16, "kvxtool: /dev/null: This is a device, not a file"},
        {"delete " + quoted(db) + " --program 99", 65, "kvxtool: .*/db.kvx: No program at position 99"},
        {"delete " + quoted(db) + " --transponder 99", 65,
         "kvxtool: .*/db.kvx: No transponder at position 99"},
        {"new " + quoted(db) + " --model sat", 73,
         "kvxtool: .*/db.kvx: The file exists; use --force to replace it"},
        {"convert " + quoted(db) + " " + quoted(db), 73, "kvxtool: .*/db.kvx: The file exists; .*"},
        {"lh5 compress " + quoted(db) + " " + quoted(db), 73, "kvxtool: .*/db.kvx: The file exists; .*"},
        {"lh5 expand " + quoted(dir.file("s.lzh")) + " " + quoted(db), 73,
         "kvxtool: .*/db.kvx: The file exists; .*"},
        {"export " + quoted(db) + " --output " + quoted(db), 73, "kvxtool: .*/db.kvx: The file exists; .*"},
        {"info " + quoted(db) + " >/dev/full", 74, "kvxtool: \\(standard output\\): Write error .*"},
        {"dump " + quoted(db) + " >/dev/full", 74, "kvxtool: \\(standard output\\): Write error .*"},
        {"convert " + quoted(db) + " - >/dev/full", 74, "kvxtool: \\(standard output\\): Write error .*"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        // A group, so that the command's own output redirection is the one that counts.
        const std::string arguments = c.arguments.find(">/dev/full") == std::string::npos
                                          ? c.arguments
                                          : "--version >/dev/null; { " + kTool + " " + c.arguments + "; }";
        test::expectFailure(test::runKvxtool(arguments), c.exitCode, c.pattern);
    }
    EXPECT_EQ(contentOf(db), before);
}

TEST(KvxtoolConventions, VersionAndHelp)
{
    auto result = test::runKvxtool("--version");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(std::regex_match(result.out, std::regex("[0-9]+\\.[0-9]+\\.[0-9]+\n"))) << result.out;

    result = test::runKvxtool("--help");
    EXPECT_EQ(result.exitCode, 0);
    for (const char* text : {"Exit status:", "  64 ", "  73 ", "  74 ", "'-' is standard input"})
        EXPECT_NE(result.out.find(text), std::string::npos) << text;
    result = test::runKvxtool("dump --help");
    EXPECT_NE(result.out.find("WINDOWS-1251"), std::string::npos);
    EXPECT_NE(result.out.find("KOI8-U"), std::string::npos);
}

TEST(KvxtoolConventions, StandardInputOutputAndPipes)
{
    test::TempDir dir;
    const std::string db = test::writeSample(dir, test::makeVariedDatabase(1, FLAG_TP_EXTRA), "db.kvx");
    const json info = json::parse(test::runKvxtool("info " + quoted(db)).out);

    // A database through a pipe, out and in again, in both forms.
    auto result =
        test::runKvxtool("convert - - --compressed --keep-stamp < " + quoted(db) + " | " + kTool + " info -");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    json piped = json::parse(result.out);
    EXPECT_EQ(piped["compressed"], true);
    EXPECT_EQ(piped["programs"], info["programs"]);
    EXPECT_EQ(piped["stamp"], info["stamp"]);
    result = test::runKvxtool("new - --model combo | " + kTool + " info -");
    EXPECT_EQ(json::parse(result.out)["networks"], 65);

    // A named pipe is read like a file.
    const std::string fifo = dir.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&] { std::ofstream(fifo, std::ios::binary) << contentOf(db); });
    result = test::runKvxtool("info " + quoted(fifo));
    writer.join();
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, test::runKvxtool("info " + quoted(db)).out);

    // LH5 streams both ways through pipes, and diff with one side from standard input.
    result = test::runKvxtool("lh5 compress - - < " + quoted(db) + " | " + kTool + " lh5 expand - -");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, contentOf(db));
    EXPECT_EQ(test::runKvxtool("diff - " + quoted(db) + " < " + quoted(db)).exitCode, 0);

    // An import file from standard input.
    const std::string sdx =
        test::sdxLine({.name = "Eutelsat 7A", .frequency = "010721", .polarisation = "1"});
    test::writeFile(dir.file("list.sdx"), sdx.data(), sdx.size());
    result =
        test::runKvxtool("import-sdx " + quoted(db) + " --network 1 - < " + quoted(dir.file("list.sdx")));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(json::parse(result.out)["added"], 1);
}

TEST(KvxtoolConventions, ForceReplacesAndKeepStampKeeps)
{
    test::TempDir dir;
    ChannelDatabase dated = test::makeVariedDatabase(1, FLAG_TP_EXTRA);
    const std::string db = test::writeSample(dir, dated, "db.kvx");
    const json stamp = json::parse(test::runKvxtool("info " + quoted(db)).out)["stamp"];
    ASSERT_EQ(stamp["form"], "date");

    for (const std::string& command :
         {"sort-networks " + quoted(db), "sort-transponders " + quoted(db) + " --network 0",
          "delete " + quoted(db) + " --program 0"}) {
        SCOPED_TRACE(command);
        ASSERT_EQ(test::runKvxtool(command + " --keep-stamp").exitCode, 0);
        EXPECT_EQ(json::parse(test::runKvxtool("info " + quoted(db)).out)["stamp"], stamp);
    }
    ASSERT_EQ(test::runKvxtool("sort-networks " + quoted(db)).exitCode, 0);
    EXPECT_NE(json::parse(test::runKvxtool("info " + quoted(db)).out)["stamp"], stamp);

    // --force replaces the file; nothing else is left in the folder.
    auto result = test::runKvxtool("new " + quoted(db) + " --model combo --force");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(json::parse(test::runKvxtool("info " + quoted(db)).out)["networks"], 65);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(KvxtoolConventions, AnImportThatFillsTheListIsPartial)
{
    test::TempDir dir;
    ChannelDatabase full = test::makeEmptyModel(1, 0); // the smallest records: a full list fits a file
    while (full.transponders.size() + 1 < MAX_TRANSPONDER_COUNT)
        full.transponders.append(
            TpInfo::create(0, static_cast<uint16_t>(10000 + full.transponders.size() % 2000), 0));
    const std::string db = test::writeSample(dir, std::move(full), "full.kvx");
    const std::string sdx = test::sdxLine({.frequency = "010721", .polarisation = "1"}) + "\r\n" +
                            test::sdxLine({.frequency = "011721", .polarisation = "0"});
    test::writeFile(dir.file("list.sdx"), sdx.data(), sdx.size());
    const auto result =
        test::runKvxtool("import-sdx " + quoted(db) + " --network 1 " + quoted(dir.file("list.sdx")));
    EXPECT_EQ(result.exitCode, 3) << result.err;
    EXPECT_EQ(json::parse(result.out)["added"], 1);
    EXPECT_NE(result.err.find("kvxtool: " + dir.file("list.sdx") + ": The transponder list is full"),
              std::string::npos)
        << result.err;
}
