#include "export/csvrecords.h"

#include <algorithm>

namespace kvx {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(const CsvRecord& record)
{
    return record.fields.size() == 1 && record.fields.front().empty();
}

} // namespace

std::vector<CsvRecord> splitCsv(std::string_view text, char separator)
{
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    std::vector<CsvRecord> records;
    CsvRecord record{1, {std::string()}};
    int line = 1;
    bool quoted = false;
    const char specials[] = {'"', separator, '\n', '\r'};
    const std::string_view special(specials, sizeof specials);
    const auto endRecord = [&] {
        if (!isBlank(record))
            records.push_back(std::move(record));
        record = CsvRecord{line, {std::string()}};
    };
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        if (quoted) {
            if (c == '"' && k + 1 < text.size() && text[k + 1] == '"') {
                record.fields.back() += '"';
                ++k;
            } else if (c == '"') {
                quoted = false;
            } else {
                line += c == '\n';
                record.fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            record.fields.emplace_back();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && k + 1 < text.size() && text[k + 1] == '\n')
                ++k;
            ++line;
            endRecord();
        } else { // the plain run up to the next byte that means something
            const std::size_t end = std::min(text.find_first_of(special, k), text.size());
            record.fields.back().append(text.substr(k, end - k));
            k = end - 1;
        }
    }
    endRecord();
    return records;
}

char csvSeparatorOf(std::string_view text)
{
    const std::string_view header = text.substr(0, text.find_first_of("\r\n"));
    return header.find(',') == std::string_view::npos && header.find(';') != std::string_view::npos ? ';'
                                                                                                    : ',';
}

} // namespace kvx
