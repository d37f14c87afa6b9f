#pragma once

#include <cstddef>
#include <cstdint>

namespace kvx {

// Memory for large work tables and buffers, mapped straight from the system: it starts out zero
// without being written, and from 256 KiB on it is laid out and marked for huge pages, so that first
// use costs one page fault per 2 MiB rather than one per 4 KiB. Empty when the memory cannot be had.
class LargeBuffer {
public:
    LargeBuffer() = default;
    explicit LargeBuffer(std::size_t size);
    ~LargeBuffer();
    LargeBuffer(LargeBuffer&& other) noexcept;
    LargeBuffer& operator=(LargeBuffer&& other) noexcept;
    LargeBuffer(const LargeBuffer&) = delete;
    LargeBuffer& operator=(const LargeBuffer&) = delete;

    uint8_t* data() const { return data_; }
    // At least the size asked for (rounded up to whole pages).
    std::size_t size() const { return size_; }
    bool empty() const { return data_ == nullptr; }

private:
    void release();

    uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
};

} // namespace kvx
