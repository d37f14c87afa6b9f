#pragma once

#include <string>

namespace kvx {

// How a download ended.
enum class DownloadResult {
    Ok,
    Failed,          // no connection, an HTTP status other than 200, a broken transfer, a file not written
    Cancelled,       // the user stopped it
    TimedOut,        // the whole download took longer than the fetcher allows
    RedirectRefused, // the server sent the request on to another host, scheme or port
    TooLarge,        // the page is larger than the fetcher takes
};

// The two network services the LyngSat update needs. The program fetches with Qt Network; tests put in
// their own.
class HttpFetcher {
public:
    virtual ~HttpFetcher() = default;

    // Whether the server of `url` can be reached: its host resolves and accepts a connection.
    virtual bool isConnected(const std::string& url) = 0;
    // Fetches `url` into the file `path`, replacing it. Anything but DownloadResult::Ok leaves no file
    // behind.
    virtual DownloadResult download(const std::string& url, const std::string& path) = 0;
    // The longest a whole download may take, in seconds; a slower one ends with TimedOut.
    virtual int deadlineSeconds() const = 0;
};

} // namespace kvx
