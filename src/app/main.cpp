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
    // The file named on the command line loads while the window is built.
    kvx::DatabasePreload preload(kvx::CKVXEditApp::guessFileArgument(argc, argv));
    kvx::CKVXEditApp app(argc, argv);
    if (!app.InitInstance(preload))
        return 1;
    return kvx::CKVXEditApp::exec();
}
