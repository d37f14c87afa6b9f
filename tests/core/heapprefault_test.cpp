#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <sys/resource.h>
#include <vector>

#include "base/heapprefault.h"

namespace {

long minorFaults()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// In a child process of its own, as the allocator's settings hold for the whole process: the memory
// taken in one step serves the allocations that follow without a page fault each.
// Allocates and writes `bytes` in blocks of 2 KiB; returns the page faults that took.
long faultsToFill(std::vector<std::unique_ptr<char[]>>& blocks, std::size_t bytes)
{
    constexpr std::size_t kBlock = 2048;
    const long before = minorFaults();
    for (std::size_t k = 0; k < bytes / kBlock; ++k) {
        blocks.push_back(std::make_unique<char[]>(kBlock));
        std::memset(blocks.back().get(), static_cast<int>(k), kBlock);
    }
    return minorFaults() - before;
}

// In a process of its own, as the allocator's settings hold for the whole process: the memory taken
// in one step serves the allocations that follow without a page fault each.
[[noreturn]] void allocateAfterPrefault()
{
    std::vector<std::unique_ptr<char[]>> blocks;
    blocks.reserve(20000);
    faultsToFill(blocks, 32 << 20); // whatever the heap holds free already is used up first
    kvx::keepFreedHeapMemory();
    if (!kvx::prefaultHeap(8 << 20))
        std::exit(2);                                      // this system backs no memory in one step
    std::exit(faultsToFill(blocks, 4 << 20) < 50 ? 0 : 1); // 1,000 pages
}

} // namespace

TEST(HeapPrefault, TheNextAllocationsTouchNoFreshPage)
{
#if !defined(__GLIBC__) || defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the heap is glibc's only without a sanitizer";
#endif
    // A fresh process rather than a fork, whose every page of the parent's would fault when written.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(allocateAfterPrefault(), ::testing::ExitedWithCode(0), "");
}
