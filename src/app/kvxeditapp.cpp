#include "app/kvxeditapp.h"

#include <QFileInfo>
#include <QStringList>

#include "app/childview.h"
#include "app/mainframe.h"
#include "platform/clock.h"
#include "res/resources.h"
#include "ui/appnames.h"

namespace kvx {

CKVXEditApp::CKVXEditApp(int& argc, char** argv)
        : QApplication(argc, argv)
{
    // Qualified: inside the application class the bare names are Qt's own getters, which would name
    // the settings after nothing.
    setOrganizationName(kvx::organizationName());
    setApplicationName(kvx::applicationName());
    setApplicationVersion(kvx::applicationVersion());
    setDesktopFileName(kvx::applicationId());
    initResources();
}

CKVXEditApp::~CKVXEditApp() = default;

bool CKVXEditApp::InitInstance()
{
    frame_ = std::make_unique<CMainFrame>(AppServices{prompter_, dialogs_, SystemClock::instance()});
    prompter_.setParentWidget(frame_.get());
    frame_->show();
    // A file manager's "Open with" passes the file as the one argument.
    const QStringList args = arguments();
    if (args.size() > 1)
        frame_->view()->OpenFile(QFileInfo(args.at(1)).absoluteFilePath());
    return true;
}

} // namespace kvx
