#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <thread>
#include <vector>

#include "codec/lh5matchfinder.h"

namespace kvx {

// Where a scan runs: it starts its own match finder at warmStart, records every position's match from
// firstCheckpoint up to (not including) end, describes its finder's state at `checkpoints` positions
// firstCheckpoint + k * WINDOW, and stops at position end - 1. warmStart and firstCheckpoint are
// multiples of the window, so that both finders lay out their text the same way.
struct Lh5ScanPlan {
    std::size_t warmStart = 0;
    std::size_t firstCheckpoint = 0;
    int checkpoints = 0;
    std::size_t end = 0;
};

// The match finder run ahead on a second thread over the second part of the input. Started cold some
// windows before that part, it usually comes to the very state the encoder's own finder has there; the
// encoder checks that at a checkpoint and from then on takes the recorded matches, which are then the
// ones its own finder would have found. Cancels and joins its thread when destroyed.
class Lh5MatchScan {
public:
    struct Match {
        uint16_t length;
        uint16_t distanceCode;
    };

    // The scan works in memory of the caller's, which must outlive it: its finder, the match record and
    // the state descriptions, this many bytes aligned as a finder.
    static std::size_t workspaceSize(const Lh5ScanPlan& plan);

    // Starts the scan in `workspace`; zeroed tells that all of it still reads as zero (fresh pages).
    // Null when the thread cannot be had; the encoder then works alone.
    static std::unique_ptr<Lh5MatchScan> start(std::span<const uint8_t> input, const Lh5ScanPlan& plan,
                                               uint8_t* workspace, bool zeroed);
    ~Lh5MatchScan();
    Lh5MatchScan(const Lh5MatchScan&) = delete;
    Lh5MatchScan& operator=(const Lh5MatchScan&) = delete;

    const Lh5ScanPlan& plan() const { return plan_; }

    // Waits for checkpoint k and tells whether `finder` is in the scan's state there.
    bool reachedStateOf(int k, const Lh5MatchFinder& finder);

    // The match at position `at` (firstCheckpoint <= at < end), waiting until it is recorded.
    Match matchAt(std::size_t at)
    {
        if (at >= known_)
            waitFor(at);
        return matches_[at - plan_.firstCheckpoint];
    }

    // Waits for the end of the scan; its finder, then at position end - 1, is the caller's again.
    Lh5MatchFinder& finishedFinder();

private:
    Lh5MatchScan(std::span<const uint8_t> input, const Lh5ScanPlan& plan, uint8_t* workspace, bool zeroed);
    uint32_t* state(int k) const
    {
        return states_ + static_cast<std::size_t>(k) * Lh5MatchFinder::MAX_STATE_WORDS;
    }
    void run();
    std::size_t read(uint8_t* to, std::size_t count);
    void publish(std::size_t recorded);
    void waitFor(std::size_t at);

    std::span<const uint8_t> input_;
    Lh5ScanPlan plan_;
    std::size_t nextRead_ = 0;
    Lh5MatchFinder& finder_;
    Match* matches_;
    uint32_t* states_; // the checkpoints' descriptions, then the caller's
    std::vector<std::size_t> stateSizes_;
    std::atomic<std::size_t> recorded_; // positions below this one are recorded
    std::atomic<int> described_{0};     // checkpoints described
    std::atomic<bool> cancelled_{false};
    std::size_t known_; // the reader's last look at recorded_
    std::thread thread_;
};

} // namespace kvx
