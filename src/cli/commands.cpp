#include "cli/commands.h"

#include <iostream>

#include "db/status.h"

namespace kvx::cli {

int fail(int status)
{
    std::cerr << statusMessage(status) << '\n';
    return status;
}

} // namespace kvx::cli
