#include <cstdlib>
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
    return made != nullptr ? std::string(made) : std::string("/tmp");
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("XDG_CONFIG_HOME", makeTempDir("kvxgui-config-").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", makeTempDir("kvxgui-runtime-").c_str(), 1);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quellor"));
    QApplication::setApplicationName(QStringLiteral("KVXEdit"));
    kvx::initResources();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
