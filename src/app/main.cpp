#include "app/kvxeditapp.h"

int main(int argc, char** argv)
{
    kvx::CKVXEditApp app(argc, argv);
    if (!app.InitInstance())
        return 1;
    return kvx::CKVXEditApp::exec();
}
