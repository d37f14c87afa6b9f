#pragma once

#include <string>

namespace kvx {

// Where an import sends the messages the user is to see while it runs. The program shows each in a
// message box captioned "KVXEdit" and goes on when it is closed; tests and the command-line tool
// collect them.
class NoticeSink {
public:
    virtual ~NoticeSink() = default;
    virtual void notice(const std::string& text) = 0;
};

} // namespace kvx
