#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "db/channeldatabase.h"

namespace kvx {

class NameEncoding;

enum class ExportFormat { Csv, Html };

// "csv" or "html" (either case); none for any other name.
std::optional<ExportFormat> exportFormatNamed(std::string_view name);

// The columns of an exported channel list, and the texts of one row per program in channel-list order.
const std::vector<std::string>& exportColumns();
std::vector<std::vector<std::string>> exportRows(const ChannelDatabase& db, const NameEncoding& encoding);

// The channel list as UTF-8 text: CSV (a header line, then one line per program, lines ended with CR LF,
// fields quoted where they hold a comma, quote or line break) or a standalone HTML page titled `title`.
std::string exportChannelList(const ChannelDatabase& db, const NameEncoding& encoding, ExportFormat format,
                              const std::string& title);

} // namespace kvx
