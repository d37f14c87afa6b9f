#pragma once

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

    std::size_t size() const { return pidWords_.size(); }
    bool empty() const { return pidWords_.empty(); }
    AudioInfo entry(std::size_t k) const { return {languages_[k], pidWords_[k]}; }
    uint8_t language(std::size_t k) const { return languages_[k]; }
    uint16_t pidWord(std::size_t k) const { return pidWords_[k]; }

    void append(uint8_t language, uint16_t pidWord)
    {
        languages_.push_back(language);
        pidWords_.push_back(pidWord);
    }
    void append(AudioInfo info) { append(info.language, info.pidWord); }
    void set(std::size_t k, AudioInfo info)
    {
        languages_[k] = info.language;
        pidWords_[k] = info.pidWord;
    }
    void removeAt(std::size_t k)
    {
        languages_.erase(languages_.begin() + static_cast<std::ptrdiff_t>(k));
        pidWords_.erase(pidWords_.begin() + static_cast<std::ptrdiff_t>(k));
    }
    void clear()
    {
        languages_.clear();
        pidWords_.clear();
    }

    // The bitwise OR of all PID words (the AC3 bit of an audio list is read from it).
    uint16_t combinedWords() const
    {
        uint16_t all = 0;
        for (uint16_t w : pidWords_)
            all |= w;
        return all;
    }

    // Same length, same languages and same PID words, position by position.
    bool operator==(const PidList&) const = default;

private:
    std::vector<uint8_t> languages_;
    std::vector<uint16_t> pidWords_;
};

} // namespace kvx
