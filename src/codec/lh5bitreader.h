#pragma once

#include <cstdint>
#include <span>

namespace kvx {

// Reads the coded data most significant bit first through a look-ahead window of at least 16 bits.
// Past the end of the data it feeds zero bits, so a truncated stream never makes it read further.
class Lh5BitReader {
public:
    explicit Lh5BitReader(std::span<const uint8_t> data)
            : in_(data.data())
            , end_(data.data() + data.size())
    {
        refill();
    }

    // The next n bits (n <= 16) without consuming them.
    unsigned peek(int n) const { return static_cast<unsigned>(window_ >> (64 - n)); }
    // The whole window, left-aligned; at least 16 bits of it are valid after refill().
    uint64_t window() const { return window_; }

    void skip(int n)
    {
        window_ <<= n;
        count_ -= n;
        if (count_ < 16)
            refill();
    }

    unsigned get(int n)
    {
        if (n == 0)
            return 0;
        const unsigned v = peek(n);
        skip(n);
        return v;
    }

    // Ensures at least 48 valid bits, enough for a length code, a position code and its extra bits.
    void ensure48()
    {
        if (count_ < 48)
            refill();
    }

private:
    void refill()
    {
        if (end_ - in_ >= 8) {
            uint64_t v = 0;
            for (int i = 0; i < 8; ++i)
                v = (v << 8) | in_[i];
            // The bits beyond the whole bytes taken are the true next bits; they are ORed in again
            // at the same place by the next refill.
            window_ |= v >> count_;
            const int take = (63 - count_) >> 3;
            in_ += take;
            count_ += take * 8;
            return;
        }
        while (count_ <= 56) {
            const uint64_t b = in_ < end_ ? *in_++ : 0;
            window_ |= b << (56 - count_);
            count_ += 8;
        }
    }

    const uint8_t* in_;
    const uint8_t* end_;
    uint64_t window_ = 0;
    int count_ = 0;
};

} // namespace kvx
