#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace kvx {

// A list of record positions as users type it: "3", "3,7,12", "3-9,12" (spaces allowed around the
// numbers). The positions come back ascending, each once; none when the text is not such a list, a range
// runs backwards or a number exceeds `largest`.
std::optional<std::vector<uint16_t>> parsePositionList(std::string_view text, uint16_t largest = 65534);

} // namespace kvx
