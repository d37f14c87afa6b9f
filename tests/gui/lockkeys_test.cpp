#include <filesystem>
#include <fstream>

#include <QLabel>
#include <QStatusBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/lockkeys.h"
#include "framefixture.h"

using namespace kvx;

namespace {

void writeLed(const QTemporaryDir& root, const std::string& name, int brightness)
{
    const std::filesystem::path led = std::filesystem::path(root.path().toStdString()) / name;
    std::filesystem::create_directories(led);
    std::ofstream(led / "brightness") << brightness << "\n";
}

} // namespace

TEST(LockKeys, ReadFromTheKeyboardLeds)
{
    QTemporaryDir root;
    EXPECT_FALSE(lockKeysReadable(root.path().toStdString()));
    writeLed(root, "input3::capslock", 1);
    writeLed(root, "input3::numlock", 0);
    writeLed(root, "input3::scrolllock", 0);
    writeLed(root, "input7::numlock", 1); // a second keyboard
    writeLed(root, "phy0-led", 1);
    EXPECT_TRUE(lockKeysReadable(root.path().toStdString()));
    EXPECT_EQ(readLockKeys(root.path().toStdString()), (LockKeyState{true, true, false}));
}

TEST(LockKeys, MissingFolderReadsAsAllOff)
{
    EXPECT_EQ(readLockKeys("/nonexistent/leds"), LockKeyState{});
    EXPECT_FALSE(lockKeysReadable("/nonexistent/leds"));
}

using StatusPanesTest = kvx::test::FrameFixture;

TEST_F(StatusPanesTest, LockPanesShowTheirKeyOnlyWhileItIsOn)
{
    frame->showLockKeys({true, false, true});
    EXPECT_EQ(frame->statusBar()->findChild<QLabel*>("CAPPane")->text(), "CAP");
    EXPECT_EQ(frame->statusBar()->findChild<QLabel*>("NUMPane")->text(), "");
    EXPECT_EQ(frame->statusBar()->findChild<QLabel*>("SCRLPane")->text(), "SCRL");
}
