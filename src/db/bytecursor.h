#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace kvx {

// Reads little-endian fields from a byte range. A read past the end fails the cursor instead of
// touching memory outside it; once failed, every further read yields 0.
class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> bytes)
            : bytes_(bytes)
    {}

    bool ok() const { return ok_; }
    std::size_t position() const { return pos_; }
    // Fails the cursor, for a caller that finds the bytes read so far inconsistent.
    void fail() { ok_ = false; }

    uint8_t u8()
    {
        if (!require(1))
            return 0;
        return bytes_[pos_++];
    }
    uint16_t u16()
    {
        if (!require(2))
            return 0;
        const uint16_t v = static_cast<uint16_t>(bytes_[pos_] | (bytes_[pos_ + 1] << 8));
        pos_ += 2;
        return v;
    }
    uint32_t u32()
    {
        if (!require(4))
            return 0;
        const uint32_t v =
            static_cast<uint32_t>(bytes_[pos_]) | (static_cast<uint32_t>(bytes_[pos_ + 1]) << 8) |
            (static_cast<uint32_t>(bytes_[pos_ + 2]) << 16) | (static_cast<uint32_t>(bytes_[pos_ + 3]) << 24);
        pos_ += 4;
        return v;
    }
    std::string bytes(std::size_t n)
    {
        if (!require(n))
            return {};
        std::string s(reinterpret_cast<const char*>(bytes_.data() + pos_), n);
        pos_ += n;
        return s;
    }
    // A length byte followed by that many bytes.
    std::string shortString() { return bytes(u8()); }
    std::span<const uint8_t> view(std::size_t n)
    {
        if (!require(n))
            return {};
        auto v = bytes_.subspan(pos_, n);
        pos_ += n;
        return v;
    }

private:
    bool require(std::size_t n)
    {
        if (ok_ && n <= bytes_.size() - pos_)
            return true;
        ok_ = false;
        return false;
    }

    std::span<const uint8_t> bytes_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

// Writes little-endian fields into a fixed buffer. A write that would pass the end fails the cursor
// and writes nothing; once failed, every further write is ignored.
class ByteWriter {
public:
    explicit ByteWriter(std::span<uint8_t> buffer)
            : buffer_(buffer)
    {}

    bool ok() const { return ok_; }
    std::size_t position() const { return pos_; }

    void u8(uint8_t v)
    {
        if (require(1))
            buffer_[pos_++] = v;
    }
    void u16(uint16_t v)
    {
        if (!require(2))
            return;
        buffer_[pos_++] = static_cast<uint8_t>(v);
        buffer_[pos_++] = static_cast<uint8_t>(v >> 8);
    }
    void u32(uint32_t v)
    {
        if (!require(4))
            return;
        for (int i = 0; i < 4; ++i)
            buffer_[pos_++] = static_cast<uint8_t>(v >> (8 * i));
    }
    void bytes(const void* data, std::size_t n)
    {
        if (!require(n))
            return;
        const auto* p = static_cast<const uint8_t*>(data);
        std::copy(p, p + n, buffer_.begin() + static_cast<std::ptrdiff_t>(pos_));
        pos_ += n;
    }
    void u32At(std::size_t offset, uint32_t v)
    {
        if (offset > buffer_.size() || buffer_.size() - offset < 4)
            return;
        for (int i = 0; i < 4; ++i)
            buffer_[offset + i] = static_cast<uint8_t>(v >> (8 * i));
    }

private:
    bool require(std::size_t n)
    {
        if (ok_ && n <= buffer_.size() - pos_)
            return true;
        ok_ = false;
        return false;
    }

    std::span<uint8_t> buffer_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

} // namespace kvx
