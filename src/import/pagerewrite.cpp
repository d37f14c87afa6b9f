#include "import/pagerewrite.h"

#include <cctype>
#include <istream>
#include <ostream>
#include <sstream>

namespace kvx {

namespace {

std::string_view withoutLeadingSpace(std::string_view line)
{
    std::size_t i = 0;
    while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i])))
        ++i;
    return line.substr(i);
}

bool startsCell(std::string_view text, std::size_t i)
{
    return text.compare(i, 3, "<TD") == 0 || text.compare(i, 3, "<td") == 0;
}

void writeLine(std::string_view line, std::ostream& cells)
{
    std::size_t written = 0;
    for (std::size_t i = line.find('<'); i != std::string_view::npos; i = line.find('<', i + 1)) {
        if (!startsCell(line, i))
            continue;
        cells << line.substr(written, i - written) << '\n';
        written = i;
    }
    cells << line.substr(written);
}

} // namespace

void rewritePageIntoCells(std::istream& page, std::ostream& cells)
{
    std::string line;
    while (std::getline(page, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        writeLine(withoutLeadingSpace(line), cells);
    }
}

std::string rewritePageIntoCells(std::string_view page)
{
    std::istringstream in{std::string(page)};
    std::ostringstream out;
    rewritePageIntoCells(in, out);
    return out.str();
}

} // namespace kvx
