#include "codec/lh5decoder.h"

#include <algorithm>
#include <cstring>

namespace kvx {

namespace {

constexpr int MAX_CODE_LENGTH = 16;
constexpr uint16_t EMPTY = 0xFFFF;

// Fills the direct table for codes of up to tableBits bits; a longer code continues from its table
// entry through left/right links, one bit per level (nodes are numbered from `symbols` up). Codes are
// canonical: within one length they follow the symbol order. False unless the lengths form a complete
// prefix code, which guarantees that every walk ends at a symbol.
bool buildTable(int symbols, const uint8_t* lengths, int tableBits, uint16_t* table, uint16_t* left,
                uint16_t* right)
{
    uint32_t count[MAX_CODE_LENGTH + 1] = {};
    for (int i = 0; i < symbols; ++i)
        ++count[lengths[i]];
    uint32_t start[MAX_CODE_LENGTH + 2];
    start[1] = 0;
    for (int i = 1; i <= MAX_CODE_LENGTH; ++i)
        start[i + 1] = start[i] + (count[i] << (MAX_CODE_LENGTH - i));
    if (start[MAX_CODE_LENGTH + 1] != (1u << MAX_CODE_LENGTH))
        return false;

    const int shift = MAX_CODE_LENGTH - tableBits;
    std::fill(table, table + (1 << tableBits), EMPTY);
    int avail = symbols;
    for (int ch = 0; ch < symbols; ++ch) {
        const int len = lengths[ch];
        if (len == 0)
            continue;
        const uint32_t code = start[len];
        start[len] += 1u << (MAX_CODE_LENGTH - len);
        if (len <= tableBits) {
            uint16_t* first = table + (code >> shift);
            std::fill(first, first + (1 << (tableBits - len)), static_cast<uint16_t>(ch));
            continue;
        }
        uint16_t* p = &table[code >> shift];
        for (int bit = MAX_CODE_LENGTH - 1 - tableBits; bit >= MAX_CODE_LENGTH - len; --bit) {
            if (*p == EMPTY) {
                if (avail >= 2 * symbols)
                    return false;
                left[avail] = right[avail] = EMPTY;
                *p = static_cast<uint16_t>(avail++);
            }
            p = ((code >> bit) & 1) ? &right[*p] : &left[*p];
        }
        *p = static_cast<uint16_t>(ch);
    }
    return true;
}

// Resolves a code: a direct look-up on the first tableBits bits, then the tree for longer codes.
inline unsigned lookUp(uint64_t window, int tableBits, int symbols, const uint16_t* table,
                       const uint16_t* left, const uint16_t* right)
{
    unsigned j = table[window >> (64 - tableBits)];
    if (j >= static_cast<unsigned>(symbols)) {
        uint64_t mask = uint64_t{1} << (63 - tableBits);
        do {
            j = (window & mask) ? right[j] : left[j];
            mask >>= 1;
        } while (j >= static_cast<unsigned>(symbols));
    }
    return j;
}

} // namespace

bool Lh5Decoder::readBlockHeader()
{
    blockRemaining_ = bits_.get(16);
    // The encoder never sends an empty block; reading on would loop forever over zero bits.
    if (blockRemaining_ == 0)
        return false;
    return readPtLengths(NT, 5, 3) && readCLengths() && readPtLengths(NP, 4, -1);
}

bool Lh5Decoder::readPtLengths(int symbols, int countBits, int special)
{
    const int n = static_cast<int>(bits_.get(countBits));
    if (n == 0) {
        // One symbol, coded in zero bits.
        const unsigned c = bits_.get(countBits);
        if (c >= static_cast<unsigned>(symbols))
            return false;
        std::fill(ptLen_.begin(), ptLen_.end(), 0);
        ptTable_.fill(static_cast<uint16_t>(c));
        return true;
    }
    if (n > symbols)
        return false;
    int i = 0;
    while (i < n) {
        int len = static_cast<int>(bits_.peek(3));
        if (len == 7) {
            // Longer lengths continue as a run of ones closed by a zero.
            uint64_t mask = uint64_t{1} << 60;
            while (bits_.window() & mask) {
                mask >>= 1;
                if (++len > MAX_CODE_LENGTH)
                    return false;
            }
        }
        bits_.skip(len < 7 ? 3 : len - 3);
        ptLen_[i++] = static_cast<uint8_t>(len);
        if (i == special) {
            for (unsigned zeros = bits_.get(2); zeros > 0; --zeros) {
                if (i >= symbols)
                    return false;
                ptLen_[i++] = 0;
            }
        }
    }
    std::fill(ptLen_.begin() + i, ptLen_.end(), 0);
    return buildTable(symbols, ptLen_.data(), PT_TABLE_BITS, ptTable_.data(), ptLeft_.data(),
                      ptRight_.data());
}

bool Lh5Decoder::readCLengths()
{
    const int n = static_cast<int>(bits_.get(9));
    if (n == 0) {
        const unsigned c = bits_.get(9);
        if (c >= NC)
            return false;
        cLen_.fill(0);
        cTable_.fill(static_cast<uint16_t>(c));
        return true;
    }
    if (n > NC)
        return false;
    int i = 0;
    while (i < n) {
        const unsigned c = decodePtSymbol(NT);
        if (c > 2) {
            cLen_[i++] = static_cast<uint8_t>(c - 2);
            continue;
        }
        const int run = c == 0   ? 1
                        : c == 1 ? static_cast<int>(bits_.get(4)) + 3
                                 : static_cast<int>(bits_.get(9)) + 20;
        if (run > NC - i)
            return false;
        std::fill_n(cLen_.begin() + i, run, 0);
        i += run;
    }
    std::fill(cLen_.begin() + i, cLen_.end(), 0);
    return buildTable(NC, cLen_.data(), C_TABLE_BITS, cTable_.data(), cLeft_.data(), cRight_.data());
}

unsigned Lh5Decoder::decodeC()
{
    const unsigned c =
        lookUp(bits_.window(), C_TABLE_BITS, NC, cTable_.data(), cLeft_.data(), cRight_.data());
    bits_.skip(cLen_[c]);
    return c;
}

unsigned Lh5Decoder::decodePtSymbol(int symbols)
{
    const unsigned c =
        lookUp(bits_.window(), PT_TABLE_BITS, symbols, ptTable_.data(), ptLeft_.data(), ptRight_.data());
    bits_.skip(ptLen_[c]);
    return c;
}

// Position code: its class (number of significant bits) followed by the bits below the leading one.
unsigned Lh5Decoder::decodePosition()
{
    const unsigned c = decodePtSymbol(NP);
    if (c == 0)
        return 0;
    return (1u << (c - 1)) + bits_.get(static_cast<int>(c) - 1);
}

bool Lh5Decoder::decode(std::span<uint8_t> output)
{
    uint8_t* out = output.data();
    const std::size_t size = output.size();
    std::size_t o = 0;
    while (o < size) {
        if (blockRemaining_ == 0 && !readBlockHeader())
            return false;
        --blockRemaining_;
        const unsigned c = decodeC();
        if (c < 256) {
            out[o++] = static_cast<uint8_t>(c);
            continue;
        }
        const std::size_t distance = decodePosition() + 1;
        if (distance > o)
            return false; // would copy from before the start of the output
        const std::size_t length = std::min<std::size_t>(c - 253, size - o);
        uint8_t* to = out + o;
        const uint8_t* from = to - distance;
        if (distance >= length) {
            std::memcpy(to, from, length);
        } else {
            for (std::size_t i = 0; i < length; ++i)
                to[i] = from[i];
        }
        o += length;
    }
    return true;
}

} // namespace kvx
