#include "cli/referenceinput.h"

#include <iostream>

#include "cli/commands.h"
#include "cli/loaddatabase.h"
#include "db/filebytes.h"

namespace kvx::cli {

namespace {

int readCsv(const ReferenceInput& input, const ChannelDatabase& db, const NameEncoding& encoding,
            ReferenceList& reference)
{
    std::vector<uint8_t> bytes;
    Outcome outcome = readInput(input.path, bytes, MAX_DATABASE_FILE_SIZE);
    if (outcome == StatusOk)
        outcome =
            readCsvReference(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), db,
                             encoding, reference);
    for (const ReferenceRowProblem& problem : reference.problems)
        std::cerr << "kvxtool: " << input.path << ':' << problem.line << ": " << problem.reason
                  << (problem.leftOut ? "; the row is left out\n" : "\n");
    return outcome == StatusOk ? 0 : failInput(input.path, outcome);
}

} // namespace

int readReference(const ReferenceInput& input, const ChannelDatabase& db, const NameEncoding& encoding,
                  ReferenceList& reference)
{
    reference = ReferenceList{};
    if (isCsvReferencePath(input.path))
        return readCsv(input, db, encoding, reference);
    return loadDatabaseFile(input.path, reference.database, input.ignoreChecksum);
}

} // namespace kvx::cli
