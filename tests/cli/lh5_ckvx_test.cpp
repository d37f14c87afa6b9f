#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>

#include "clitest.h"
#include "codec/ckvx.h"
#include "codec/lh5.h"
#include "support/damagedckvx.h"
#include "support/mixeddata.h"
#include "support/sampledatabase.h"

using namespace kvx;
using nlohmann::json;

namespace {

std::vector<uint8_t> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::string quoted(const std::string& s)
{
    return "'" + s + "'";
}

} // namespace

TEST(KvxtoolCompressed, InfoAndDumpExpandCkvxFiles)
{
    test::TempDir dir;
    ChannelDatabase db = test::makeVariedDatabase(2, FLAG_PROG_CA | FLAG_TP_EXTRA | FLAG_PROG_EXTRA);
    const auto image = test::imageOf(db);
    const auto packed = PackCompFile(image);
    ASSERT_EQ(CheckCompFile(packed), StatusCompressed);
    const std::string plainPath = dir.file("db.kvx");
    const std::string packedPath = dir.file("db.ckvx");
    test::writeFile(plainPath, image.data(), image.size());
    test::writeFile(packedPath, packed.data(), packed.size());

    const auto info = test::runKvxtool("info " + quoted(packedPath));
    ASSERT_EQ(info.exitCode, 0) << info.err;
    const json infoJson = json::parse(info.out);
    EXPECT_EQ(infoJson["compressed"], true);
    EXPECT_EQ(infoJson["programs"], 12);

    // The dump of the compressed file equals the plain one's apart from the form, which also marks
    // the layout flags for the next save.
    json packedDump = json::parse(test::runKvxtool("dump " + quoted(packedPath)).out);
    json plainDump = json::parse(test::runKvxtool("dump " + quoted(plainPath)).out);
    EXPECT_EQ(packedDump["compressed"], true);
    EXPECT_EQ(plainDump["compressed"], false);
    EXPECT_EQ(packedDump["layoutFlags"].get<uint32_t>(),
              plainDump["layoutFlags"].get<uint32_t>() | FLAG_COMPRESSED);
    for (const char* key : {"compressed", "layoutFlags"}) {
        packedDump.erase(key);
        plainDump.erase(key);
    }
    EXPECT_TRUE(packedDump == plainDump);
}

TEST(KvxtoolCompressed, DamagedCkvxFileIsRejected)
{
    test::TempDir dir;
    ChannelDatabase db = test::makeLargeDatabase();
    auto packed = PackCompFile(test::imageOf(db));
    packed[packed.size() / 2] ^= 0x5A;
    const std::string path = dir.file("bad.ckvx");
    test::writeFile(path, packed.data(), packed.size());
    const auto result = test::runKvxtool("info " + quoted(path));
    EXPECT_TRUE(result.exitCode == StatusBadFormat || result.exitCode == StatusBadChecksum)
        << result.exitCode;
    EXPECT_NE(result.err, "");
}

TEST(KvxtoolCompressed, DamagedDataIsReadOnlyWithIgnoreChecksum)
{
    test::TempDir dir;
    ChannelDatabase db = test::makeVariedDatabase(2, FLAG_PROG_CA | FLAG_TP_EXTRA | FLAG_PROG_EXTRA);
    const test::DamagedCkvx damaged = test::damagedCkvxOf(db);
    ASSERT_FALSE(damaged.file.empty());
    const std::string path = dir.file("db.ckvx");
    const std::string sdx = dir.file("empty.sdx");
    test::writeFile(sdx, "", 0);
    const std::string file = quoted(path);
    // Every command that reads a database file.
    const std::string commands[] = {"info " + file,
                                    "dump " + file,
                                    "convert " + file + " " + quoted(dir.file("out.kvx")),
                                    "stamp " + file + " --version B002",
                                    "sort-networks " + file,
                                    "sort-transponders " + file + " --network 0",
                                    "delete " + file + " --program 0",
                                    "import-sdx " + file + " --network 0 " + quoted(sdx),
                                    "lyngsat-merge " + file + " --network 0 " + quoted(sdx)};
    for (const std::string& command : commands) {
        SCOPED_TRACE(command);
        test::writeFile(path, damaged.file.data(), damaged.file.size());
        auto result = test::runKvxtool(command);
        test::expectFailure(
            result, StatusDamagedData,
            "kvxtool: .*/db.ckvx: The file's compressed data is damaged \\(checksum mismatch\\); "
            "use --ignore-checksum to read it as it expands anyway");
        EXPECT_EQ(readFile(path), damaged.file);
        result = test::runKvxtool(command + " --ignore-checksum");
        EXPECT_EQ(result.exitCode, 0) << result.err;
    }
}

