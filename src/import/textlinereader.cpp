#include "import/textlinereader.h"

#include <algorithm>

namespace kvx {

bool TextLineReader::next(std::string_view& line)
{
    if (pos_ >= text_.size())
        return false;
    const std::size_t available = std::min(limit_, text_.size() - pos_);
    const std::size_t newline = text_.substr(pos_, available).find('\n');
    if (newline != std::string_view::npos) {
        line = text_.substr(pos_, newline);
        pos_ += newline + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        return true;
    }
    line = text_.substr(pos_, available);
    pos_ += available;
    // A read that stops right before a line end takes the line end with it.
    if (pos_ < text_.size() && text_[pos_] == '\n') {
        ++pos_;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
    } else if (pos_ + 1 < text_.size() && text_[pos_] == '\r' && text_[pos_ + 1] == '\n') {
        pos_ += 2;
    }
    return true;
}

std::size_t TextLineReader::countLines(std::string_view text)
{
    const auto ends = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    const bool openLastLine = !text.empty() && text.back() != '\n';
    return ends + (openLastLine ? 1 : 0);
}

} // namespace kvx
