#pragma once

#include <string>

#include "db/channeldatabase.h"

namespace kvx::cli {

// Where `apply-reference` takes its reference list from.
struct ReferenceInput {
    std::string path; // a file, or "-" for standard input
    bool ignoreChecksum = false;
};

// Reads a reference list into `reference`, the form the matcher reads (see matchReference); on failure
// prints why and returns the exit status, 0 when read.
using ReferenceReader = int (*)(const ReferenceInput& input, ChannelDatabase& reference);

// The reader for the input. Every reference is a KVX or CKVX database for now; a reader of another form
// (the exported CSV channel list) is chosen here by the path, and builds the database the matcher reads.
ReferenceReader referenceReaderFor(const ReferenceInput& input);

// Reads the reference with the reader for it.
int readReference(const ReferenceInput& input, ChannelDatabase& reference);

} // namespace kvx::cli
