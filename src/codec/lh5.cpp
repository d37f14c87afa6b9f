#include "codec/lh5.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <mutex>
#include <new>

#include "codec/lh5decoder.h"
#include "codec/lh5encoder.h"
#include "codec/lh5header.h"
#include "platform/largebuffer.h"

namespace kvx {

namespace {

// The last compression's workspace is kept for the next one (up to a 2 MiB input's size): a program
// that saves again then reuses pages it has mapped already.
constexpr std::size_t KEPT_WORKSPACE_SIZE = 6 * 1024 * 1024;

std::mutex keptMutex;
LargeBuffer kept; // written by the compression that used it

struct Workspace {
    LargeBuffer memory;
    bool zeroed = false; // never written since it was mapped
};

Workspace takeWorkspace(std::size_t size)
{
    {
        const std::lock_guard lock(keptMutex);
        if (kept.size() >= size)
            return {std::move(kept), false};
    }
    LargeBuffer fresh(size);
    return {std::move(fresh), true};
}

void keepWorkspace(LargeBuffer memory)
{
    if (memory.size() > KEPT_WORKSPACE_SIZE)
        return;
    const std::lock_guard lock(keptMutex);
    if (memory.size() >= kept.size())
        kept = std::move(memory);
}

struct DestroyEncoder {
    void operator()(Lh5Encoder* encoder) const { encoder->~Lh5Encoder(); }
};

} // namespace

std::size_t Lh5CompressWith(std::span<const std::span<const uint8_t>> input, std::size_t totalLength,
                            std::span<uint8_t> output, const Lh5EncoderOptions& options,
                            Lh5EncoderReport* report)
{
    if (totalLength > std::numeric_limits<uint32_t>::max() ||
        output.size() < totalLength + LH5_STREAM_OVERHEAD)
        return 0;
    // Without working storage the data is simply not compressed; the caller then stores it as it is.
    Workspace workspace = takeWorkspace(Lh5Encoder::workspaceSize(totalLength, options));
    if (workspace.memory.empty())
        return 0;
    std::size_t result = 0;
    {
        const std::unique_ptr<Lh5Encoder, DestroyEncoder> encoder(
            new (workspace.memory.data()) Lh5Encoder(input, totalLength, output.data() + LH5_HEADER_SIZE,
                                                     workspace.memory.size(), workspace.zeroed, options));
        const bool packed = encoder->encode();
        if (report != nullptr)
            *report = encoder->report();
        const std::size_t coded = encoder->codedSize();
        if (packed && coded < encoder->consumed()) {
            output[LH5_HEADER_SIZE + coded] = 0; // end of archive
            WriteLh5Header(output, static_cast<uint32_t>(coded), static_cast<uint32_t>(encoder->consumed()),
                           encoder->crc());
            result = coded + LH5_STREAM_OVERHEAD;
        }
    }
    keepWorkspace(std::move(workspace.memory));
    return result;
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
