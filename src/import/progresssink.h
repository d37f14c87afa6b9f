#pragma once

#include <string>

namespace kvx {

// Where a long import reports how far it has come. The program shows it in the status bar; tests and
// the command-line tool record it or ignore it.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void setText(const std::string& text) = 0;
    virtual void setRange(int upper) = 0;
    virtual void step() = 0;
};

// A sink for callers that show no progress.
class NullProgressSink final : public ProgressSink {
public:
    void setText(const std::string&) override {}
    void setRange(int) override {}
    void step() override {}
};

} // namespace kvx
