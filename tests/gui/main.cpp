#include <cstdlib>
#include <filesystem>
#include <string>

#include <QApplication>
#include <gtest/gtest.h>

#include "res/resources.h"

namespace {

// A private, empty folder for the settings and the runtime files of this run.
std::string makeTempDir(const char* prefix)
{
    std::string pattern = std::string("/tmp/") + prefix + "XXXXXX";
    const char* made = mkdtemp(pattern.data());
    return made != nullptr ? std::string(made) : std::string();
}

} // namespace

int main(int argc, char** argv)
{
    const std::string config = makeTempDir("kvxgui-config-");
    const std::string runtime = makeTempDir("kvxgui-runtime-");
    // The tests clear the settings: never let them reach the user's own.
    if (config.empty() || runtime.empty())
        return 1;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    int result = 0;
    {
        QApplication app(argc, argv);
        QApplication::setOrganizationName(QStringLiteral("Quellor"));
        QApplication::setApplicationName(QStringLiteral("KVXEdit"));
        kvx::initResources();
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    std::error_code ignored;
    std::filesystem::remove_all(config, ignored);
    std::filesystem::remove_all(runtime, ignored);
    return result;
}
