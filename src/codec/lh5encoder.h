#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "codec/lh5blockwriter.h"
#include "codec/lh5matchfinder.h"
#include "codec/lh5matchscan.h"

namespace kvx {

// How the encoder shares its work; the stream is the same either way.
struct Lh5EncoderOptions {
    // From this input length on, a second thread finds the matches of the input's second half (0: never).
    std::size_t parallelFrom = 256 * 1024;
    // Windows the second thread's finder runs before that half, and the window-spaced checkpoints at
    // which the encoder looks whether the two finders have come to the same state.
    int warmWindows = 4;
    int checkpoints = 8;
};

// How the work was shared in the end.
struct Lh5EncoderReport {
    int checkpointMet = -1;          // the checkpoint at which the finders were found alike, or -1
    std::size_t matchesFromScan = 0; // positions whose matches came from the scan
};

// One compression: reads the input ranges, parses them with one-step lazy matching and writes the
// coded data behind the header space of the output.
//
// It works in one block of memory, its workspace: the encoder itself (about 350 KiB) at the start,
// then the second thread's finder and match record when the input is long enough for one.
class Lh5Encoder {
public:
    // The workspace an input of this length needs, for an encoder placed at its start.
    static std::size_t workspaceSize(std::size_t totalLength, const Lh5EncoderOptions& options = {});

    // To be constructed at the start of a workspace of workspaceSize() bytes; zeroed tells that all of
    // it still reads as zero (fresh pages), which spares clearing the finders' tables.
    Lh5Encoder(std::span<const std::span<const uint8_t>> input, std::size_t totalLength, uint8_t* codedOut,
               std::size_t workspaceSize, bool zeroed, const Lh5EncoderOptions& options = {});

    // Runs the whole parse. False when the stream turned out unpackable.
    bool encode();

    std::size_t codedSize() const { return bits_.written(); }
    std::size_t consumed() const { return consumed_; }
    uint16_t crc() const { return crc_; }
    const Lh5EncoderReport& report() const { return report_; }

private:
    static std::optional<Lh5ScanPlan> planScan(std::size_t totalLength, const Lh5EncoderOptions& options);
    int readInput(uint8_t* to, int count);
    void startScan();
    void advance();
    void checkpoint();
    void takeOverScan();
    void capMatch();
    uint8_t previousByte() const;

    std::span<const std::span<const uint8_t>> input_;
    Lh5EncoderOptions options_;
    std::size_t rangeIndex_ = 0;
    std::size_t rangeOffset_ = 0;
    std::size_t toRead_;
    std::size_t consumed_ = 0;
    std::size_t workspaceSize_;
    bool zeroed_;
    uint16_t crc_ = 0;
    int remaining_ = 0;

    std::size_t at_ = 0; // input offset of the current position
    int length_ = 0;     // the current position's match
    unsigned distanceCode_ = 0;
    Lh5MatchFinder finder_;
    Lh5MatchFinder* live_ = &finder_; // the finder in use: ours, or the scan's once it has ended

    // Working with a scan: the input in one piece, the scan, and the stretch of positions whose matches
    // come from its record.
    std::vector<uint8_t> joined_;
    std::span<const uint8_t> whole_;
    std::unique_ptr<Lh5MatchScan> scan_;
    std::size_t nextCheckpoint_ = SIZE_MAX;
    int checkpointIndex_ = 0;
    std::size_t recordedFrom_ = SIZE_MAX;
    std::size_t recordedEnd_ = 0;
    Lh5EncoderReport report_;

    Lh5BitWriter bits_;
    Lh5BlockWriter blocks_;
};

// Lh5Compress with the given sharing of work, telling how it went (for tests and benchmarks).
std::size_t Lh5CompressWith(std::span<const std::span<const uint8_t>> input, std::size_t totalLength,
                            std::span<uint8_t> output, const Lh5EncoderOptions& options,
                            Lh5EncoderReport* report = nullptr);

} // namespace kvx
