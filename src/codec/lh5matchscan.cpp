#include "codec/lh5matchscan.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <new>
#include <system_error>

namespace kvx {

namespace {

constexpr int WINDOW = Lh5MatchFinder::WINDOW;
constexpr int MAX_MATCH = Lh5MatchFinder::MAX_MATCH;
// The reader is told about new matches in steps of this many, so that waking it stays rare.
constexpr std::size_t PUBLISH_STEP = 4096;
// Storage kept for later compressions holds at most this many matches (a 2 MiB input's worth).
constexpr std::size_t KEPT_MATCHES = 1 << 20;

std::mutex keptMutex;
std::unique_ptr<Lh5MatchScan::Work> kept;

std::unique_ptr<Lh5MatchScan::Work> takeWork()
{
    {
        const std::lock_guard lock(keptMutex);
        if (kept)
            return std::move(kept);
    }
    return std::make_unique<Lh5MatchScan::Work>();
}

void keepWork(std::unique_ptr<Lh5MatchScan::Work> work)
{
    if (work->matches.capacity() > KEPT_MATCHES)
        return;
    const std::lock_guard lock(keptMutex);
    kept = std::move(work);
}

} // namespace

Lh5MatchScan::Lh5MatchScan(std::span<const uint8_t> input, const Lh5ScanPlan& plan,
                           std::unique_ptr<Work> work)
        : input_(input)
        , plan_(plan)
        , nextRead_(plan.warmStart)
        , work_(std::move(work))
        , recorded_(plan.firstCheckpoint)
        , known_(plan.firstCheckpoint)
{}

std::unique_ptr<Lh5MatchScan> Lh5MatchScan::start(std::span<const uint8_t> input, const Lh5ScanPlan& plan)
{
    try {
        std::unique_ptr<Work> work = takeWork();
        work->finder.reset();
        work->matches.resize(plan.end - plan.firstCheckpoint);
        work->states.resize(static_cast<std::size_t>(plan.checkpoints));
        std::unique_ptr<Lh5MatchScan> scan(new Lh5MatchScan(input, plan, std::move(work)));
        scan->thread_ = std::thread(&Lh5MatchScan::run, scan.get());
        return scan;
    } catch (const std::bad_alloc&) {
        return nullptr;
    } catch (const std::system_error&) {
        return nullptr;
    }
}

Lh5MatchScan::~Lh5MatchScan()
{
    cancelled_.store(true, std::memory_order_relaxed);
    if (thread_.joinable())
        thread_.join();
    keepWork(std::move(work_));
}

// Fills the finder's text exactly as the encoder does, so that both hold the same bytes.
std::size_t Lh5MatchScan::read(uint8_t* to, std::size_t count)
{
    const std::size_t n = std::min(count, input_.size() - nextRead_);
    if (n > 0)
        std::memcpy(to, input_.data() + nextRead_, n);
    nextRead_ += n;
    return n;
}

void Lh5MatchScan::publish(std::size_t recorded)
{
    recorded_.store(recorded, std::memory_order_release);
    recorded_.notify_all();
}

void Lh5MatchScan::run()
{
    Lh5MatchFinder& finder = work_->finder;
    read(finder.text() + WINDOW, WINDOW + MAX_MATCH);
    finder.start();
    std::size_t at = plan_.warmStart;
    std::size_t nextCheckpoint = plan_.firstCheckpoint;
    int described = 0;
    for (;;) {
        if (at >= plan_.firstCheckpoint) {
            work_->matches[at - plan_.firstCheckpoint] = {static_cast<uint16_t>(finder.matchLength),
                                                          static_cast<uint16_t>(finder.distanceCode())};
            if (at == nextCheckpoint && described < plan_.checkpoints) {
                finder.describeState(work_->states[static_cast<std::size_t>(described)]);
                described_.store(++described, std::memory_order_release);
                described_.notify_all();
                nextCheckpoint += WINDOW;
            }
        }
        if (++at == plan_.end)
            break;
        if (at % PUBLISH_STEP == 0) {
            if (at > plan_.firstCheckpoint)
                publish(at);
            if (cancelled_.load(std::memory_order_relaxed))
                break;
        }
        if (finder.advance())
            read(finder.text() + WINDOW + MAX_MATCH, WINDOW);
        finder.replaceOldest();
    }
    // Also ends the waits of a reader of a cancelled scan; it will not look at what they wait for.
    publish(plan_.end);
    described_.store(plan_.checkpoints, std::memory_order_release);
    described_.notify_all();
}

bool Lh5MatchScan::reachedStateOf(int k, const Lh5MatchFinder& finder)
{
    int described;
    while ((described = described_.load(std::memory_order_acquire)) <= k)
        described_.wait(described, std::memory_order_acquire);
    if (cancelled_.load(std::memory_order_relaxed))
        return false;
    try {
        finder.describeState(work_->callerState);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return work_->callerState == work_->states[static_cast<std::size_t>(k)];
}

void Lh5MatchScan::waitFor(std::size_t at)
{
    std::size_t recorded;
    while ((recorded = recorded_.load(std::memory_order_acquire)) <= at)
        recorded_.wait(recorded, std::memory_order_acquire);
    known_ = recorded;
}

Lh5MatchFinder& Lh5MatchScan::finishedFinder()
{
    if (thread_.joinable())
        thread_.join();
    return work_->finder;
}

} // namespace kvx
