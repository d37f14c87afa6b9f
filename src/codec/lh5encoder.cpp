#include "codec/lh5encoder.h"

#include <algorithm>
#include <cstring>

#include "codec/crc16.h"

namespace kvx {

namespace {

constexpr int WINDOW = Lh5MatchFinder::WINDOW;
constexpr int MAX_MATCH = Lh5MatchFinder::MAX_MATCH;
constexpr int MIN_MATCH = 3;

} // namespace

Lh5Encoder::Lh5Encoder(std::span<const std::span<const uint8_t>> input, std::size_t totalLength,
                       uint8_t* codedOut)
        : input_(input)
        , toRead_(totalLength)
        , bits_(codedOut, consumed_)
        , blocks_(bits_)
{}

// Copies up to count bytes from the ranges, adding them to the CRC and the consumed count.
int Lh5Encoder::readInput(uint8_t* to, int count)
{
    int read = 0;
    while (read < count && toRead_ > 0 && rangeIndex_ < input_.size()) {
        const auto range = input_[rangeIndex_];
        const std::size_t n =
            std::min({range.size() - rangeOffset_, toRead_, static_cast<std::size_t>(count - read)});
        const auto piece = range.subspan(rangeOffset_, n);
        if (n > 0)
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

void Lh5Encoder::advance()
{
    --remaining_;
    if (finder_.advance())
        remaining_ += readInput(finder_.text() + WINDOW + MAX_MATCH, WINDOW);
    finder_.replaceOldest();
}

void Lh5Encoder::capMatch()
{
    finder_.matchLength = std::min(finder_.matchLength, remaining_);
}

// One-step lazy matching: a match found at the previous position is taken unless the current
// position offers a longer one.
bool Lh5Encoder::encode()
{
    remaining_ = readInput(finder_.text() + WINDOW, WINDOW + MAX_MATCH);
    finder_.start();
    capMatch();
    while (remaining_ > 0 && !bits_.unpackable()) {
        int lastLength = finder_.matchLength;
        const int lastPosition = finder_.matchPosition;
        advance();
        capMatch();
        if (finder_.matchLength > lastLength || lastLength < MIN_MATCH) {
            blocks_.literal(finder_.text()[finder_.position() - 1]);
        } else {
            const int distanceCode = (finder_.position() - lastPosition - 2) & (WINDOW - 1);
            blocks_.match(lastLength, static_cast<unsigned>(distanceCode));
            while (--lastLength > 0)
                advance();
            capMatch();
        }
    }
    blocks_.finish();
    return !bits_.unpackable();
}

} // namespace kvx
