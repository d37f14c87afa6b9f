#include "codec/lh5.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <new>

#include "codec/lh5decoder.h"
#include "codec/lh5encoder.h"
#include "codec/lh5header.h"

namespace kvx {

std::size_t Lh5CompressWith(std::span<const std::span<const uint8_t>> input, std::size_t totalLength,
                            std::span<uint8_t> output, const Lh5EncoderOptions& options,
                            Lh5EncoderReport* report)
{
    if (totalLength > std::numeric_limits<uint32_t>::max() ||
        output.size() < totalLength + LH5_STREAM_OVERHEAD)
        return 0;
    // Without working storage the data is simply not compressed; the caller then stores it as it is.
    std::unique_ptr<Lh5Encoder> encoder(
        new (std::nothrow) Lh5Encoder(input, totalLength, output.data() + LH5_HEADER_SIZE, options));
    if (!encoder)
        return 0;
    const bool packed = encoder->encode();
    if (report != nullptr)
        *report = encoder->report();
    if (!packed)
        return 0;
    const std::size_t coded = encoder->codedSize();
    if (coded >= encoder->consumed())
        return 0;
    output[LH5_HEADER_SIZE + coded] = 0; // end of archive
    WriteLh5Header(output, static_cast<uint32_t>(coded), static_cast<uint32_t>(encoder->consumed()),
                   encoder->crc());
    return coded + LH5_STREAM_OVERHEAD;
}

std::size_t Lh5Compress(std::span<const std::span<const uint8_t>> input, std::size_t totalLength,
                        std::span<uint8_t> output)
{
    return Lh5CompressWith(input, totalLength, output, {});
}

std::size_t Lh5Compress(std::span<const uint8_t> input, std::span<uint8_t> output)
{
    const std::span<const uint8_t> ranges[] = {input};
    return Lh5Compress(ranges, input.size(), output);
}

std::size_t Lh5Expand(std::span<const uint8_t> stream, std::span<uint8_t> output)
{
    const auto header = ReadLh5Header(stream);
    if (!header || header->uncompressedSize == 0 || header->uncompressedSize > output.size())
        return 0;
    const std::size_t size = header->uncompressedSize;
    const auto coded = stream.subspan(
        header->dataOffset, std::min<std::size_t>(header->packedSize, stream.size() - header->dataOffset));
    const auto out = output.first(size);
    if (header->method == '0') {
        // Stored: what the stream lacks reads as zero bytes, like coded data past its end.
        const std::size_t n = std::min(coded.size(), size);
        if (n > 0)
            std::memcpy(out.data(), coded.data(), n);
        std::memset(out.data() + n, 0, size - n);
        return size;
    }
    Lh5Decoder decoder(coded);
    return decoder.decode(out) ? size : 0;
}

} // namespace kvx
