#pragma once

#include <optional>

#include <QString>
#include <QStringList>

namespace kvx {

enum class PromptAnswer { Ok, Yes, No, Cancel, Retry };
enum class PromptIcon { None, Information, Warning, Stop, Question };

// What a file dialog is opened with.
struct FileDialogSpec {
    QStringList filters;   // "Name (*.EXT *.EXT2)", in order
    QString defaultSuffix; // appended when the user types a name without one
    QString initialPath;   // preselected file, may be empty
};

struct SaveFileChoice {
    QString path;
    int filterIndex = 0; // position of the chosen filter in FileDialogSpec::filters
};

// Every message box and file dialog of the program goes through a Prompter, so that tests can answer
// them from a script. Message boxes are captioned with the application name.
class Prompter {
public:
    virtual ~Prompter() = default;

    // A question with Yes, No and Cancel buttons and the question icon.
    virtual PromptAnswer askYesNoCancel(const QString& text) = 0;
    // A question with Yes and No buttons where No is the default, for a Yes that takes a risk.
    virtual PromptAnswer askYesNo(const QString& text, PromptIcon icon) = 0;
    // A question with Retry and Cancel buttons.
    virtual PromptAnswer askRetryCancel(const QString& text, PromptIcon icon) = 0;
    // A message with an OK button.
    virtual void showMessage(const QString& text, PromptIcon icon) = 0;
    // The file to open, or none when the user cancelled.
    virtual std::optional<QString> chooseOpenFile(const FileDialogSpec& request) = 0;
    // The file to save to and the chosen filter, or none when the user cancelled.
    virtual std::optional<SaveFileChoice> chooseSaveFile(const FileDialogSpec& request) = 0;
};

} // namespace kvx
