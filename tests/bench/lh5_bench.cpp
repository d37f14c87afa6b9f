#include <benchmark/benchmark.h>

#include "codec/ckvx.h"
#include "codec/lh5.h"
#include "codec/lh5encoder.h"
#include "support/mixeddata.h"
#include "support/sampledatabase.h"

using namespace kvx;

namespace {

const std::vector<uint8_t>& largeImage()
{
    static const std::vector<uint8_t> image = [] {
        ChannelDatabase db = test::makeLargeDatabase();
        return test::imageOf(db);
    }();
    return image;
}

const std::vector<uint8_t>& mixedData()
{
    static const std::vector<uint8_t> data = test::makeMixedData(1024 * 1024);
    return data;
}

// Compression may use a second thread: its figures are wall-clock time (the CPU column then counts
// both threads). The one-thread variants show what the match finder alone achieves.
void compressBench(benchmark::State& state, const std::vector<uint8_t>& input,
                   const Lh5EncoderOptions& options = {})
{
    std::vector<uint8_t> out(input.size() + LH5_STREAM_OVERHEAD);
    const std::span<const uint8_t> ranges[] = {input};
    std::size_t size = 0;
    Lh5EncoderReport report;
    for (auto _ : state) {
        size = Lh5CompressWith(ranges, input.size(), out, options, &report);
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["inputBytes"] = static_cast<double>(input.size());
    state.counters["streamBytes"] = static_cast<double>(size);
    state.counters["ratio"] = static_cast<double>(size) / static_cast<double>(input.size());
    state.counters["fromScan"] = static_cast<double>(report.matchesFromScan);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.size()));
}

Lh5EncoderOptions oneThread()
{
    Lh5EncoderOptions options;
    options.parallelFrom = 0;
    return options;
}

void expandBench(benchmark::State& state, const std::vector<uint8_t>& input)
{
    std::vector<uint8_t> stream(input.size() + LH5_STREAM_OVERHEAD);
    stream.resize(Lh5Compress(input, stream));
    std::vector<uint8_t> out(input.size());
    for (auto _ : state) {
        if (Lh5Expand(stream, out) != input.size())
            state.SkipWithError("expansion failed");
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.size()));
}

void BM_Lh5CompressImage(benchmark::State& state)
{
    compressBench(state, largeImage());
}
void BM_Lh5ExpandImage(benchmark::State& state)
{
    expandBench(state, largeImage());
}
void BM_Lh5CompressMixed(benchmark::State& state)
{
    compressBench(state, mixedData());
}
void BM_Lh5CompressImageOneThread(benchmark::State& state)
{
    compressBench(state, largeImage(), oneThread());
}
void BM_Lh5CompressMixedOneThread(benchmark::State& state)
{
    compressBench(state, mixedData(), oneThread());
}
void BM_Lh5ExpandMixed(benchmark::State& state)
{
    expandBench(state, mixedData());
}

// The whole open path of a compressed file: container walk and expansion into the 2 MiB buffer.
void BM_ExpandCompFile(benchmark::State& state)
{
    const std::vector<uint8_t> file = PackCompFile(largeImage());
    std::vector<uint8_t> image;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ExpandCompFile(file, image));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * largeImage().size()));
}

} // namespace

BENCHMARK(BM_Lh5CompressImage)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK(BM_Lh5ExpandImage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Lh5CompressMixed)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK(BM_Lh5CompressImageOneThread)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Lh5CompressMixedOneThread)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Lh5ExpandMixed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExpandCompFile)->Unit(benchmark::kMillisecond);