TEST(KvxtoolLh5, CompressesAndExpandsBareStreams)
{
    test::TempDir dir;
    std::string text;
    for (int i = 0; i < 3000; ++i)
        text += "line " + std::to_string(i % 97) + " of the channel list\n";
    const std::string in = dir.file("in.txt");
    test::writeFile(in, text.data(), text.size());

    auto result = test::runKvxtool("lh5 compress " + quoted(in) + " " + quoted(dir.file("s.lzh")));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto stream = readFile(dir.file("s.lzh"));
    ASSERT_GT(stream.size(), 28u);
    EXPECT_LT(stream.size(), text.size());
    EXPECT_EQ(std::string(stream.begin() + 2, stream.begin() + 7), "-lh5-");

    result = test::runKvxtool("lh5 expand " + quoted(dir.file("s.lzh")) + " " + quoted(dir.file("out.txt")));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto back = readFile(dir.file("out.txt"));
    EXPECT_EQ(std::string(back.begin(), back.end()), text);
}

// A fresh process works in freshly mapped memory that it does not clear; the library here reuses the
// memory of earlier compressions. Both must write the same stream, with one thread and with two.
TEST(KvxtoolLh5, WritesTheStreamTheLibraryWrites)
{
    test::TempDir dir;
    const std::vector<uint8_t> inputs[] = {test::makeMixedData(1024 * 1024), test::makeMixedData(100000)};
    for (const auto& input : inputs) {
        std::vector<uint8_t> expected(input.size() + LH5_STREAM_OVERHEAD);
        expected.resize(Lh5Compress(input, expected));
        ASSERT_FALSE(expected.empty());
        const std::string in = dir.file("in.bin");
        test::writeFile(in, input.data(), input.size());
        const auto result =
            test::runKvxtool("lh5 compress " + quoted(in) + " " + quoted(dir.file("s.lzh")) + " --force");
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_TRUE(readFile(dir.file("s.lzh")) == expected) << input.size();
    }
}

TEST(KvxtoolLh5, ReportsInputsThatDoNotCompressOrAreNoStream)
{
    test::TempDir dir;
    const std::string one = dir.file("one");
    test::writeFile(one, "x", 1);
    auto result = test::runKvxtool("lh5 compress " + quoted(one) + " " + quoted(dir.file("o.lzh")));
    test::expectFailure(result, 4, "kvxtool: .*/one: The input does not compress; no stream written");
    EXPECT_FALSE(std::filesystem::exists(dir.file("o.lzh")));

    const std::string text = "this is not an LHA stream at all, just some text long enough";
    const std::string notStream = dir.file("text");
    test::writeFile(notStream, text.data(), text.size());
    result = test::runKvxtool("lh5 expand " + quoted(notStream) + " " + quoted(dir.file("o")));
    test::expectFailure(result, StatusBadFormat, "kvxtool: .*/text: Not an LH5 stream .*");

    result = test::runKvxtool("lh5 expand " + quoted(dir.file("missing")) + " " + quoted(dir.file("o")));
    test::expectFailure(result, StatusNoFile, "kvxtool: .*/missing: No file found");
}

TEST(KvxtoolLh5, FlagsAStreamWhoseDataFailsItsCrc)
{
    test::TempDir dir;
    std::string text(20000, 'a');
    for (std::size_t i = 0; i < text.size(); i += 7)
        text[i] = static_cast<char>('b' + i % 5);
    const std::string in = dir.file("in");
    test::writeFile(in, text.data(), text.size());
    ASSERT_EQ(test::runKvxtool("lh5 compress " + quoted(in) + " " + quoted(dir.file("s"))).exitCode, 0);
    auto stream = readFile(dir.file("s"));
    stream[22] ^= 0xFF; // the CRC field
    test::writeFile(dir.file("s"), stream.data(), stream.size());
    const auto result = test::runKvxtool("lh5 expand " + quoted(dir.file("s")) + " " + quoted(dir.file("o")));
    // Damaged data is not written: nothing is left behind.
    test::expectFailure(result, StatusDamagedData, "kvxtool: .*/s: CRC mismatch: .*");
    EXPECT_FALSE(std::filesystem::exists(dir.file("o")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2); // in and s only
}
