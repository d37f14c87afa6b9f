#include "platform/processliveness.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <unistd.h>

namespace kvx {

bool processIsGone(long pid)
{
    if (pid <= 0)
        return false;
    if (pid > INT_MAX)
        return true; // beyond any process id the system hands out
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

long currentProcessId()
{
    return static_cast<long>(::getpid());
}

} // namespace kvx
