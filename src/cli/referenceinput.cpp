#include "cli/referenceinput.h"

#include "cli/loaddatabase.h"

namespace kvx::cli {

namespace {

int readDatabase(const ReferenceInput& input, ChannelDatabase& reference)
{
    return loadDatabaseFile(input.path, reference, input.ignoreChecksum);
}

} // namespace

ReferenceReader referenceReaderFor(const ReferenceInput&)
{
    return readDatabase;
}

int readReference(const ReferenceInput& input, ChannelDatabase& reference)
{
    return referenceReaderFor(input)(input, reference);
}

} // namespace kvx::cli
