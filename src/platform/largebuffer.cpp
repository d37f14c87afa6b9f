#include "platform/largebuffer.h"

#include <sys/mman.h>
#include <unistd.h>
#include <utility>

namespace kvx {

namespace {

constexpr std::size_t kHugePage = 2 * 1024 * 1024;
constexpr std::size_t kHugeFrom = 256 * 1024;

std::size_t roundUp(std::size_t n, std::size_t to)
{
    return (n + to - 1) / to * to;
}

} // namespace

LargeBuffer::LargeBuffer(std::size_t size)
{
    if (size == 0)
        return;
    const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    const bool huge = size >= kHugeFrom;
    const std::size_t length = huge ? roundUp(size, kHugePage) : roundUp(size, page);
    // A huge page needs a 2 MiB aligned stretch: map one page more and cut off what lies outside.
    const std::size_t mapped = huge ? length + kHugePage : length;
    void* p = ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED)
        return;
    auto* start = static_cast<uint8_t*>(p);
    if (huge) {
        const auto address = reinterpret_cast<std::uintptr_t>(start);
        const std::size_t lead = roundUp(address, kHugePage) - address;
        if (lead > 0)
            ::munmap(start, lead);
        if (kHugePage - lead > 0)
            ::munmap(start + lead + length, kHugePage - lead);
        start += lead;
        // Only advice: without huge pages the buffer works the same, just with more page faults.
        ::madvise(start, length, MADV_HUGEPAGE);
    }
    data_ = start;
    size_ = length;
}

LargeBuffer::~LargeBuffer()
{
    release();
}

LargeBuffer::LargeBuffer(LargeBuffer&& other) noexcept
        : data_(std::exchange(other.data_, nullptr))
        , size_(std::exchange(other.size_, 0))
{}

LargeBuffer& LargeBuffer::operator=(LargeBuffer&& other) noexcept
{
    if (this != &other) {
        release();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

void LargeBuffer::release()
{
    if (data_ != nullptr)
        ::munmap(data_, size_);
    data_ = nullptr;
    size_ = 0;
}

} // namespace kvx
