#pragma once

namespace kvx {

class Prompter;
class DialogFactory;
class Clock;
class HttpFetcher;

// What the main window needs from outside: message boxes and file dialogs, modal dialogs and today's
// date, and the network for the LyngSat update (none: the program's own). The program passes the real
// ones, tests their own. None is owned.
struct AppServices {
    Prompter& prompter;
    DialogFactory& dialogs;
    const Clock& clock;
    HttpFetcher* http = nullptr;
};

} // namespace kvx
