#include "codec/lh5matchscan.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <system_error>
#include <type_traits>

namespace kvx {

namespace {

constexpr int WINDOW = Lh5MatchFinder::WINDOW;
constexpr int MAX_MATCH = Lh5MatchFinder::MAX_MATCH;
// The reader is told about new matches in steps of this many, so that waking it stays rare.
constexpr std::size_t PUBLISH_STEP = 4096;

constexpr std::size_t alignedSize(std::size_t n)
{
    return (n + 63) / 64 * 64;
}

// The workspace: the finder, the state descriptions, then the match record.
constexpr std::size_t STATES_AT = alignedSize(sizeof(Lh5MatchFinder));

std::size_t matchesAt(const Lh5ScanPlan& plan)
{
    return STATES_AT + alignedSize((static_cast<std::size_t>(plan.checkpoints) + 1) *
                                   Lh5MatchFinder::MAX_STATE_WORDS * 4);
}

} // namespace

std::size_t Lh5MatchScan::workspaceSize(const Lh5ScanPlan& plan)
{
    return matchesAt(plan) + (plan.end - plan.firstCheckpoint) * sizeof(Match);
}

Lh5MatchScan::Lh5MatchScan(std::span<const uint8_t> input, const Lh5ScanPlan& plan, uint8_t* workspace,
                           bool zeroed)
        : input_(input)
        , plan_(plan)
        , nextRead_(plan.warmStart)
        , finder_(zeroed ? *new (workspace) Lh5MatchFinder(Lh5MatchFinder::InZeroedMemory{})
                         : *new (workspace) Lh5MatchFinder())
        , matches_(reinterpret_cast<Match*>(workspace + matchesAt(plan)))
        , states_(reinterpret_cast<uint32_t*>(workspace + STATES_AT))
        , recorded_(plan.firstCheckpoint)
        , known_(plan.firstCheckpoint)
{
    static_assert(std::is_trivially_destructible_v<Lh5MatchFinder>);
}

std::unique_ptr<Lh5MatchScan> Lh5MatchScan::start(std::span<const uint8_t> input, const Lh5ScanPlan& plan,
                                                  uint8_t* workspace, bool zeroed)
{
    try {
        std::unique_ptr<Lh5MatchScan> scan(new Lh5MatchScan(input, plan, workspace, zeroed));
        scan->stateSizes_.resize(static_cast<std::size_t>(plan.checkpoints));
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
    Lh5MatchFinder& finder = finder_;
    read(finder.text() + WINDOW, WINDOW + MAX_MATCH);
    finder.start();
    std::size_t at = plan_.warmStart;
    std::size_t nextCheckpoint = plan_.firstCheckpoint;
    int described = 0;
    for (;;) {
        if (at >= plan_.firstCheckpoint) {
            matches_[at - plan_.firstCheckpoint] = {static_cast<uint16_t>(finder.matchLength),
                                                    static_cast<uint16_t>(finder.distanceCode())};
            if (at == nextCheckpoint && described < plan_.checkpoints) {
                stateSizes_[static_cast<std::size_t>(described)] = finder.describeState(state(described));
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
    const std::size_t size = finder.describeState(state(plan_.checkpoints));
    return size == stateSizes_[static_cast<std::size_t>(k)] &&
           std::memcmp(state(plan_.checkpoints), state(k), size * sizeof(uint32_t)) == 0;
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
    return finder_;
}

} // namespace kvx
