#include "cli/commands.h"

#include <iostream>

#include "base/status.h"

namespace kvx::cli {

int fail(int status)
{
    std::cerr << statusMessage(status) << '\n';
    if (status == StatusDamagedData)
        std::cerr << "Use --ignore-checksum to read it as it expands anyway.\n";
    return status;
}

void addIgnoreChecksumFlag(CLI::App& command, bool& ignoreChecksum)
{
    command.add_flag("--ignore-checksum", ignoreChecksum,
                     "Read a CKVX file even when its compressed data fails its checksum");
}

} // namespace kvx::cli
