#include "export/referencelist.h"

#include <algorithm>
#include <cctype>

#include "db/fileops.h"

namespace kvx {

bool isCsvReferencePath(std::string_view path)
{
    constexpr std::string_view suffix = ".csv";
    return path.size() >= suffix.size() &&
           std::equal(suffix.begin(), suffix.end(), path.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

// Database files only: a CSV channel list is refused as a form this reader does not know.
Outcome loadReferenceList(const std::string& path, const ChannelDatabase&, const NameEncoding&,
                          ReferenceList& out)
{
    out = ReferenceList{};
    if (isCsvReferencePath(path))
        return StatusBadFormat;
    ChannelDatabase reference;
    if (const Outcome opened = openDatabase(reference, path); opened != StatusOk)
        return opened;
    out.database = std::move(reference);
    return StatusOk;
}

} // namespace kvx
