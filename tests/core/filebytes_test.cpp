#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include "db/fileops.h"

using namespace kvx;
namespace fs = std::filesystem;

namespace {

constexpr int kStillBlocked = -1;

// Opens the path in a child process, so that an open that waits fails the test instead of hanging it.
int openStatusInChild(const std::string& path)
{
    const pid_t child = fork();
    if (child == 0) {
        ChannelDatabase db;
        _exit(openDatabase(db, path));
    }
    for (int tries = 0; tries < 500; ++tries) {
        int raw = 0;
        if (waitpid(child, &raw, WNOHANG) == child)
            return WIFEXITED(raw) ? WEXITSTATUS(raw) : -2;
        usleep(10'000);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return kStillBlocked;
}

void bindSocket(const std::string& path)
{
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof(address.sun_path));
    path.copy(address.sun_path, path.size());
    ASSERT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
    close(fd);
}

} // namespace

TEST(OpenSpecialFiles, AreRefusedWithTheirKindAndWithoutWaiting)
{
    std::string pattern = (fs::temp_directory_path() / "kvxspecial-XXXXXX").string();
    const fs::path folder = mkdtemp(pattern.data());
    const std::string fifo = (folder / "list.kvx").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string socket = (folder / "s.kvx").string();
    bindSocket(socket);

    const struct {
        std::string path;
        Status expected;
        const char* message;
    } cases[] = {
        {fifo, StatusIsFifo, "This is a FIFO (named pipe), not a file"},
        {folder.string(), StatusIsFolder, "This is a folder, not a file"},
        {"/dev/null", StatusIsDevice, "This is a device, not a file"},
        {socket, StatusIsSocket, "This is a socket, not a file"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(openStatusInChild(c.path), c.expected) << c.path;
        EXPECT_EQ(statusMessage(c.expected), c.message);
    }
    fs::remove_all(folder);
}
