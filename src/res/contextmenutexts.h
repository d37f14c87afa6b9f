#pragma once

#include <span>

#include "res/commandids.h"

namespace kvx {

// One item of a tree context menu: its own identifier, its text and the main command whose handler it
// runs. ID_NONE stands for a separator.
struct ContextMenuItem {
    CommandId id;
    const char* text;
    CommandId runs;
};

// The popups of the satellite tree's context menu, one per tree level.
std::span<const ContextMenuItem> networkContextMenu();
std::span<const ContextMenuItem> transponderContextMenu();
std::span<const ContextMenuItem> programContextMenu();

} // namespace kvx
