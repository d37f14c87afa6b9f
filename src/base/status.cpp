#include "base/status.h"

#include <cerrno>
#include <system_error>

#include "base/trnoop.h"

namespace kvx {

std::string statusMessage(int status)
{
    switch (status) {
    case StatusOk: return KVX_TR_NOOP("Status", "OK");
    case StatusCanceled: return KVX_TR_NOOP("Status", "Canceled");
    case StatusNoMemory: return KVX_TR_NOOP("Status", "Insufficient memory");
    case StatusNoFile: return KVX_TR_NOOP("Status", "No file found");
    case StatusReadFailed: return KVX_TR_NOOP("Status", "File crashed");
    case StatusCreateFailed: return KVX_TR_NOOP("Status", "Creating file failed");
    case StatusBadFormat: return KVX_TR_NOOP("Status", "Invalid KVX format");
    case StatusBadChecksum: return KVX_TR_NOOP("Status", "Bad checksum");
    case StatusBadVersion: return KVX_TR_NOOP("Status", "KVX Version not supported");
    case StatusTooLarge: return KVX_TR_NOOP("Status", "The database is too large for a KVX file");
    case StatusIsFolder: return KVX_TR_NOOP("Status", "This is a folder, not a file");
    case StatusIsFifo: return KVX_TR_NOOP("Status", "This is a FIFO (named pipe), not a file");
    case StatusIsDevice: return KVX_TR_NOOP("Status", "This is a device, not a file");
    case StatusIsSocket: return KVX_TR_NOOP("Status", "This is a socket, not a file");
    case StatusDamagedData:
        return KVX_TR_NOOP("Status", "The file's compressed data is damaged (checksum mismatch)");
    case StatusBrokenCompressedData:
        return KVX_TR_NOOP("Status", "The file's compressed data is damaged or truncated");
    case StatusChangesOutdated:
        return KVX_TR_NOOP("Status",
                           "The database has changed since its changes were listed; nothing was changed");
    default: return KVX_TR_NOOP("Status", "Unknown error");
    }
}

OutcomeText outcomeText(const Outcome& outcome)
{
    const int error = outcome.systemError();
    if (error == 0)
        return {statusMessage(outcome.status()), {}};
    const std::string reason = std::generic_category().message(error);
    if (outcome.status() == StatusNoFile && error != ENOENT && error != ENOTDIR)
        return {{}, reason};
    return {statusMessage(outcome.status()), outcome.status() == StatusNoFile ? std::string() : reason};
}

std::string outcomeMessage(const Outcome& outcome)
{
    const OutcomeText text = outcomeText(outcome);
    if (text.status.empty() || text.reason.empty())
        return text.status + text.reason;
    return text.status + ": " + text.reason;
}

} // namespace kvx
