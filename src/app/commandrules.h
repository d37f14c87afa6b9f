#pragma once

#include "res/commandids.h"

namespace kvx {

// What the enabling rules of the commands look at.
struct DocumentState {
    int page = 0; // the edit bar's page
    bool terrestrialMode = false;
    bool channelListOpen = false;
    bool editBarVisible = true;
    bool toolBarVisible = true;
    bool statusBarVisible = true;
    bool documentOpen = false; // a database is shown, even one without networks
    bool canUndo = false;
    bool canRedo = false;
};

struct CommandState {
    bool enabled = true;
    bool checkable = false;
    bool checked = false;
};

// Whether a command of the main menu or toolbar is enabled, and its check mark.
CommandState commandState(CommandId id, const DocumentState& state);

} // namespace kvx
