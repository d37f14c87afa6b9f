// Expands arbitrary bytes as an LH5 stream into a buffer of exactly the stated size, so that any read
// or write outside the given ranges is caught; then checks that the same bytes survive a round trip
// through the encoder (for inputs up to 2 KiB).
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "codec/lh5.h"
#include "codec/lh5header.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::vector<uint8_t> stream(data, data + size);
    if (const auto header = kvx::ReadLh5Header(stream); header && header->uncompressedSize <= (256u << 10)) {
        std::vector<uint8_t> out(header->uncompressedSize);
        const std::size_t n = kvx::Lh5Expand(stream, out);
        if (n != 0 && n != out.size())
            std::abort();
    }

    // Small inputs are enough to drive the encoder through its paths and keep the runs fast.
    if (size > 2048)
        return 0;
    std::vector<uint8_t> packed(size + kvx::LH5_STREAM_OVERHEAD);
    const std::size_t packedSize = kvx::Lh5Compress(stream, packed);
    if (packedSize != 0) {
        packed.resize(packedSize);
        std::vector<uint8_t> back(size);
        if (kvx::Lh5Expand(packed, back) != size || back != stream)
            std::abort();
    }
    return 0;
}
