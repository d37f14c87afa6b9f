#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "codec/lh5bitreader.h"

namespace kvx {

// One expansion of "-lh5-" (and "-lh4-") coded data. The output itself is the dictionary. Codes of up
// to 12 bits (literal/length) or 8 bits (code-length and position codes) are resolved with one table
// look-up; longer ones continue through a small tree hanging from the table entry.
class Lh5Decoder {
public:
    explicit Lh5Decoder(std::span<const uint8_t> coded)
            : bits_(coded)
    {}

    // Fills output completely. False when the data cannot be decoded: a code table that is not a
    // complete prefix code, a table entry out of range, an empty block, or a match reaching before
    // the start of the output.
    bool decode(std::span<uint8_t> output);

private:
    static constexpr int NC = 510;
    static constexpr int NP = 14;
    static constexpr int NT = 19;
    static constexpr int C_TABLE_BITS = 12;
    static constexpr int PT_TABLE_BITS = 8;

    bool readBlockHeader();
    bool readPtLengths(int symbols, int countBits, int special);
    bool readCLengths();
    unsigned decodeC();
    unsigned decodePtSymbol(int symbols);
    unsigned decodePosition();

    Lh5BitReader bits_;
    unsigned blockRemaining_ = 0;
    std::array<uint8_t, NC> cLen_{};
    std::array<uint8_t, NT> ptLen_{};
    std::array<uint16_t, 1 << C_TABLE_BITS> cTable_{};
    std::array<uint16_t, 1 << PT_TABLE_BITS> ptTable_{};
    std::array<uint16_t, 2 * NC> cLeft_{};
    std::array<uint16_t, 2 * NC> cRight_{};
    std::array<uint16_t, 2 * NT> ptLeft_{};
    std::array<uint16_t, 2 * NT> ptRight_{};
};

} // namespace kvx
