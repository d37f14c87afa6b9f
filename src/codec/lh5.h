#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace kvx {

// Bytes an LH5 stream adds to its coded data: the 27-byte member header and the end byte.
constexpr std::size_t LH5_HEADER_SIZE = 27;
constexpr std::size_t LH5_STREAM_OVERHEAD = LH5_HEADER_SIZE + 1;

// Compresses the first totalLength bytes of the ranges, read one after the other, into a one-member
// "-lh5-" stream (level-1 header without a name, coded data, end byte 0). The output must hold
// totalLength + LH5_STREAM_OVERHEAD bytes. Returns the stream length, or 0 when the coded data would
// not be smaller than the input (always so for empty and 1-byte inputs) or the output is too small.
std::size_t Lh5Compress(std::span<const std::span<const uint8_t>> input, std::size_t totalLength,
                        std::span<uint8_t> output);
std::size_t Lh5Compress(std::span<const uint8_t> input, std::span<uint8_t> output);

// Expands the first member of an LHA stream stored as "-lh0-", "-lh4-" or "-lh5-" into output.
// Returns the uncompressed size stated in the header, or 0 when the header is not such a member,
// states a size of 0 or one larger than output, or the coded data is damaged beyond decoding. Never
// reads outside the stream (a short stream decodes against zero bits) nor writes outside output.
std::size_t Lh5Expand(std::span<const uint8_t> stream, std::span<uint8_t> output);

} // namespace kvx
