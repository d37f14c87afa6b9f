#pragma once

#include "panels/editapplier.h"

namespace kvx {

class Prompter;
struct ChannelDatabase;

// Applying edits inside the running program: questions and messages through the prompter, the move
// between the channel lists through the database's editing operations.
class PromptedApplyHost : public ApplyHost {
public:
    PromptedApplyHost(Prompter& prompter, ChannelDatabase& database);

    ApplyAnswer askApply(const std::string& question) override;
    void reportInvalid(const std::string& message) override;
    void changeProgramType(const ProgInfo& stored) override;

private:
    Prompter& prompter_;
    ChannelDatabase& database_;
};

} // namespace kvx
