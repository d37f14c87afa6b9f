#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/status.h"

namespace kvx {

constexpr std::size_t CKVX_EXPAND_BUFFER_SIZE = 2 * 1024 * 1024;

// A chunk: "CKVX", the length of the LH5 stream that follows and the length of the data it holds (both
// big-endian, 4 bytes each), then the stream.
constexpr std::size_t CKVX_CHUNK_HEADER_SIZE = 12;

// StatusCompressed (12) when bytes 16..19 of the file are "CKVX", else 0 (also for files shorter than
// 20 bytes); StatusBadFormat when no data is given at all.
int CheckCompFile(std::span<const uint8_t> file);

// Expands a CKVX file into the KVX image it holds (at most CKVX_EXPAND_BUFFER_SIZE bytes). The image
// still has to be validated.
//
// After the 16 header bytes any sequence of chunks and plain bytes is accepted. A file cut short within
// a chunk (its header or its stream) and a chunk that does not expand to its stated length give
// StatusBrokenCompressedData; an image that would not fit the buffer gives StatusBadFormat. When a
// chunk's data does not match the CRC in its stream header the result is StatusDamagedData, with `image`
// holding the data as it expanded, so that the caller can still validate it and let the user decide. A file
// that CheckCompFile does not report as compressed is left alone: StatusOk, image unchanged.
Status ExpandCompFile(std::span<const uint8_t> file, std::vector<uint8_t>& image);

// The CKVX form of a KVX image, built in memory: header, one chunk holding the body, trailer. An image
// whose body does not compress (or that is too short or too large to hold one) comes back unchanged.
std::vector<uint8_t> PackCompFile(std::span<const uint8_t> image);

// Packs data into one chunk at the start of output, which must hold data.size() + 40 bytes. Returns 0
// and sets chunkLength (stream length + 12), or -1 when the data does not compress.
int PackCompChunk(std::span<const uint8_t> data, std::span<uint8_t> output, std::size_t& chunkLength);

// Unpacks the chunk at the start of `chunk` into output. chunkLength becomes the stored stream length
// + 12 and expandedLength the number of bytes the stream expanded to. Returns 0 when that equals the
// chunk's stored data length, else -1. A chunk must start with "CKVX" and a zero byte (the top byte of
// the stream length) and hold its 12 header bytes; otherwise the result is -1 and chunkLength is 0.
int UnpackCompChunk(std::span<const uint8_t> chunk, std::size_t& chunkLength, std::span<uint8_t> output,
                    std::size_t& expandedLength);

// Rewrites the plain KVX file at `path` into its CKVX form; 0 on success. The compressed form is
// written to `path` + "_tmp" and renamed over the file, so the file is never left half written; the
// temporary file is removed in every case. Results: 1 when the file cannot be read or the temporary
// file cannot be written or moved into place, 2 when the file holds fewer than 16 bytes, 3 when its
// body cannot be read whole, 11 when its last 4 bytes cannot be read. Failures after the file was
// opened print "SaveCompFile >> ERROR!!(ret = N)" on standard error.
int SaveCompFile(const std::string& path);

} // namespace kvx
