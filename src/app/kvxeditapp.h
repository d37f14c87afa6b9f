#pragma once

#include <memory>

#include <QApplication>

#include "app/dialogfactory.h"
#include "app/qtprompter.h"

namespace kvx {

class CMainFrame;

// The application object: names the settings, creates the main window and shows it.
class CKVXEditApp : public QApplication {
    Q_OBJECT
public:
    CKVXEditApp(int& argc, char** argv);
    ~CKVXEditApp() override;

    // Reads the command line, creates and shows the main window; a file named on the command line is
    // opened at once. --help, --version and a wrong command line end the program instead.
    bool InitInstance();
    CMainFrame* mainFrame() const { return frame_.get(); }

private:
    QtPrompter prompter_;
    QtDialogFactory dialogs_;
    std::unique_ptr<CMainFrame> frame_;
};

} // namespace kvx
