#include "codec/lh5blockwriter.h"

#include <bit>

namespace kvx {

namespace {

constexpr int CBIT = 9; // width of the literal/length table count
constexpr int PBIT = 4; // width of the position table count
constexpr int TBIT = 5; // width of the code-length table count

} // namespace

// Symbols are buffered in groups of eight behind a flag byte whose bits (from bit 7) mark matches.
void Lh5BlockWriter::add(unsigned c, unsigned p)
{
    if ((flagMask_ >>= 1) == 0) {
        flagMask_ = 0x80;
        // A group takes at most 1 + 8 * 3 bytes.
        if (bufPos_ >= BUFFER_SIZE - 24) {
            sendBlock();
            if (bits_.unpackable())
                return;
            bufPos_ = 0;
        }
        flagPos_ = bufPos_++;
        buf_[flagPos_] = 0;
    }
    buf_[bufPos_++] = static_cast<uint8_t>(c);
    ++cFreq_[c];
    if (c >= 256) {
        buf_[flagPos_] |= static_cast<uint8_t>(flagMask_);
        buf_[bufPos_++] = static_cast<uint8_t>(p >> 8);
        buf_[bufPos_++] = static_cast<uint8_t>(p);
        ++pFreq_[std::bit_width(p)];
    }
}

void Lh5BlockWriter::finish()
{
    if (bits_.unpackable())
        return;
    sendBlock();
    bits_.flush();
}

void Lh5BlockWriter::sendBlock()
{
    const int root = huffman_.build(NC, cFreq_.data(), cLen_.data(), cCode_.data());
    const unsigned symbolCount = cFreq_[root];
    bits_.put(16, symbolCount);
    if (root >= NC) {
        countCodeLengthFrequencies();
        const int tRoot = huffman_.build(NT, tFreq_.data(), ptLen_.data(), ptCode_.data());
        if (tRoot >= NT) {
            writePtLengths(NT, TBIT, 3);
        } else {
            bits_.put(TBIT, 0);
            bits_.put(TBIT, static_cast<unsigned>(tRoot));
        }
        writeCLengths();
    } else {
        // One literal/length symbol: empty code-length table, then the symbol itself.
        bits_.put(TBIT, 0);
        bits_.put(TBIT, 0);
        bits_.put(CBIT, 0);
        bits_.put(CBIT, static_cast<unsigned>(root));
    }
    const int pRoot = huffman_.build(NP, pFreq_.data(), ptLen_.data(), ptCode_.data());
    if (pRoot >= NP) {
        writePtLengths(NP, PBIT, -1);
    } else {
        bits_.put(PBIT, 0);
        bits_.put(PBIT, static_cast<unsigned>(pRoot));
    }
    writeSymbols(symbolCount);
    cFreq_.fill(0);
    pFreq_.fill(0);
}

// Frequencies of the code-length symbols that writeCLengths() will send: 0 one zero length, 1 a run
// of 3..18 zeros, 2 a run of 20 or more, k + 2 the length k.
void Lh5BlockWriter::countCodeLengthFrequencies()
{
    tFreq_.fill(0);
    int n = NC;
    while (n > 0 && cLen_[n - 1] == 0)
        --n;
    int i = 0;
    while (i < n) {
        const int k = cLen_[i++];
        if (k != 0) {
            ++tFreq_[k + 2];
            continue;
        }
        int run = 1;
        while (i < n && cLen_[i] == 0) {
            ++i;
            ++run;
        }
        if (run <= 2) {
            tFreq_[0] = static_cast<uint16_t>(tFreq_[0] + run);
        } else if (run <= 18) {
            ++tFreq_[1];
        } else if (run == 19) {
            ++tFreq_[0];
            ++tFreq_[1];
        } else {
            ++tFreq_[2];
        }
    }
}

// Lengths up to 6 take 3 bits; longer ones are sent as a run of ones closed by a zero. For the
// code-length code, a 2-bit count of further zero lengths follows the third entry.
void Lh5BlockWriter::writePtLengths(int n, int countBits, int special)
{
    while (n > 0 && ptLen_[n - 1] == 0)
        --n;
    bits_.put(countBits, static_cast<unsigned>(n));
    int i = 0;
    while (i < n) {
        const int k = ptLen_[i++];
        if (k <= 6)
            bits_.put(3, static_cast<unsigned>(k));
        else
            bits_.put(k - 3, (1u << (k - 3)) - 2);
        if (i == special) {
            while (i < 6 && ptLen_[i] == 0)
                ++i;
            bits_.put(2, static_cast<unsigned>((i - 3) & 3));
        }
    }
}

void Lh5BlockWriter::writeCLengths()
{
    int n = NC;
    while (n > 0 && cLen_[n - 1] == 0)
        --n;
    bits_.put(CBIT, static_cast<unsigned>(n));
    auto code = [this](int t) { bits_.put(ptLen_[t], ptCode_[t]); };
    int i = 0;
    while (i < n) {
        const int k = cLen_[i++];
        if (k != 0) {
            code(k + 2);
            continue;
        }
        int run = 1;
        while (i < n && cLen_[i] == 0) {
            ++i;
            ++run;
        }
        if (run <= 2) {
            for (int j = 0; j < run; ++j)
                code(0);
        } else if (run <= 18) {
            code(1);
            bits_.put(4, static_cast<unsigned>(run - 3));
        } else if (run == 19) {
            code(0);
            code(1);
            bits_.put(4, 15);
        } else {
            code(2);
            bits_.put(CBIT, static_cast<unsigned>(run - 20));
        }
    }
}

void Lh5BlockWriter::writeSymbols(unsigned symbolCount)
{
    int pos = 0;
    unsigned flags = 0;
    for (unsigned i = 0; i < symbolCount; ++i) {
        if (i % 8 == 0)
            flags = buf_[pos++];
        else
            flags <<= 1;
        if (flags & 0x80) {
            const unsigned c = buf_[pos++] + 256u;
            bits_.put(cLen_[c], cCode_[c]);
            const unsigned p = (static_cast<unsigned>(buf_[pos]) << 8) | buf_[pos + 1];
            pos += 2;
            writePosition(p);
        } else {
            const unsigned c = buf_[pos++];
            bits_.put(cLen_[c], cCode_[c]);
        }
        if (bits_.unpackable())
            return;
    }
}

// The position class (number of significant bits) followed by the bits below the leading one.
void Lh5BlockWriter::writePosition(unsigned p)
{
    const int c = std::bit_width(p);
    bits_.put(ptLen_[c], ptCode_[c]);
    if (c > 1)
        bits_.put(c - 1, p & ((1u << (c - 1)) - 1));
}

} // namespace kvx
