#include "base/status.h"

#include <cerrno>
#include <system_error>

namespace kvx {

std::string statusMessage(int status)
{
    switch (status) {
    case StatusOk: return "OK";
    case StatusCanceled: return "Canceled";
    case StatusNoMemory: return "Insufficient memory";
    case StatusNoFile: return "No file found";
    case StatusReadFailed: return "File crashed";
    case StatusCreateFailed: return "Creating file failed";
    case StatusBadFormat: return "Invalid KVX format";
    case StatusBadChecksum: return "Bad checksum";
    case StatusBadVersion: return "KVX Version not supported";
    case StatusTooLarge: return "The database is too large for a KVX file";
    case StatusIsFolder: return "This is a folder, not a file";
    case StatusIsFifo: return "This is a FIFO (named pipe), not a file";
    case StatusIsDevice: return "This is a device, not a file";
    case StatusIsSocket: return "This is a socket, not a file";
    case StatusDamagedData: return "The file's compressed data is damaged (checksum mismatch)";
    case StatusBrokenCompressedData: return "The file's compressed data is damaged or truncated";
    case StatusChangesOutdated:
        return "The database has changed since its changes were listed; nothing was changed";
    default: return "Unknown error";
    }
}

std::string outcomeMessage(const Outcome& outcome)
{
    const int error = outcome.systemError();
    if (error == 0)
        return statusMessage(outcome.status());
    const std::string reason = std::generic_category().message(error);
    if (outcome.status() == StatusNoFile)
        return error == ENOENT || error == ENOTDIR ? statusMessage(StatusNoFile) : reason;
    return statusMessage(outcome.status()) + ": " + reason;
}

} // namespace kvx
