#include <benchmark/benchmark.h>

#include "db/kvximage.h"
#include "platform/clock.h"
#include "support/sampledatabase.h"

using namespace kvx;

namespace {

ChannelDatabase& largeDatabase()
{
    static ChannelDatabase db = test::makeLargeDatabase();
    return db;
}

void BM_LoadImage(benchmark::State& state)
{
    const std::vector<uint8_t> image = test::imageOf(largeDatabase());
    for (auto _ : state) {
        ChannelDatabase db;
        benchmark::DoNotOptimize(ValidateImage(image));
        benchmark::DoNotOptimize(LoadImage(db, image));
    }
    state.counters["imageBytes"] = static_cast<double>(image.size());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * image.size()));
}
BENCHMARK(BM_LoadImage)->Unit(benchmark::kMillisecond);

void BM_WriteImage(benchmark::State& state)
{
    ChannelDatabase& db = largeDatabase();
    std::vector<uint8_t> buffer(KVX_IMAGE_BUFFER_SIZE);
    const FixedClock clock({2020, 1, 1});
    std::size_t size = 0;
    for (auto _ : state) {
        size = WriteImage(db, buffer, clock).size;
        benchmark::DoNotOptimize(buffer.data());
    }
    state.counters["imageBytes"] = static_cast<double>(size);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}
BENCHMARK(BM_WriteImage)->Unit(benchmark::kMillisecond);

} // namespace
