#pragma once

namespace kvx {

class Prompter;
class DialogFactory;
class Clock;

// What the main window needs from outside: message boxes and file dialogs, modal dialogs and today's
// date. The program passes the real ones, tests their own. None is owned.
struct AppServices {
    Prompter& prompter;
    DialogFactory& dialogs;
    const Clock& clock;
};

} // namespace kvx
