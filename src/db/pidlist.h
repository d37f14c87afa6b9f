#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace kvx {

// One stream of a program: a language index and a PID word (PID in bits 0-12, flag in bit 14).
struct AudioInfo {
    uint8_t language = 255;
    uint16_t pidWord = 0xFFFF;
    bool operator==(const AudioInfo&) const = default;
};

// Streams of one kind (video, audio or teletext), kept as the two parallel arrays the file stores.
class PidList {
public:
    static constexpr std::size_t kMaxEntries = 255;

    PidList() = default;
    PidList(const PidList& other) { *this = other; }
    PidList& operator=(const PidList& other)
    {
        if (this != &other) {
            clear();
            for (std::size_t k = 0; k < other.size(); ++k)
                append(other.entry(k));
        }
        return *this;
    }
    PidList(PidList&&) noexcept = default;
    PidList& operator=(PidList&&) noexcept = default;

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    AudioInfo entry(std::size_t k) const { return data()[k]; }
    uint8_t language(std::size_t k) const { return data()[k].language; }
    uint16_t pidWord(std::size_t k) const { return data()[k].pidWord; }

    void append(uint8_t language, uint16_t pidWord) { append(AudioInfo{language, pidWord}); }
    void append(AudioInfo info)
    {
        if (size_ < kInline && heap_.empty()) {
            inline_[size_++] = info;
            return;
        }
        if (heap_.empty())
            heap_.assign(inline_.begin(), inline_.begin() + size_);
        heap_.push_back(info);
        ++size_;
    }
    void set(std::size_t k, AudioInfo info) { data()[k] = info; }
    void removeAt(std::size_t k)
    {
        AudioInfo* d = data();
        std::copy(d + k + 1, d + size_, d + k);
        --size_;
        if (!heap_.empty())
            heap_.pop_back();
    }
    void clear()
    {
        size_ = 0;
        heap_.clear();
    }
    void reserve(std::size_t n)
    {
        if (n > kInline && heap_.empty()) {
            heap_.reserve(n);
            heap_.assign(inline_.begin(), inline_.begin() + size_);
        }
    }

    // The bitwise OR of all PID words (the AC3 bit of an audio list is read from it).
    uint16_t combinedWords() const
    {
        uint16_t all = 0;
        for (std::size_t k = 0; k < size_; ++k)
            all |= data()[k].pidWord;
        return all;
    }

    // Same length, same languages and same PID words, position by position.
    bool operator==(const PidList& other) const
    {
        return size_ == other.size_ && std::equal(data(), data() + size_, other.data());
    }

private:
    // Programs rarely carry more than a few streams of a kind; those stay inside the record, so
    // loading a large file does not allocate for every list.
    static constexpr std::size_t kInline = 3;

    AudioInfo* data() { return heap_.empty() ? inline_.data() : heap_.data(); }
    const AudioInfo* data() const { return heap_.empty() ? inline_.data() : heap_.data(); }

    std::array<AudioInfo, kInline> inline_{};
    std::vector<AudioInfo> heap_; // all entries once there are more than kInline
    std::size_t size_ = 0;
};

} // namespace kvx
