#pragma once

#include <cstddef>

namespace kvx {

// Where a page fault is slow (a virtual machine may take ten microseconds for one), memory taken
// page by page on first touch costs more than the work that touches it, and the faults of one thread
// hold up those of the others. The start-up knows roughly how much it is going to allocate; these
// take that much from the system in one step, in large pages where it has them to spare.

// Lets the allocator keep what it was given: blocks below 32 MiB come from its heaps, and up to
// 64 MiB freed at a heap's end stay there for the next allocations. Call once, before any thread
// but the main one runs.
void keepFreedHeapMemory();

// Grows the calling thread's heap by `bytes` of memory already backed by the system, for its next
// allocations to use. False, with nothing done, where the system cannot back memory in one step.
bool prefaultHeap(std::size_t bytes);

} // namespace kvx
