#pragma once

#include <optional>

#include <QString>

namespace kvx {

struct NetInfo;
struct TpInfo;
struct ProgInfo;
class NameEncoding;

// The question Shift+Delete asks before deleting the record shown on the page, or none when the key
// deletes nothing there (the empty page, the terrestrial network). The records of other pages are not
// looked at and may be none.
std::optional<QString> deleteQuestion(int page, bool terrestrialMode, const NetInfo* net, const TpInfo* tp,
                                      const ProgInfo* prog, const NameEncoding& encoding);

} // namespace kvx
