#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kvx {

// One mark byte per list position. Positions beyond the size are never marked: testing one answers
// false, and marking or unmarking one does nothing.
class CMarkEdit {
public:
    explicit CMarkEdit(std::size_t size)
            : marks_(size, 0)
    {}

    void mark(std::size_t position)
    {
        if (position < marks_.size())
            marks_[position] = 1;
    }
    void unmark(std::size_t position)
    {
        if (position < marks_.size())
            marks_[position] = 0;
    }
    bool test(std::size_t position) const { return position < marks_.size() && marks_[position] != 0; }
    std::size_t size() const { return marks_.size(); }

private:
    std::vector<uint8_t> marks_;
};

} // namespace kvx
