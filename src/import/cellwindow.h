#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kvx {

// The last six table cells of a page, each with every blank and tab removed (so that a tag written
// with a blank before an attribute matches the page markers). Cell 0 is the one read last, cell 5 the
// one read five cells earlier; before that many cells have been read the older ones are empty.
class CellWindow {
public:
    static constexpr int kSize = 6;

    // Takes the next cell; the cells already held age by one and the oldest drops out.
    void push(std::string_view cell);
    const std::string& cell(int age) const { return cells_[(newest_ + kSize - age) % kSize]; }

private:
    std::array<std::string, kSize> cells_;
    int newest_ = 0;
};

} // namespace kvx
