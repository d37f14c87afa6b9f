// A second thread may find the matches of the input's second part. Whatever it does, the stream must
// be the one a single thread writes: these tests compare both on inputs where the two match finders
// come to the same state at once, later, or never.

#include <gtest/gtest.h>

#include "codec/lh5encoder.h"
#include "codec_inputs.h"
#include "support/mixeddata.h"

namespace kvx::test {
namespace {

Bytes compressWith(std::span<const std::span<const uint8_t>> ranges, std::size_t total,
                   const Lh5EncoderOptions& options, Lh5EncoderReport* report = nullptr)
{
    Bytes out(total + LH5_STREAM_OVERHEAD);
    out.resize(Lh5CompressWith(ranges, total, out, options, report));
    return out;
}

Bytes compressWith(std::span<const uint8_t> input, const Lh5EncoderOptions& options,
                   Lh5EncoderReport* report = nullptr)
{
    const std::span<const uint8_t> ranges[] = {input};
    return compressWith(ranges, input.size(), options, report);
}

Lh5EncoderOptions oneThread()
{
    Lh5EncoderOptions options;
    options.parallelFrom = 0;
    return options;
}

Lh5EncoderOptions twoThreads(int warmWindows, int checkpoints)
{
    Lh5EncoderOptions options;
    options.parallelFrom = 64 * 1024;
    options.warmWindows = warmWindows;
    options.checkpoints = checkpoints;
    return options;
}

TEST(Lh5CompressParallel, TakesMatchesFromTheScanAndWritesTheSameStream)
{
    struct Case {
        const char* name;
        Bytes input;
        int warmWindows;
        int checkpointMet; // where the finders are known to meet for this input
    };
    const Case cases[] = {
        {"mixed, warm", makeMixedData(200000), 2, 0},
        {"mixed, cold", makeMixedData(200000), 0, 2},
        {"16 letters, short warm-up", skewedBytes(120000, 5, 16), 1, 1},
        {"shorter mixed, meeting late", makeMixedData(65536 + 3 * 8192), 1, 4},
    };
    for (const Case& c : cases) {
        Lh5EncoderReport report;
        const Bytes parallel = compressWith(c.input, twoThreads(c.warmWindows, 6), &report);
        EXPECT_EQ(report.checkpointMet, c.checkpointMet) << c.name;
        EXPECT_GT(report.matchesFromScan, c.input.size() / 4) << c.name;
        ASSERT_FALSE(parallel.empty()) << c.name;
        EXPECT_EQ(parallel, compressWith(c.input, oneThread())) << c.name;
        EXPECT_EQ(expand(parallel, c.input.size()), c.input) << c.name;
    }
}

TEST(Lh5CompressParallel, GoesOnAloneWhenTheFindersNeverMeet)
{
    // A twelve-word text keeps stale marks high in the trie that a late start never reproduces.
    const Bytes text = textBytes(150000, 3);
    Lh5EncoderReport report;
    const Bytes parallel = compressWith(text, twoThreads(4, 3), &report);
    EXPECT_EQ(report.checkpointMet, -1);
    EXPECT_EQ(report.matchesFromScan, 0u);
    EXPECT_EQ(parallel, compressWith(text, oneThread()));
}

TEST(Lh5CompressParallel, JoinsInputRangesForTheScan)
{
    const Bytes whole = makeMixedData(180000);
    const std::span<const uint8_t> all(whole);
    const std::span<const uint8_t> ranges[] = {all.first(1000), all.subspan(1000, 90000), all.subspan(91000)};
    Lh5EncoderReport report;
    const Bytes split = compressWith(ranges, whole.size(), twoThreads(2, 6), &report);
    EXPECT_GT(report.matchesFromScan, 0u);
    EXPECT_EQ(split, compressWith(whole, oneThread()));
    // Only the stated length is read, even when the ranges hold more.
    const Bytes shorter = compressWith(ranges, 150000, twoThreads(2, 6));
    EXPECT_EQ(shorter, compressWith(all.first(150000), oneThread()));
}

TEST(Lh5CompressParallel, StopsTheScanWhenTheInputTurnsOutUnpackable)
{
    const Bytes noise = randomBytes(400000, 8);
    Lh5EncoderReport report;
    EXPECT_TRUE(compressWith(noise, twoThreads(2, 6), &report).empty());
    EXPECT_EQ(report.matchesFromScan, 0u);
}

TEST(Lh5CompressParallel, ShortInputsStayOnOneThread)
{
    Lh5EncoderReport report;
    const Bytes input = makeMixedData(64 * 1024 - 1);
    EXPECT_EQ(compressWith(input, twoThreads(0, 1), &report), compressWith(input, oneThread()));
    EXPECT_EQ(report.checkpointMet, -1);

    Lh5EncoderOptions always = twoThreads(0, 1);
    always.parallelFrom = 1;
    for (const std::size_t size : {100u, 600u, 20000u}) {
        const Bytes small = makeMixedData(size);
        EXPECT_EQ(compressWith(small, always), compressWith(small, oneThread())) << size;
    }
}

} // namespace
} // namespace kvx::test
