#pragma once

#include <string>

namespace kvx {

// Outcome of every file operation and import; values are those the user-facing messages are keyed by.
enum Status : int {
    StatusOk = 0,
    StatusCanceled = 2,
    StatusNoMemory = 5,
    StatusNoFile = 6,
    StatusReadFailed = 7,
    StatusCreateFailed = 8,
    StatusBadFormat = 9,
    StatusBadChecksum = 10,
    StatusBadVersion = 11,
    StatusCompressed = 12,
    // A database whose image would not fit in a KVX file (buffer size or a count field's width).
    StatusTooLarge = 13,
    // The path names something other than a regular file; nothing was read from it.
    StatusIsFolder = 14,
    StatusIsFifo = 15,
    StatusIsDevice = 16,
    StatusIsSocket = 17,
    // A CKVX file whose expanded data does not match the CRC of its compressed stream.
    StatusDamagedData = 18,
    // A list of changes names records the database no longer holds as listed; nothing was changed.
    StatusChangesOutdated = 19,
    // A CKVX file whose compressed stream is cut short or cannot be decoded to the length it states.
    StatusBrokenCompressedData = 20,
};

// The text shown to the user for a status code; "Unknown error" for codes without one.
std::string statusMessage(int status);

// A status with the system's reason for it: the errno value of the call that failed, or 0 where the
// failure is not the system's (a bad format) or the system gave no reason. It converts to its status,
// so callers that only branch on the status read it as before.
class Outcome {
public:
    constexpr Outcome(Status status = StatusOk, int systemError = 0)
            : status_(status)
            , systemError_(status == StatusOk ? 0 : systemError)
    {}
    constexpr operator Status() const { return status_; }
    constexpr Status status() const { return status_; }
    constexpr int systemError() const { return systemError_; }

private:
    Status status_;
    int systemError_;
};

// The text shown to the user: the status message followed by the system's reason ("Creating file
// failed: No space left on device"). A file that is there but cannot be opened is named by the reason
// alone ("Permission denied"), as "No file found" would be wrong.
std::string outcomeMessage(const Outcome& outcome);

// outcomeMessage in its parts, either of which may be empty: the status message, which the editor shows
// in the user's language (KVX_TR_NOOP context "Status"), and the system's reason.
struct OutcomeText {
    std::string status;
    std::string reason;
};
OutcomeText outcomeText(const Outcome& outcome);

// Statuses above this are shown to the user as errors; the ones up to it are silent.
constexpr int kLastSilentStatus = 4;

} // namespace kvx
