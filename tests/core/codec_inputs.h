#pragma once

// Inputs and helpers shared by the LH5 codec tests.

#include <cstdint>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "codec/lh5.h"

namespace kvx::test {

using Bytes = std::vector<uint8_t>;

inline Bytes randomBytes(std::size_t n, uint32_t seed)
{
    std::mt19937 rng(seed);
    Bytes out(n);
    for (auto& b : out)
        b = static_cast<uint8_t>(rng());
    return out;
}

// Words from a small vocabulary with punctuation: compresses like prose.
inline Bytes textBytes(std::size_t n, uint32_t seed)
{
    static const char* const words[] = {"the ",       "channel ",  "list ",        "of ",
                                        "satellite ", "network, ", "program ",     "audio ",
                                        "PID ",       "0x1ff\n",   "transponder ", "favourite "};
    std::mt19937 rng(seed);
    Bytes out;
    while (out.size() < n) {
        const std::string w = words[rng() % std::size(words)];
        out.insert(out.end(), w.begin(), w.end());
    }
    out.resize(n);
    return out;
}

// Bytes drawn from a few values: many short matches and skewed literal counts.
inline Bytes skewedBytes(std::size_t n, uint32_t seed, int alphabet = 6)
{
    std::mt19937 rng(seed);
    Bytes out(n);
    for (auto& b : out)
        b = static_cast<uint8_t>('a' + rng() % static_cast<unsigned>(alphabet));
    return out;
}

// A random block whose head repeats at exactly `distance` bytes, then a compressible tail so that the
// whole shrinks even where the repeat lies beyond the encoder's reach.
inline Bytes repeatedAt(std::size_t distance, std::size_t repeatLength, uint32_t seed)
{
    Bytes out = randomBytes(distance, seed);
    for (std::size_t i = 0; i < repeatLength; ++i)
        out.push_back(out[i]);
    out.insert(out.end(), 20000, 'z');
    return out;
}

inline Bytes compress(std::span<const uint8_t> input)
{
    Bytes out(input.size() + LH5_STREAM_OVERHEAD);
    out.resize(Lh5Compress(input, out));
    return out;
}

inline Bytes expand(std::span<const uint8_t> stream, std::size_t capacity)
{
    Bytes out(capacity);
    out.resize(Lh5Expand(stream, out));
    return out;
}

inline uint32_t le32At(const Bytes& b, std::size_t at)
{
    return static_cast<uint32_t>(b[at]) | (static_cast<uint32_t>(b[at + 1]) << 8) |
           (static_cast<uint32_t>(b[at + 2]) << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

} // namespace kvx::test
