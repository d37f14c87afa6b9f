#include "codec/lh5encoder.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "codec/crc16.h"

namespace kvx {

namespace {

constexpr int WINDOW = Lh5MatchFinder::WINDOW;
constexpr int MAX_MATCH = Lh5MatchFinder::MAX_MATCH;
constexpr int MIN_MATCH = 3;

constexpr std::size_t alignedSize(std::size_t n)
{
    return (n + 63) / 64 * 64;
}

// Where the scan's part of the workspace starts.
constexpr std::size_t SCAN_AT = alignedSize(sizeof(Lh5Encoder));

} // namespace

std::size_t Lh5Encoder::workspaceSize(std::size_t totalLength, const Lh5EncoderOptions& options)
{
    const auto plan = planScan(totalLength, options);
    return plan ? SCAN_AT + Lh5MatchScan::workspaceSize(*plan) : SCAN_AT;
}

Lh5Encoder::Lh5Encoder(std::span<const std::span<const uint8_t>> input, std::size_t totalLength,
                       uint8_t* codedOut, std::size_t workspaceSize, bool zeroed,
                       const Lh5EncoderOptions& options)
        : input_(input)
        , options_(options)
        , toRead_(totalLength)
        , workspaceSize_(workspaceSize)
        , zeroed_(zeroed)
        , finder_(Lh5MatchFinder::InZeroedMemory{})
        , bits_(codedOut, consumed_)
        , blocks_(bits_)
{
    if (!zeroed)
        finder_.reset();
}

// Copies up to count bytes from the ranges (unless `to` is null), adding them to the CRC and the
// consumed count.
int Lh5Encoder::readInput(uint8_t* to, int count)
{
    int read = 0;
    while (read < count && toRead_ > 0 && rangeIndex_ < input_.size()) {
        const auto range = input_[rangeIndex_];
        const std::size_t n =
            std::min({range.size() - rangeOffset_, toRead_, static_cast<std::size_t>(count - read)});
        const auto piece = range.subspan(rangeOffset_, n);
        if (n > 0 && to != nullptr)
            std::memcpy(to + read, piece.data(), n);
        crc_ = Crc16Update(crc_, piece);
        read += static_cast<int>(n);
        toRead_ -= n;
        rangeOffset_ += n;
        if (rangeOffset_ == range.size()) {
            ++rangeIndex_;
            rangeOffset_ = 0;
        }
    }
    consumed_ += static_cast<std::size_t>(read);
    return read;
}

// On a long input a scan finds the matches of the second part; it stops short of the end, where
// capping matches to the input changes what the finder is given.
std::optional<Lh5ScanPlan> Lh5Encoder::planScan(std::size_t total, const Lh5EncoderOptions& options)
{
    const auto warm = static_cast<std::size_t>(options.warmWindows) * WINDOW;
    const auto checking = static_cast<std::size_t>(options.checkpoints) * WINDOW;
    if (options.parallelFrom == 0 || total < options.parallelFrom || options.checkpoints <= 0 ||
        total <= 2 * MAX_MATCH)
        return std::nullopt;
    const std::size_t end = total - 2 * MAX_MATCH;
    // Our thread also codes the scan's half, at about a fifth of the finder's cost per position: it
    // takes the smaller part of the finding, so that both threads end together.
    const std::size_t first =
        std::max(((total + warm) / 2 - total / 10) / WINDOW * WINDOW, std::max<std::size_t>(warm, WINDOW));
    if (first + checking >= end)
        return std::nullopt;
    return Lh5ScanPlan{first - warm, first, options.checkpoints, end};
}

void Lh5Encoder::startScan()
{
    const std::size_t total = toRead_;
    const auto plan = planScan(total, options_);
    if (!plan || workspaceSize_ < workspaceSize(total, options_))
        return;
    try {
        if (input_.size() == 1 && input_[0].size() >= total) {
            whole_ = input_[0].first(total);
        } else {
            joined_.reserve(total);
            for (const auto range : input_)
                joined_.insert(joined_.end(), range.begin(),
                               range.begin() + static_cast<std::ptrdiff_t>(
                                                   std::min(range.size(), total - joined_.size())));
            whole_ = joined_;
        }
    } catch (const std::bad_alloc&) {
        return;
    }
    scan_ = Lh5MatchScan::start(whole_, *plan, reinterpret_cast<uint8_t*>(this) + SCAN_AT, zeroed_);
    if (!scan_)
        return;
    nextCheckpoint_ = plan->firstCheckpoint;
    recordedEnd_ = plan->end;
}

void Lh5Encoder::advance()
{
    --remaining_;
    ++at_;
    if (at_ >= recordedFrom_ && at_ < recordedEnd_) {
        if (at_ % WINDOW == 0)
            remaining_ += readInput(nullptr, WINDOW);
        const Lh5MatchScan::Match m = scan_->matchAt(at_);
        ++report_.matchesFromScan;
        length_ = m.length;
        distanceCode_ = m.distanceCode;
        if (at_ + 1 == recordedEnd_)
            takeOverScan();
        return;
    }
    if (live_->advance())
        remaining_ += readInput(live_->text() + WINDOW + MAX_MATCH, WINDOW);
    live_->replaceOldest();
    length_ = live_->matchLength;
    distanceCode_ = live_->distanceCode();
    if (at_ == nextCheckpoint_)
        checkpoint();
}

// Once our finder is in the scan's state, the scan's record holds exactly the matches ours would find.
void Lh5Encoder::checkpoint()
{
    if (scan_->reachedStateOf(checkpointIndex_, *live_)) {
        report_.checkpointMet = checkpointIndex_;
        recordedFrom_ = at_ + 1;
        nextCheckpoint_ = SIZE_MAX;
    } else if (++checkpointIndex_ < scan_->plan().checkpoints) {
        nextCheckpoint_ += WINDOW;
    } else {
        scan_.reset(); // the states never met: go on alone
        nextCheckpoint_ = SIZE_MAX;
    }
}

// At the end of the record the scan's finder, now at this position, carries on in place of ours.
void Lh5Encoder::takeOverScan()
{
    live_ = &scan_->finishedFinder();
}

void Lh5Encoder::capMatch()
{
    length_ = std::min(length_, remaining_);
    live_->matchLength = std::min(live_->matchLength, remaining_);
}

uint8_t Lh5Encoder::previousByte() const
{
    return whole_.empty() ? live_->text()[live_->position() - 1] : whole_[at_ - 1];
}

// One-step lazy matching: a match found at the previous position is taken unless the current
// position offers a longer one.
bool Lh5Encoder::encode()
{
    startScan();
    remaining_ = readInput(finder_.text() + WINDOW, WINDOW + MAX_MATCH);
    finder_.start();
    length_ = finder_.matchLength;
    distanceCode_ = finder_.distanceCode();
    capMatch();
    while (remaining_ > 0 && !bits_.unpackable()) {
        int lastLength = length_;
        const unsigned lastDistanceCode = distanceCode_;
        advance();
        capMatch();
        if (length_ > lastLength || lastLength < MIN_MATCH) {
            blocks_.literal(previousByte());
        } else {
            blocks_.match(lastLength, lastDistanceCode);
            while (--lastLength > 0)
                advance();
            capMatch();
        }
    }
    blocks_.finish();
    return !bits_.unpackable();
}

} // namespace kvx
