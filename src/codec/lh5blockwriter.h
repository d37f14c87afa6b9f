#pragma once

#include <array>
#include <cstdint>

#include "codec/huffmanbuilder.h"
#include "codec/lh5bitwriter.h"

namespace kvx {

// Collects the encoder's literals and matches and sends them as "-lh5-" blocks: each block carries
// its symbol count and the code-length tables of its three codes, then the coded symbols.
class Lh5BlockWriter {
public:
    static constexpr int NC = 510; // literals 0..255, match lengths 3..256 as 256..509
    static constexpr int NP = 14;  // position classes: significant bits of the position code
    static constexpr int NT = 19;  // code-length alphabet
    static constexpr int BUFFER_SIZE = 16384;

    explicit Lh5BlockWriter(Lh5BitWriter& bits)
            : bits_(bits)
    {}

    void literal(uint8_t c) { add(c, 0); }
    // length 3..256, positionCode = distance - 1 (0..8191)
    void match(int length, unsigned positionCode) { add(static_cast<unsigned>(length + 253), positionCode); }
    // Sends what is buffered and completes the last byte.
    void finish();

private:
    void add(unsigned c, unsigned p);
    void sendBlock();
    void writeTables();
    void countCodeLengthFrequencies();
    void writePtLengths(int n, int countBits, int special);
    void writeCLengths();
    void writeSymbols(unsigned symbolCount);
    void writePosition(unsigned p);

    Lh5BitWriter& bits_;
    HuffmanBuilder huffman_;
    std::array<uint8_t, BUFFER_SIZE> buf_{};
    int bufPos_ = 0;
    int flagPos_ = 0;
    unsigned flagMask_ = 0;
    std::array<uint16_t, 2 * NC - 1> cFreq_{};
    std::array<uint16_t, 2 * NP - 1> pFreq_{};
    std::array<uint16_t, 2 * NT - 1> tFreq_{};
    std::array<uint8_t, NC> cLen_{};
    std::array<uint16_t, NC> cCode_{};
    std::array<uint8_t, NT> ptLen_{}; // shared by the code-length and position codes
    std::array<uint16_t, NT> ptCode_{};
};

} // namespace kvx
