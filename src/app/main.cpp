#include "app/kvxeditapp.h"

int main(int argc, char** argv)
{
    // The file named on the command line loads while the window is built.
    kvx::DatabasePreload preload(kvx::CKVXEditApp::guessFileArgument(argc, argv));
    kvx::CKVXEditApp app(argc, argv);
    if (!app.InitInstance(preload))
        return 1;
    return kvx::CKVXEditApp::exec();
}
