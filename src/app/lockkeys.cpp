#include "app/lockkeys.h"

#include <filesystem>
#include <fstream>

namespace kvx {

namespace {

namespace fs = std::filesystem;

bool endsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool ledIsOn(const fs::path& led)
{
    std::ifstream in(led / "brightness");
    int brightness = 0;
    return (in >> brightness) && brightness > 0;
}

} // namespace

LockKeyState readLockKeys(const std::string& ledsRoot)
{
    LockKeyState state;
    std::error_code error;
    // Several keyboards may each have their LEDs; a key is on when any of them says so.
    for (const fs::directory_entry& entry : fs::directory_iterator(ledsRoot, error)) {
        const std::string name = entry.path().filename().string();
        if (endsWith(name, "::capslock"))
            state.capsLock |= ledIsOn(entry.path());
        else if (endsWith(name, "::numlock"))
            state.numLock |= ledIsOn(entry.path());
        else if (endsWith(name, "::scrolllock"))
            state.scrollLock |= ledIsOn(entry.path());
    }
    return state;
}

bool lockKeysReadable(const std::string& ledsRoot)
{
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(ledsRoot, error)) {
        const std::string name = entry.path().filename().string();
        if (endsWith(name, "::capslock") || endsWith(name, "::numlock") || endsWith(name, "::scrolllock"))
            return true;
    }
    return false;
}

} // namespace kvx
