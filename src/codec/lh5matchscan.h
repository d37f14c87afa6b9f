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

    // Null when the memory or the thread cannot be had; the encoder then works alone.
    static std::unique_ptr<Lh5MatchScan> start(std::span<const uint8_t> input, const Lh5ScanPlan& plan);
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
        return work_->matches[at - plan_.firstCheckpoint];
    }

    // Waits for the end of the scan; its finder, at position end - 1, then belongs to the caller for as
    // long as the scan lives.
    Lh5MatchFinder& finishedFinder();

    // The storage of one scan. The pages of a fresh allocation this size cost more to map than a good
    // part of the scan, so the last one is kept for the next compression.
    struct Work {
        Lh5MatchFinder finder;
        std::vector<Match> matches;
        std::vector<std::vector<uint32_t>> states;
        std::vector<uint32_t> callerState;
    };

private:
    Lh5MatchScan(std::span<const uint8_t> input, const Lh5ScanPlan& plan, std::unique_ptr<Work> work);
    void run();
    std::size_t read(uint8_t* to, std::size_t count);
    void publish(std::size_t recorded);
    void waitFor(std::size_t at);

    std::span<const uint8_t> input_;
    Lh5ScanPlan plan_;
    std::size_t nextRead_ = 0;
    std::unique_ptr<Work> work_;
    std::atomic<std::size_t> recorded_; // positions below this one are recorded
    std::atomic<int> described_{0};     // checkpoints described
    std::atomic<bool> cancelled_{false};
    std::size_t known_; // the reader's last look at recorded_
    std::thread thread_;
};

} // namespace kvx
