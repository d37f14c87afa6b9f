#pragma once

#include <string>

#include "db/channeldatabase.h"
#include "export/referencelist.h"

namespace kvx {
class NameEncoding;
}

namespace kvx::cli {

// Where `apply-reference` takes its reference list from.
struct ReferenceInput {
    std::string path; // a file, or "-" for standard input (a database)
    bool ignoreChecksum = false;
};

// Reads the reference list in the form the matcher reads: a CSV channel list (by the ".csv" suffix)
// against `db` with names in `encoding`, else a KVX or CKVX database. CSV rows that cannot be read are
// told on standard error, each with its line; a reference that cannot be read at all is told with its
// status. Returns the exit status, 0 when read.
int readReference(const ReferenceInput& input, const ChannelDatabase& db, const NameEncoding& encoding,
                  ReferenceList& reference);

} // namespace kvx::cli
