#pragma once

#include <QPointer>
#include <QWidget>

#include "ui/prompter.h"

namespace kvx {

// The program's Prompter: QMessageBox and QFileDialog, parented to the main window.
class QtPrompter final : public Prompter {
public:
    void setParentWidget(QWidget* parent) { parent_ = parent; }

    PromptAnswer askYesNoCancel(const QString& text) override;
    PromptAnswer askYesNo(const QString& text, PromptIcon icon) override;
    PromptAnswer askRetryCancel(const QString& text, PromptIcon icon) override;
    void showMessage(const QString& text, PromptIcon icon) override;
    std::optional<QString> chooseOpenFile(const FileDialogSpec& request) override;
    std::optional<SaveFileChoice> chooseSaveFile(const FileDialogSpec& request) override;

private:
    QPointer<QWidget> parent_;
};

} // namespace kvx
