#include "app/kvxeditapp.h"

#include <QStringList>

#include "app/appnames.h"
#include "app/childview.h"
#include "app/mainframe.h"
#include "platform/clock.h"
#include "res/resources.h"

namespace kvx {

CKVXEditApp::CKVXEditApp(int& argc, char** argv)
        : QApplication(argc, argv)
{
    setOrganizationName(organizationName());
    setApplicationName(applicationName());
    setApplicationVersion(applicationVersion());
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
        frame_->view()->OpenFile(args.at(1));
    return true;
}

} // namespace kvx
