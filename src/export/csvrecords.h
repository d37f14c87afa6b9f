#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kvx {

// One record of a CSV text and the line it starts on.
struct CsvRecord {
    int line = 0; // 1-based
    std::vector<std::string> fields;
};

// Splits CSV text into records: fields separated by `separator`, quoted with '"' (a doubled quote
// stands for one) where they hold a separator, quote or line break, lines ended with LF or CR LF. A
// byte-order mark at the start is dropped, blank lines are skipped, and a quote left open runs to the
// end of the text.
std::vector<CsvRecord> splitCsv(std::string_view text, char separator);

// The separator a spreadsheet saved the header line with: ';' when it holds semicolons and no comma,
// else ','.
char csvSeparatorOf(std::string_view text);

} // namespace kvx
