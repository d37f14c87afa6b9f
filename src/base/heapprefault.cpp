#include "base/heapprefault.h"

#include <cstdint>
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace kvx {

namespace {

#if defined(__GLIBC__)
constexpr int kLargestHeapBlock = 32 << 20;
constexpr int kKeptAtHeapEnd = 64 << 20;
// Linux 5.14 and later; older kernels refuse it, and the memory is then touched as it is used.
constexpr int kPopulateWrite = 23; // MADV_POPULATE_WRITE
#endif

} // namespace

void keepFreedHeapMemory()
{
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, kKeptAtHeapEnd);
#endif
}

bool prefaultHeap(std::size_t bytes)
{
#if defined(__GLIBC__)
    if (bytes == 0 || bytes > static_cast<std::size_t>(kLargestHeapBlock))
        return false;
    void* block = std::malloc(bytes);
    if (block == nullptr)
        return false;
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto begin = (reinterpret_cast<std::uintptr_t>(block) + page - 1) & ~(page - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(block) + bytes) & ~(page - 1);
    bool backed = false;
    if (begin < end) {
        // Large pages where the system has them to spare: one fault, and one table entry, for 2 MiB.
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
        backed = madvise(reinterpret_cast<void*>(begin), end - begin, kPopulateWrite) == 0;
    }
    // Freed at the heap's end, the block stays with the heap (see keepFreedHeapMemory).
    std::free(block);
    return backed;
#else
    (void)bytes;
    return false;
#endif
}

} // namespace kvx
