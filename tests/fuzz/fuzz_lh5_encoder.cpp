// Drives the encoder past its 8 KiB window, where strings leave the match finder and its nodes are
// merged and reused: the fuzz input is a recipe of literal runs and back-references that expands to up
// to 96 KiB of data with long and overlapping repeats. The stream must expand to the same bytes, and a
// second thread finding matches ahead must not change a byte of it.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "codec/lh5.h"
#include "codec/lh5encoder.h"

namespace {

constexpr std::size_t LIMIT = 96 * 1024;

// Byte 0x00..0x7F: copy the next (op + 1) bytes. Byte 0x80..0xFF: with the next two bytes, a
// back-reference of (next + 3) bytes at a distance of ((op & 0x7F) << 8 | after) + 1, repeated
// (op & 3) + 1 times so that matches of 256 bytes and more appear.
std::vector<uint8_t> expandRecipe(const uint8_t* data, std::size_t size)
{
    std::vector<uint8_t> out;
    std::size_t i = 0;
    while (i < size && out.size() < LIMIT) {
        const uint8_t op = data[i++];
        if (op < 0x80) {
            const std::size_t n = std::min<std::size_t>(op + 1u, size - i);
            out.insert(out.end(), data + i, data + i + n);
            i += n;
            continue;
        }
        if (i + 2 > size)
            break;
        const std::size_t length = data[i] + 3u;
        const std::size_t distance = ((static_cast<std::size_t>(op & 0x7F) << 8) | data[i + 1]) + 1;
        i += 2;
        if (distance > out.size())
            continue;
        for (int repeat = 0; repeat <= (op & 3); ++repeat)
            for (std::size_t k = 0; k < length && out.size() < LIMIT; ++k)
                out.push_back(out[out.size() - distance]);
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::vector<uint8_t> input = expandRecipe(data, size);
    std::vector<uint8_t> packed(input.size() + kvx::LH5_STREAM_OVERHEAD);
    const std::size_t packedSize = kvx::Lh5Compress(input, packed);
    if (packedSize == 0)
        return 0;
    packed.resize(packedSize);
    std::vector<uint8_t> back(input.size());
    if (kvx::Lh5Expand(packed, back) != input.size() || back != input)
        std::abort();

    kvx::Lh5EncoderOptions shared;
    shared.parallelFrom = 16 * 1024;
    shared.warmWindows = 1;
    shared.checkpoints = 4;
    const std::span<const uint8_t> ranges[] = {input};
    std::vector<uint8_t> again(input.size() + kvx::LH5_STREAM_OVERHEAD);
    if (kvx::Lh5CompressWith(ranges, input.size(), again, shared) != packed.size() ||
        !std::equal(packed.begin(), packed.end(), again.begin()))
        std::abort();
    return 0;
}
