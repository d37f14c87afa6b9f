#include <gtest/gtest.h>

#include <cstring>

#include "codec/lh5.h"
#include "codec_inputs.h"

using namespace kvx;
using namespace kvx::test;

namespace {

// CRC-16/ARC computed bit by bit, independently of the codec's table.
uint16_t referenceCrc(const Bytes& data)
{
    uint16_t crc = 0;
    for (const uint8_t b : data) {
        crc ^= b;
        for (int i = 0; i < 8; ++i)
            crc = (crc & 1) ? static_cast<uint16_t>((crc >> 1) ^ 0xA001) : static_cast<uint16_t>(crc >> 1);
    }
    return crc;
}

} // namespace

TEST(Lh5Compress, WritesLevelOneHeaderWithoutName)
{
    const Bytes input(4096, 'x');
    const Bytes stream = compress(input);
    ASSERT_GT(stream.size(), LH5_STREAM_OVERHEAD);

    EXPECT_EQ(stream[0], 25);
    uint8_t sum = 0;
    for (std::size_t i = 2; i < 27; ++i)
        sum = static_cast<uint8_t>(sum + stream[i]);
    EXPECT_EQ(stream[1], sum);
    EXPECT_EQ(std::string(stream.begin() + 2, stream.begin() + 7), "-lh5-");
    const uint32_t packed = le32At(stream, 7);
    EXPECT_EQ(stream.size(), packed + 28u);
    EXPECT_EQ(le32At(stream, 11), 4096u);
    EXPECT_EQ(le32At(stream, 15), 0u); // time stamp
    EXPECT_EQ(stream[19], 0x20);       // attribute
    EXPECT_EQ(stream[20], 1);          // level
    EXPECT_EQ(stream[21], 0);          // name length
    EXPECT_EQ(stream[22] | (stream[23] << 8), referenceCrc(input));
    EXPECT_EQ(stream[24], 0x20);                  // system
    EXPECT_EQ(stream[25] | (stream[26] << 8), 0); // no extended header
    EXPECT_EQ(stream.back(), 0);                  // end of archive
}

TEST(Lh5Compress, GivesZeroWhenTheDataDoesNotShrink)
{
    Bytes out(1024);
    EXPECT_EQ(Lh5Compress(std::span<const uint8_t>(), out), 0u);
    const uint8_t one[] = {'a'};
    EXPECT_EQ(Lh5Compress(one, out), 0u);
    const Bytes noise = randomBytes(64 * 1024, 7);
    Bytes big(noise.size() + LH5_STREAM_OVERHEAD);
    EXPECT_EQ(Lh5Compress(noise, big), 0u);
    // Mostly noise with a compressible head: still not smaller overall.
    Bytes mixed(2000, 'a');
    const Bytes tail = randomBytes(60000, 8);
    mixed.insert(mixed.end(), tail.begin(), tail.end());
    Bytes out2(mixed.size() + LH5_STREAM_OVERHEAD);
    const std::size_t n = Lh5Compress(mixed, out2);
    EXPECT_TRUE(n == 0 || n - LH5_STREAM_OVERHEAD < mixed.size());
}

TEST(Lh5Compress, RefusesAnOutputBufferThatIsTooSmall)
{
    const Bytes input(4096, 'x');
    Bytes out(input.size() + LH5_STREAM_OVERHEAD - 1);
    EXPECT_EQ(Lh5Compress(input, out), 0u);
}

TEST(Lh5Compress, ReadsTheRangesInOrderUpToTheTotalLength)
{
    const Bytes whole = textBytes(30000, 3);
    const std::span<const uint8_t> all(whole);
    const std::span<const uint8_t> ranges[] = {all.first(1), all.subspan(1, 9000), all.subspan(9001, 0),
                                               all.subspan(9001)};
    Bytes split(whole.size() + LH5_STREAM_OVERHEAD);
    split.resize(Lh5Compress(ranges, whole.size(), split));
    EXPECT_EQ(split, compress(whole));

    // Only the first 20000 bytes are taken.
    Bytes partial(whole.size() + LH5_STREAM_OVERHEAD);
    partial.resize(Lh5Compress(ranges, 20000, partial));
    EXPECT_EQ(partial, compress(all.first(20000)));
}

struct RoundTripCase {
    const char* name;
    Bytes input;
};

class Lh5RoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(Lh5RoundTrip, ExpandsToTheOriginal)
{
    const Bytes& input = GetParam().input;
    const Bytes stream = compress(input);
    ASSERT_FALSE(stream.empty()) << "did not compress";
    EXPECT_LT(stream.size() - LH5_STREAM_OVERHEAD, input.size());
    EXPECT_EQ(le32At(stream, 11), input.size());
    EXPECT_EQ(expand(stream, input.size()), input);
}

