#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include "codec/ckvx.h"
#include "codec_inputs.h"
#include "db/kvximage.h"
#include "support/sampledatabase.h"

using namespace kvx;
using namespace kvx::test;
namespace fs = std::filesystem;

namespace {

class SaveCompFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "kvx-ckvx-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        path_ = (dir_ / "list.kvx").string();
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    static void write(const std::string& path, const Bytes& bytes)
    {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    static Bytes read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    // Runs SaveCompFile and returns its result together with what it printed on standard error.
    std::pair<int, std::string> save(const std::string& path)
    {
        testing::internal::CaptureStderr();
        const int result = SaveCompFile(path);
        return {result, testing::internal::GetCapturedStderr()};
    }
    std::string temporary() const { return path_ + "_tmp"; }

    fs::path dir_;
    std::string path_;
};

Bytes sampleImage()
{
    ChannelDatabase db = makeVariedDatabase(2, FLAG_PROG_CA | FLAG_TP_EXTRA | FLAG_PROG_EXTRA);
    return imageOf(db);
}

} // namespace

TEST_F(SaveCompFileTest, RewritesThePlainFileAndOpensToTheSameImage)
{
    const Bytes image = sampleImage();
    write(path_, image);
    write(temporary(), Bytes(50, 'x')); // left over from an earlier run
    const auto [result, err] = save(path_);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(err, "");
    EXPECT_FALSE(fs::exists(temporary()));

    const Bytes file = read(path_);
    EXPECT_EQ(file, PackCompFile(image));
    ASSERT_EQ(CheckCompFile(file), StatusCompressed);
    Bytes expanded;
    ASSERT_EQ(ExpandCompFile(file, expanded), StatusOk);
    EXPECT_EQ(expanded, image);
}

TEST_F(SaveCompFileTest, KeepsAnIncompressibleImagePlain)
{
    Bytes image(16, 'H');
    const Bytes noise = randomBytes(3000, 1);
    image.insert(image.end(), noise.begin(), noise.end());
    image.insert(image.end(), {'E', 'N', 'D', 0});
    write(path_, image);
    EXPECT_EQ(save(path_).first, 0);
    EXPECT_EQ(read(path_), image);
    EXPECT_FALSE(fs::exists(temporary()));
}

TEST_F(SaveCompFileTest, MissingFileGivesOneWithoutDebugLine)
{
    EXPECT_EQ(save(path_), std::make_pair(1, std::string()));
    EXPECT_EQ(save(""), std::make_pair(1, std::string()));
    EXPECT_FALSE(fs::exists(path_));
    EXPECT_FALSE(fs::exists(temporary()));
}

TEST_F(SaveCompFileTest, ShortFilesKeepTheirContentAndReportTheStep)
{
    const Bytes tiny(10, 'k');
    write(path_, tiny);
    EXPECT_EQ(save(path_), std::make_pair(2, std::string("SaveCompFile >> ERROR!!(ret = 2)\n")));
    EXPECT_EQ(read(path_), tiny);
    EXPECT_FALSE(fs::exists(temporary()));

    const Bytes noBody(18, 'k'); // the header arrives, a body of 18 - 20 bytes cannot
    write(path_, noBody);
    EXPECT_EQ(save(path_), std::make_pair(3, std::string("SaveCompFile >> ERROR!!(ret = 3)\n")));
    EXPECT_EQ(read(path_), noBody);
    EXPECT_FALSE(fs::exists(temporary()));
}

TEST_F(SaveCompFileTest, UnwritableTemporaryLeavesThePlainFile)
{
    const Bytes image = sampleImage();
    write(path_, image);
    fs::create_directory(temporary()); // the temporary name is taken by a folder
    EXPECT_EQ(save(path_), std::make_pair(1, std::string("SaveCompFile >> ERROR!!(ret = 1)\n")));
    EXPECT_EQ(read(path_), image);
    EXPECT_TRUE(fs::is_directory(temporary())); // not ours to remove
}

TEST_F(SaveCompFileTest, KeepsPermissionsAndSymbolicLinks)
{
    const Bytes image = sampleImage();
    const std::string real = (dir_ / "real.kvx").string();
    write(real, image);
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(real, path_);
    EXPECT_EQ(save(path_).first, 0);
    EXPECT_TRUE(fs::is_symlink(path_));
    EXPECT_EQ(read(real), PackCompFile(image));
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(fs::exists(real + "_tmp"));
}
