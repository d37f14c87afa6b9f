#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace kvx::test {

// Text and binary records in alternating stretches of 16 KiB to 64 KiB, the same for every call with
// the same size: a stand-in for "mixed" files in compression benchmarks.
inline std::vector<uint8_t> makeMixedData(std::size_t size)
{
    static const char* const words[] = {"satellite", "transponder", "channel",  "favourite", "network",
                                        "audio",     "video",       "teletext", "encrypted", "radio",
                                        "the",       "of",          "and",      "list",      "frequency"};
    std::mt19937 rng(20260101);
    std::vector<uint8_t> out;
    out.reserve(size);
    bool text = true;
    while (out.size() < size) {
        const std::size_t stretch = 16384 + rng() % 49152;
        const std::size_t end = std::min(size, out.size() + stretch);
        if (text) {
            while (out.size() < end) {
                std::string w = words[rng() % std::size(words)];
                w += (rng() % 9 == 0) ? ".\n" : " ";
                for (const char c : w)
                    out.push_back(static_cast<uint8_t>(c));
            }
            out.resize(std::max(out.size(), end));
        } else {
            for (uint32_t i = 0; out.size() + 16 <= end; ++i) {
                const auto draw = [&rng](uint32_t n) { return static_cast<uint32_t>(rng() % n); };
                const uint32_t fields[4] = {i, 10700000 + draw(4000) * 250, 27500 + draw(4) * 500,
                                            draw(3) == 0 ? static_cast<uint32_t>(rng()) : 0x1FFu};
                for (const uint32_t f : fields)
                    for (int b = 0; b < 4; ++b)
                        out.push_back(static_cast<uint8_t>(f >> (8 * b)));
            }
        }
        text = !text;
    }
    out.resize(size);
    return out;
}

} // namespace kvx::test
