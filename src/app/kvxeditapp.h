#pragma once

#include <memory>
#include <string>

#include <QApplication>

#include "app/dialogfactory.h"
#include "app/qtprompter.h"
#include "db/databasepreload.h"

namespace kvx {

class CMainFrame;

// The application object: names the settings, creates the main window and shows it.
class CKVXEditApp : public QApplication {
    Q_OBJECT
public:
    CKVXEditApp(int& argc, char** argv);
    ~CKVXEditApp() override;

    // The file the command line seems to name, as an absolute path, or empty: main() reads it ahead
    // while the window is built. Only a guess, made before the command line is read; InitInstance
    // uses the preload only when it read the file the command line names.
    static std::string guessFileArgument(int argc, char** argv);

    // Reads the command line, creates and shows the main window; a file named on the command line is
    // opened at once. --help, --version and a wrong command line end the program instead.
    bool InitInstance(DatabasePreload& preload);
    CMainFrame* mainFrame() const { return frame_.get(); }

private:
    QtPrompter prompter_;
    QtDialogFactory dialogs_;
    std::unique_ptr<CMainFrame> frame_;
};

} // namespace kvx
