#include <cstddef>

#include "app/kvxeditapp.h"
#include "base/heapprefault.h"

namespace {

// About what the window takes from the heap until it is first painted, its backing store included,
// with room for the large pages that fit in it.
constexpr std::size_t kWindowHeapBytes = 8 << 20;

} // namespace

int main(int argc, char** argv)
{
    kvx::keepFreedHeapMemory();
    kvx::prefaultHeap(kWindowHeapBytes);
    kvx::CKVXEditApp app(argc, argv);
    // The file named on the command line loads while the window is built. It starts once the
    // application is set up: its loading slows the libraries' loading more than it slows the building.
    kvx::DatabasePreload preload(kvx::CKVXEditApp::guessFileArgument(argc, argv));
    if (!app.InitInstance(preload))
        return 1;
    return kvx::CKVXEditApp::exec();
}
