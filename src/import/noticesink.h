#pragma once

#include <string>

namespace kvx {

// Where an import sends the messages the user is to see. The program shows all of one import together
// in one dialog when it has ended; tests and the command-line tool collect them.
class NoticeSink {
public:
    virtual ~NoticeSink() = default;
    virtual void notice(const std::string& text) = 0;
};

} // namespace kvx
