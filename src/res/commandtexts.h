#pragma once

#include <span>

#include "res/commandids.h"

namespace kvx {

// What the user sees of one command: the menu text, the prompt shown in the status bar while the item
// is highlighted (the part after '\n' is the toolbar button's tooltip), the shortcut and the icon.
struct CommandText {
    CommandId id;
    const char* text;     // menu item text with its '&' mnemonic
    const char* prompt;   // "status prompt\ntooltip"
    const char* shortcut; // portable key sequence text, or ""
    const char* icon;     // resource path of the toolbar image, or ""
};

// The text of a command; nullptr for an identifier without one.
const CommandText* commandText(CommandId id);

// Menus and toolbar as identifier lists; ID_NONE stands for a separator (or a gap in the toolbar).
std::span<const CommandId> fileMenuLayout();
std::span<const CommandId> editMenuLayout();
std::span<const CommandId> viewMenuLayout();
std::span<const CommandId> satelliteMenuLayout();
std::span<const CommandId> transponderMenuLayout();
std::span<const CommandId> programMenuLayout();
std::span<const CommandId> helpMenuLayout();
std::span<const CommandId> toolBarLayout();
// Commands reached only by keys and context menus.
std::span<const CommandId> keyCommandLayout();

// A key of the accelerator table that runs a command without being that command's own shortcut.
struct Accelerator {
    const char* key; // portable key sequence text
    CommandId id;    // the command it runs; one without a handler makes the key do nothing
};
std::span<const Accelerator> acceleratorTable();

} // namespace kvx
