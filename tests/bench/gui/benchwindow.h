#pragma once

#include <QString>

#include "ui/prompter.h"

class QTemporaryDir;

namespace kvx {

struct ChannelDatabase;

namespace bench {

// Nothing in a benchmark asks the user anything but yes-or-no questions; those get `yesNo`, every
// other question ends as cancelled.
class SilentPrompter final : public Prompter {
public:
    explicit SilentPrompter(PromptAnswer yesNo = PromptAnswer::No)
            : yesNo_(yesNo)
    {}
    PromptAnswer askYesNoCancel(const QString&) override { return PromptAnswer::Cancel; }
    PromptAnswer askYesNo(const QString&, PromptIcon) override { return yesNo_; }
    PromptAnswer askRetryCancel(const QString&, PromptIcon) override { return PromptAnswer::Cancel; }
    void showMessage(const QString&, PromptIcon) override {}
    std::optional<QString> chooseOpenFile(const FileDialogSpec&) override { return std::nullopt; }
    std::optional<SaveFileChoice> chooseSaveFile(const FileDialogSpec&) override { return std::nullopt; }

private:
    PromptAnswer yesNo_;
};

// The database as a KVX file named `name` in the folder.
QString writeDatabaseFile(const QTemporaryDir& dir, ChannelDatabase& db, const QString& name);

} // namespace bench
} // namespace kvx