namespace {

Bytes concat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const auto& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

std::vector<RoundTripCase> roundTripCases()
{
    std::vector<RoundTripCase> cases = {
        {"TwoBytesSame", Bytes(2, 'a')}, // too short to shrink? checked below
        {"ShortRun", Bytes(40, 0)},
        {"LongRun", Bytes(100000, 0xAB)},
        {"Text", textBytes(50000, 1)},
        {"TextLarge", textBytes(1 << 20, 2)},
        {"Skewed", skewedBytes(70000, 3)},
        {"TwoSymbols", skewedBytes(30000, 4, 2)},
        {"ManyBlocks", skewedBytes(400000, 5, 40)},
        {"RepeatAt8191", repeatedAt(8191, 600, 6)},
        {"RepeatAt8192", repeatedAt(8192, 600, 7)},
        {"RepeatAt8193", repeatedAt(8193, 600, 8)},
        {"MatchesLongerThan256", concat({randomBytes(1000, 9), randomBytes(1000, 9), randomBytes(1000, 9)})},
        {"TextThenNoise", concat({textBytes(40000, 10), randomBytes(5000, 11), textBytes(40000, 12)})},
        {"Sawtooth",
         [] {
             Bytes b(90000);
             for (std::size_t i = 0; i < b.size(); ++i)
                 b[i] = static_cast<uint8_t>(i % 251);
             return b;
         }()},
        {"AllByteValues",
         [] {
             Bytes b;
             for (int r = 0; r < 40; ++r)
                 for (int i = 0; i < 256; ++i)
                     b.push_back(static_cast<uint8_t>(i * 7 + r));
             return b;
         }()},
    };
    cases.erase(cases.begin()); // two bytes never shrink: covered by the unpackable test
    for (uint32_t seed = 100; seed < 120; ++seed) {
        // Random sizes around the 8 KiB window and the symbol buffer's block boundary.
        std::mt19937 rng(seed);
        const std::size_t size = 3 + rng() % 40000;
        cases.push_back({"RandomSkewed", skewedBytes(size, seed, 2 + static_cast<int>(rng() % 60))});
    }
    return cases;
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Inputs, Lh5RoundTrip, testing::ValuesIn(roundTripCases()),
                         [](const testing::TestParamInfo<RoundTripCase>& info) {
                             return std::string(info.param.name) + "_" + std::to_string(info.index);
                         });

TEST(Lh5Expand, CopiesStoredMembersAndDecodesLh4LikeLh5)
{
    const Bytes input = textBytes(20000, 21);
    Bytes stream = compress(input);
    stream[5] = '4';
    EXPECT_EQ(expand(stream, input.size()), input);

    // A stored member: the header with method 0 and sizes equal, then the bytes themselves.
    Bytes stored(stream.begin(), stream.begin() + 27);
    stored[5] = '0';
    for (int i = 0; i < 4; ++i)
        stored[7 + i] = static_cast<uint8_t>(input.size() >> (8 * i));
    stored.insert(stored.end(), input.begin(), input.end());
    stored.push_back(0);
    EXPECT_EQ(expand(stored, input.size()), input);
}

TEST(Lh5Expand, RejectsOtherMethodsAndEmptyMembers)
{
    const Bytes input = textBytes(5000, 22);
    const Bytes stream = compress(input);
    for (const char digit : {'6', '7', '1', 'x'}) {
        Bytes other = stream;
        other[5] = static_cast<uint8_t>(digit);
        EXPECT_EQ(expand(other, input.size()).size(), 0u) << digit;
    }
    Bytes noDash = stream;
    noDash[6] = 'x';
    EXPECT_EQ(expand(noDash, input.size()).size(), 0u);

    Bytes empty = stream;
    std::memset(empty.data() + 11, 0, 4);
    Bytes out(input.size(), 0x55);
    EXPECT_EQ(Lh5Expand(empty, out), 0u);
    EXPECT_EQ(out, Bytes(input.size(), 0x55)); // nothing written

    Bytes zeroHeader = stream;
    zeroHeader[0] = 0;
    EXPECT_EQ(expand(zeroHeader, input.size()).size(), 0u);
}

TEST(Lh5Expand, SkipsExtendedHeadersAndReducesThePackedSize)
{
    const Bytes input = textBytes(30000, 23);
    const Bytes stream = compress(input);
    const uint32_t packed = le32At(stream, 7);
    // Two extended headers (type byte, data, size of the next one) between header and coded data.
    const Bytes ext1 = {0x01, 'n', 'a', 'm', 'e', 6, 0};
    const Bytes ext2 = {0x54, 1, 2, 3, 0, 0};
    Bytes withExt(stream.begin(), stream.begin() + 27);
    withExt[25] = static_cast<uint8_t>(ext1.size());
    const uint32_t newPacked = packed + static_cast<uint32_t>(ext1.size() + ext2.size());
    for (int i = 0; i < 4; ++i)
        withExt[7 + i] = static_cast<uint8_t>(newPacked >> (8 * i));
    withExt.insert(withExt.end(), ext1.begin(), ext1.end());
    withExt.insert(withExt.end(), ext2.begin(), ext2.end());
    withExt.insert(withExt.end(), stream.begin() + 27, stream.end());
    EXPECT_EQ(expand(withExt, input.size()), input);

    // An extended header running past the end of the stream is refused.
    Bytes cut(withExt.begin(), withExt.begin() + 30);
    EXPECT_EQ(expand(cut, input.size()).size(), 0u);
}

TEST(Lh5Expand, RefusesAnOutputSmallerThanTheStatedSize)
{
    const Bytes input = textBytes(9000, 24);
    const Bytes stream = compress(input);
    Bytes out(input.size() - 1, 0x55);
    EXPECT_EQ(Lh5Expand(stream, out), 0u);
    EXPECT_EQ(out, Bytes(input.size() - 1, 0x55));
    // A larger buffer is fine; only the stated size is written.
    Bytes roomy(input.size() + 100, 0x55);
    EXPECT_EQ(Lh5Expand(stream, roomy), input.size());
    EXPECT_TRUE(std::equal(input.begin(), input.end(), roomy.begin()));
    EXPECT_EQ(roomy.back(), 0x55);
}
