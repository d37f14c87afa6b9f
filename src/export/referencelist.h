#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"
#include "db/channeldatabase.h"
#include "db/tables.h"

namespace kvx {

class NameEncoding;

// A row of a CSV reference that could not be read, or read only in part, and why.
struct ReferenceRowProblem {
    int line = 0;        // 1-based line of the file
    std::string reason;  // in English, as kvxtool tells it
    bool leftOut = true; // the row is not part of the reference
    // The reason with %1, %2, ... for the values it names (marked with KVX_TR_NOOP, context
    // "Reference"), so that the editor tells it in the user's language.
    const char* text = "";
    std::vector<std::string> args;
};

// A reference list in the form the matcher reads (matchReference, planReference). A database file is
// that form already; a CSV channel list is rebuilt into it against the database it will be applied to:
// rows whose Network column names a network of that database go to a network of the same position,
// the others to `anyNetwork`, whose programs pair in any network.
struct ReferenceList {
    ChannelDatabase database;
    uint8_t anyNetwork = NO_SLOT;
    std::vector<ReferenceRowProblem> problems; // CSV rows left out
};

// Whether the path names a CSV channel list (its suffix is ".csv" in any case).
bool isCsvReferencePath(std::string_view path);

// Reads the CSV channel list that the export writes (UTF-8, a header line naming its columns, in any
// order) against `db`; names are stored in `encoding`. Rows that cannot be read are left out and listed
// in `problems`; StatusBadFormat when the text has no header with the needed columns or no row could be
// read.
Status readCsvReference(std::string_view text, const ChannelDatabase& db, const NameEncoding& encoding,
                        ReferenceList& out);

// Reads the reference at `path`: a CSV channel list by its suffix, else a KVX or CKVX database (a
// damaged compressed body is refused). On failure `out` holds nothing but the problems of a CSV none of
// whose rows could be read, and the outcome says why.
Outcome loadReferenceList(const std::string& path, const ChannelDatabase& db, const NameEncoding& encoding,
                          ReferenceList& out);

} // namespace kvx
