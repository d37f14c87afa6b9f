// The application object as main() makes it. The GUI suite names its own QApplication, so the names the
// program gives its settings are checked here, in a process that starts the program's way.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <QAction>
#include <QActionGroup>
#include <QSettings>
#include <gtest/gtest.h>

#include "app/appsettings.h"
#include "app/childview.h"
#include "app/kvxeditapp.h"
#include "app/lyngsatsite.h"
#include "app/mainframe.h"
#include "panels/editbar.h"
#include "support/sampledatabase.h"

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

// What the user left behind is there again when the program starts the next time.
TEST(StartUpTest, TheWindowTheEncodingAndTheRecentFilesComeBack)
{
    auto& app = *static_cast<kvx::CKVXEditApp*>(QApplication::instance());
    ASSERT_TRUE(app.InitInstance());
    kvx::CMainFrame* frame = app.mainFrame();
    const std::string path = configHome + "/recent.kvx";
    kvx::ChannelDatabase db = kvx::test::makeVariedDatabase(1, kvx::FLAG_PROG_CA);
    const std::vector<uint8_t> image = kvx::test::imageOf(db);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    ASSERT_EQ(frame->view()->OpenFile(QString::fromStdString(path)), 0);
    frame->setGeometry(60, 70, 720, 530);
    frame->editBar()->setFloating(true);
    QAction* encoding = frame->encodingActions()->actions().last();
    encoding->trigger();
    const QString chosen = encoding->text();
    ASSERT_TRUE(frame->close());

    ASSERT_TRUE(app.InitInstance());
    frame = app.mainFrame();
    EXPECT_EQ(frame->size(), QSize(720, 530));
    EXPECT_TRUE(frame->editBar()->isFloating());
    EXPECT_EQ(QString::fromStdString(frame->view()->nameEncoding().codePage()), chosen);
    EXPECT_EQ(frame->encodingActions()->checkedAction()->text(), chosen);
    ASSERT_EQ(frame->recentFileActions().size(), 1);
    EXPECT_EQ(frame->recentFileActions()[0]->text(), "&1 " + QString::fromStdString(path));
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
        // The test options are taken out first: the program opens a file named as its argument.
        ::testing::InitGoogleTest(&argc, argv);
        kvx::CKVXEditApp app(argc, argv);
        result = RUN_ALL_TESTS();
    }
    std::error_code ignored;
    std::filesystem::remove_all(configHome, ignored);
    return result;
}
