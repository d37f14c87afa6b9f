#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "codec/lh5blockwriter.h"
#include "codec/lh5matchfinder.h"

namespace kvx {

// One compression: reads the input ranges, parses them with one-step lazy matching and writes the
// coded data behind the header space of the output. Large (about 170 KiB): allocate it on the heap.
class Lh5Encoder {
public:
    Lh5Encoder(std::span<const std::span<const uint8_t>> input, std::size_t totalLength, uint8_t* codedOut);

    // Runs the whole parse. False when the stream turned out unpackable.
    bool encode();

    std::size_t codedSize() const { return bits_.written(); }
    std::size_t consumed() const { return consumed_; }
    uint16_t crc() const { return crc_; }

private:
    int readInput(uint8_t* to, int count);
    void advance();
    void capMatch();

    std::span<const std::span<const uint8_t>> input_;
    std::size_t rangeIndex_ = 0;
    std::size_t rangeOffset_ = 0;
    std::size_t toRead_;
    std::size_t consumed_ = 0;
    uint16_t crc_ = 0;
    int remaining_ = 0;
    Lh5MatchFinder finder_;
    Lh5BitWriter bits_;
    Lh5BlockWriter blocks_;
};

} // namespace kvx
