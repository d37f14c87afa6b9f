#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kvx::test {

// Builds KVX images byte by byte, independently of the program's writer, so tests can state the
// layout directly and craft malformed files.
class ImageBuilder {
public:
    explicit ImageBuilder(uint8_t version = 1, uint32_t flags = 0x04, uint8_t stamp1 = 0, uint8_t stamp2 = 0,
                          uint8_t stamp3 = 0)
    {
        bytes_ = {'K', 'V', 'X', 0, 0, 0, 0, 0, version, stamp1, stamp2, stamp3};
        u32(flags);
    }

    ImageBuilder& u8(uint8_t v)
    {
        bytes_.push_back(v);
        return *this;
    }
    ImageBuilder& u16(uint16_t v) { return u8(static_cast<uint8_t>(v)).u8(static_cast<uint8_t>(v >> 8)); }
    ImageBuilder& u32(uint32_t v)
    {
        return u16(static_cast<uint16_t>(v)).u16(static_cast<uint16_t>(v >> 16));
    }
    ImageBuilder& str(const std::string& s)
    {
        u8(static_cast<uint8_t>(s.size()));
        bytes_.insert(bytes_.end(), s.begin(), s.end());
        return *this;
    }
    ImageBuilder& raw(const std::string& s)
    {
        bytes_.insert(bytes_.end(), s.begin(), s.end());
        return *this;
    }

    // Appends "END", fills in the size field and the checksum.
    std::vector<uint8_t> finish() const
    {
        std::vector<uint8_t> image = bytes_;
        image.insert(image.end(), {'E', 'N', 'D', 0});
        const auto size = static_cast<uint32_t>(image.size());
        for (int i = 0; i < 4; ++i)
            image[4 + i] = static_cast<uint8_t>(size >> (8 * i));
        unsigned sum = 1;
        for (std::size_t i = 0; i + 1 < image.size(); ++i)
            sum += image[i];
        image.back() = static_cast<uint8_t>(sum);
        return image;
    }

private:
    std::vector<uint8_t> bytes_;
};

} // namespace kvx::test
