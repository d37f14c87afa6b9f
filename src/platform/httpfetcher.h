#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace kvx {

// How a download ended.
enum class DownloadResult {
    Ok,
    Failed,           // a broken transfer, a file not written, an address that is none
    Cancelled,        // the user stopped it
    TimedOut,         // the whole download took longer than the fetcher allows
    Stalled,          // the server sent nothing for longer than the fetcher waits
    HttpStatus,       // the server answered with a status other than 200
    TooManyRedirects, // the server kept sending the request on (a redirect loop)
    RedirectRefused,  // the server sent the request on to another host, scheme or port
    Unreachable,      // the host was not found or refused the connection
    TooLarge,         // the page is larger than the fetcher takes
};

// How a download ended, with what the user is told about it.
struct DownloadOutcome {
    DownloadOutcome(DownloadResult result = DownloadResult::Failed, int httpStatus = 0,
                    std::string reason = {}, std::string redirectTarget = {})
            : result(result)
            , httpStatus(httpStatus)
            , reason(std::move(reason))
            , redirectTarget(std::move(redirectTarget))
    {}

    DownloadResult result = DownloadResult::Failed;
    int httpStatus = 0;         // of HttpStatus: the status code
    std::string reason;         // of HttpStatus: the server's reason phrase; may be empty
    std::string redirectTarget; // of RedirectRefused: the address the server pointed to
};

// Bytes received so far and the size the server announced (-1 when it announced none).
using DownloadProgress = std::function<void(int64_t received, int64_t total)>;

// The two network services the LyngSat update needs. The program fetches with Qt Network; tests put in
// their own.
class HttpFetcher {
public:
    virtual ~HttpFetcher() = default;

    // Whether the server of `url` can be reached: its host resolves and accepts a connection.
    virtual bool isConnected(const std::string& url) = 0;
    // Fetches `url` into the file `path`, replacing it; tells `progress` (when set) the bytes received
    // whenever it shows them to the user. Anything but DownloadResult::Ok leaves no file behind.
    virtual DownloadOutcome download(const std::string& url, const std::string& path,
                                     const DownloadProgress& progress) = 0;
    // The longest a whole download may take, in seconds; a slower one ends with TimedOut.
    virtual int deadlineSeconds() const = 0;
    // The longest a download waits for the next bytes, in seconds; a longer silence ends with Stalled.
    virtual int stallSeconds() const = 0;
};

} // namespace kvx
