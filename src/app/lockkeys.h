#pragma once

#include <string>

namespace kvx {

struct LockKeyState {
    bool capsLock = false;
    bool numLock = false;
    bool scrollLock = false;
    bool operator==(const LockKeyState&) const = default;
};

// The lock keys as the keyboard LEDs show them (Linux: /sys/class/leds/<device>::capslock and its
// kin). Where no LED tells, the key reads as off.
LockKeyState readLockKeys(const std::string& ledsRoot = "/sys/class/leds");

// Whether any keyboard LED can be read below the root.
bool lockKeysReadable(const std::string& ledsRoot = "/sys/class/leds");

} // namespace kvx
