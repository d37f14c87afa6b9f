// The application object as main() makes it. The GUI suite names its own QApplication, so the names the
// program gives its settings are checked here, in a process that starts the program's way.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <QSettings>
#include <gtest/gtest.h>

#include "app/appsettings.h"
#include "app/kvxeditapp.h"
#include "app/lyngsatsite.h"

namespace {

std::string configHome;

std::string settingsFile()
{
    return configHome + "/Quellor/KVXEdit.conf";
}

std::string readAll(const std::string& path)
{
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(StartUpTest, SettingsAreReadFromAndWrittenToTheDocumentedFile)
{
    // A site set by hand in the file is the one the LyngSat update goes to.
    std::filesystem::create_directories(configHome + "/Quellor");
    std::ofstream(settingsFile()) << "[LyngSat]\nsiteAddress=http://127.0.0.1:8080/\n";
    EXPECT_EQ(QSettings().fileName().toStdString(), settingsFile());
    EXPECT_EQ(kvx::lyngSatSite(), "http://127.0.0.1:8080");

    kvx::appsettings::setNameEncoding(QStringLiteral("WINDOWS-1251"));
    QSettings().sync();
    EXPECT_NE(readAll(settingsFile()).find("nameEncoding=WINDOWS-1251"), std::string::npos);
}

} // namespace

int main(int argc, char** argv)
{
    std::string pattern = "/tmp/kvxstartup-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr)
        return 1;
    configHome = pattern;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", configHome.c_str(), 1);
    int result = 0;
    {
        kvx::CKVXEditApp app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    std::error_code ignored;
    std::filesystem::remove_all(configHome, ignored);
    return result;
}
