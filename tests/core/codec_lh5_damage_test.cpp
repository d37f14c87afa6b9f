#include <gtest/gtest.h>

#include "codec/lh5.h"
#include "codec/lh5header.h"
#include "codec_inputs.h"

using namespace kvx;
using namespace kvx::test;

namespace {

// Writes coded data by hand, most significant bit first.
class BitSink {
public:
    void put(int n, unsigned v)
    {
        for (int i = n - 1; i >= 0; --i) {
            acc_ = static_cast<uint8_t>((acc_ << 1) | ((v >> i) & 1));
            if (++bits_ == 8) {
                bytes.push_back(acc_);
                bits_ = 0;
            }
        }
    }
    Bytes finish()
    {
        put(7, 0);
        return bytes;
    }
    Bytes bytes;

private:
    uint8_t acc_ = 0;
    int bits_ = 0;
};

// A block whose literal/length and position alphabets each use one symbol, coded in zero bits.
void singleSymbolBlock(BitSink& s, unsigned count, unsigned symbol, unsigned positionClass = 0)
{
    s.put(16, count);
    s.put(5, 0); // code-length code: one symbol
    s.put(5, 0);
    s.put(9, 0); // literal/length code: one symbol
    s.put(9, symbol);
    s.put(4, 0); // position code: one class
    s.put(4, positionClass);
}

Bytes streamOf(const Bytes& coded, uint32_t size)
{
    Bytes stream(LH5_HEADER_SIZE);
    WriteLh5Header(stream, static_cast<uint32_t>(coded.size()), size, 0);
    stream.insert(stream.end(), coded.begin(), coded.end());
    stream.push_back(0);
    return stream;
}

} // namespace

TEST(Lh5ExpandHandMade, PositionCode8191CopiesFrom8192BytesBack)
{
    BitSink s;
    singleSymbolBlock(s, 1, 'B');
    singleSymbolBlock(s, 8191, 'A');
    singleSymbolBlock(s, 1, 256, 13); // match of 3, class 13
    s.put(12, 0xFFF);                 // position code 4096 + 4095
    const Bytes out = expand(streamOf(s.finish(), 8195), 8195);
    ASSERT_EQ(out.size(), 8195u);
    EXPECT_EQ(out[0], 'B');
    EXPECT_EQ(out[8191], 'A');
    EXPECT_EQ(out[8192], 'B');
    EXPECT_EQ(out[8193], 'A');
    EXPECT_EQ(out[8194], 'A');
}

TEST(Lh5ExpandHandMade, MatchesAcrossThe8KiBStepsAndPastTheEnd)
{
    BitSink s;
    singleSymbolBlock(s, 8192, 'A');
    singleSymbolBlock(s, 1, 'Z');
    singleSymbolBlock(s, 2, 509, 1); // two matches of 256 at distance 2 ("AZ" repeated)
    // The second match runs past the stated size and is cut there.
    const Bytes out = expand(streamOf(s.finish(), 8193 + 300), 8193 + 300);
    ASSERT_EQ(out.size(), 8493u);
    for (std::size_t i = 8193; i < out.size(); ++i)
        ASSERT_EQ(out[i], out[i - 2]) << i;
    EXPECT_EQ(out[8192], 'Z');
    EXPECT_EQ(out[8193], 'A');
}

TEST(Lh5ExpandHandMade, RejectsAMatchReachingBeforeTheOutput)
{
    BitSink atStart;
    singleSymbolBlock(atStart, 1, 256, 0); // distance 1 with nothing written yet
    EXPECT_EQ(expand(streamOf(atStart.finish(), 10), 10).size(), 0u);

    BitSink tooFar;
    singleSymbolBlock(tooFar, 5, 'q');
    singleSymbolBlock(tooFar, 1, 256, 3); // class 3: distance 5..8
    tooFar.put(2, 3);                     // distance 8 > 5 bytes written
    EXPECT_EQ(expand(streamOf(tooFar.finish(), 20), 20).size(), 0u);
}

TEST(Lh5ExpandHandMade, RejectsTablesOutOfRange)
{
    auto expandBlock = [](unsigned tSymbol, unsigned cSymbol, unsigned pClass, unsigned count) {
        BitSink s;
        s.put(16, count);
        s.put(5, 0);
        s.put(5, tSymbol);
        s.put(9, 0);
        s.put(9, cSymbol);
        s.put(4, 0);
        s.put(4, pClass);
        return expand(streamOf(s.finish(), 4), 4).size();
    };
    EXPECT_EQ(expandBlock(0, 'a', 0, 4), 4u);  // the valid form
    EXPECT_EQ(expandBlock(19, 'a', 0, 4), 0u); // code-length symbol beyond 18
    EXPECT_EQ(expandBlock(0, 510, 0, 4), 0u);  // literal/length symbol beyond 509
    EXPECT_EQ(expandBlock(0, 'a', 14, 4), 0u); // position class beyond 13
    EXPECT_EQ(expandBlock(0, 'a', 0, 0), 0u);  // empty block

    // A literal/length table whose lengths do not form a complete code.
    BitSink s;
    s.put(16, 4);
    s.put(5, 0);
    s.put(5, 3); // every code-length symbol reads as length 1
    s.put(9, 3); // three symbols of length 1: oversubscribed
    s.put(4, 0);
    s.put(4, 0);
    EXPECT_EQ(expand(streamOf(s.finish(), 4), 4).size(), 0u);
}

TEST(Lh5ExpandDamage, TruncatedStreamsDecodeAgainstZeroBitsWithinBounds)
{
    const Bytes input = textBytes(40000, 31);
    const Bytes stream = compress(input);
    for (std::size_t cut : {std::size_t{0}, std::size_t{1}, std::size_t{20}, std::size_t{27}, std::size_t{28},
                            std::size_t{40}, stream.size() / 2, stream.size() - 2}) {
        const Bytes part(stream.begin(), stream.begin() + static_cast<std::ptrdiff_t>(cut));
        const std::size_t n = expand(part, input.size()).size();
        EXPECT_TRUE(n == 0 || n == input.size()) << cut;
    }
    // Without the end byte the stream is complete.
    const Bytes noEnd(stream.begin(), stream.end() - 1);
    EXPECT_EQ(expand(noEnd, input.size()), input);
}

TEST(Lh5ExpandDamage, CorruptedStreamsNeverOverrunTheBuffers)
{
    Bytes input = textBytes(30000, 32);
    const Bytes noise = skewedBytes(30000, 33, 200);
    input.insert(input.end(), noise.begin(), noise.end());
    const Bytes stream = compress(input);
    ASSERT_FALSE(stream.empty());
    std::mt19937 rng(5);
    for (int round = 0; round < 300; ++round) {
        Bytes damaged = stream;
        const int flips = 1 + static_cast<int>(rng() % 4);
        for (int f = 0; f < flips; ++f)
            damaged[LH5_HEADER_SIZE + rng() % (damaged.size() - LH5_HEADER_SIZE)] ^=
                static_cast<uint8_t>(1 + rng() % 255);
        // The stated size stays the same, so every result is either a full output or a refusal.
        Bytes out(input.size());
        const std::size_t n = Lh5Expand(damaged, out);
        ASSERT_TRUE(n == 0 || n == input.size());
    }
}
