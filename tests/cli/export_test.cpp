#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "clitest.h"
#include "support/sampledatabase.h"

using namespace kvx;

namespace {

std::string writeSample(const test::TempDir& dir)
{
    ChannelDatabase db = test::makeVariedDatabase(2, FLAG_PROG_CA);
    db.programs[0].name = "\xCF\xE5\xF0\xE2\xFB\xE9"; // "Первый" in Windows-1251
    const auto image = test::imageOf(db);
    const std::string path = dir.file("db.kvx");
    test::writeFile(path, image.data(), image.size());
    return path;
}

std::string readText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(KvxtoolExport, WritesTheChosenFormatToStandardOutputOrTheOutputFile)
{
    test::TempDir dir;
    const std::string file = writeSample(dir);
    const struct {
        std::string arguments;
        std::string output; // file the result goes to; standard output when empty
        std::string expected;
    } cases[] = {
        {" --encoding WINDOWS-1251", "", "\r\n1,TV,Первый,Astra 1,11000,V,27500,100,"},
        {" --format csv", "", "\r\n1,TV,\xC3\x8F\xC3\xA5\xC3\xB0\xC3\xA2\xC3\xBB\xC3\xA9,Astra 1,"},
        {" --format html --encoding WINDOWS-1251", "", "<td>Первый</td>"},
        {" --format csv --output '" + dir.file("out.csv") + "'", dir.file("out.csv"), "\r\n9,TV,Prog 10,"},
    };
    for (const auto& c : cases) {
        const auto result = test::runKvxtool("export '" + file + "'" + c.arguments);
        ASSERT_EQ(result.exitCode, 0) << c.arguments << ": " << result.err;
        const std::string text = c.output.empty() ? result.out : readText(c.output);
        EXPECT_NE(text.find(c.expected), std::string::npos) << c.arguments << ":\n" << text;
        if (!c.output.empty()) {
            EXPECT_TRUE(result.out.empty());
        }
    }
}

TEST(KvxtoolExport, RefusesUnknownFormatsEncodingsAndFiles)
{
    test::TempDir dir;
    const std::string file = writeSample(dir);
    const struct {
        std::string arguments;
        int exitCode;
        std::string err;
    } cases[] = {
        {"export '" + file + "' --format json", 64, "kvxtool: --format: Unknown format 'json' .*"},
        {"export '" + file + "' --encoding NOPE", 64, "kvxtool: --encoding: 'NOPE' is not a single-byte .*"},
        {"export '" + dir.file("missing.kvx") + "'", 6, "kvxtool: .*/missing.kvx: No file found"},
        {"export '" + file + "' --output '" + dir.file("no/such/dir.csv") + "'", 8,
         "kvxtool: .*/no/such/dir.csv: Creating file failed: No such file or directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        test::expectFailure(test::runKvxtool(c.arguments), c.exitCode, c.err);
    }
}

} // namespace
