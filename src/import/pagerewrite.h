#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace kvx {

// Rewrites a saved page so that every table cell stands on a line of its own: each line loses its line
// end and its leading white space, a line break goes in front of every "<TD" and "<td", and the lines
// are joined without line ends of their own. The result holds the text before the first cell on its
// first line and then one cell per line.
void rewritePageIntoCells(std::istream& page, std::ostream& cells);
std::string rewritePageIntoCells(std::string_view page);

} // namespace kvx
