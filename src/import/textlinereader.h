#pragma once

#include <cstddef>
#include <string_view>

namespace kvx {

// Reads a text line by line, at most `limit` characters per read: a longer line continues as the next
// read. Line ends ("\n", "\r\n") are not part of a read.
class TextLineReader {
public:
    TextLineReader(std::string_view text, std::size_t limit)
            : text_(text)
            , limit_(limit)
    {}

    // The next read, or false at the end of the text.
    bool next(std::string_view& line);

    // The number of lines of the text; a last line without a line end counts too.
    static std::size_t countLines(std::string_view text);

private:
    std::string_view text_;
    std::size_t limit_;
    std::size_t pos_ = 0;
};

} // namespace kvx
