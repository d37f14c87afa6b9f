#pragma once

#include <cstddef>
#include <cstdint>

namespace kvx {

// Writes codes most significant bit first. A completed byte is stored only while fewer bytes have been
// written than the encoder has consumed from its input; otherwise the stream is marked unpackable and
// nothing more is stored, so the output never grows past the input's size.
class Lh5BitWriter {
public:
    Lh5BitWriter(uint8_t* out, const std::size_t& consumed)
            : out_(out)
            , consumed_(consumed)
    {}

    // Writes the low n bits of x (n <= 16).
    void put(int n, unsigned x)
    {
        acc_ = (acc_ << n) | (x & ((1u << n) - 1));
        bits_ += n;
        while (bits_ >= 8) {
            bits_ -= 8;
            storeByte(static_cast<uint8_t>(acc_ >> bits_));
        }
    }

    // Completes the last byte with zero bits.
    void flush() { put(7, 0); }

    bool unpackable() const { return unpackable_; }
    std::size_t written() const { return written_; }

private:
    void storeByte(uint8_t b)
    {
        if (written_ < consumed_)
            out_[written_++] = b;
        else
            unpackable_ = true;
    }

    uint8_t* out_;
    const std::size_t& consumed_;
    std::size_t written_ = 0;
    uint32_t acc_ = 0;
    int bits_ = 0;
    bool unpackable_ = false;
};

} // namespace kvx
