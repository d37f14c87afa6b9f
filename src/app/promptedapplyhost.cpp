#include "app/promptedapplyhost.h"

#include "db/editops.h"
#include "ui/prompter.h"

namespace kvx {

PromptedApplyHost::PromptedApplyHost(Prompter& prompter, ChannelDatabase& database)
        : prompter_(prompter)
        , database_(database)
{}

ApplyAnswer PromptedApplyHost::askApply(const std::string& question)
{
    switch (prompter_.askYesNoCancel(QString::fromStdString(question))) {
    case PromptAnswer::Yes: return ApplyAnswer::Yes;
    case PromptAnswer::No: return ApplyAnswer::No;
    default: return ApplyAnswer::Cancel;
    }
}

void PromptedApplyHost::reportInvalid(const std::string& message)
{
    prompter_.showMessage(QString::fromStdString(message), PromptIcon::Stop);
}

void PromptedApplyHost::changeProgramType(const ProgInfo& stored)
{
    kvx::changeProgramType(database_, stored);
}

} // namespace kvx
