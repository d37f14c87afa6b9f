#pragma once

#include <cstdint>

#include "platform/httpfetcher.h"

namespace kvx {

// Bounds of one connection check and one download.
struct HttpLimits {
    int connectTimeoutMs = 15000;
    int transferTimeoutMs = 30000; // the longest wait for the next bytes of a download
    int64_t maxBytes = 64 * 1024 * 1024;
};

// Fetches over HTTP(S) with Qt Network. Each call waits for its answer in an event loop of its own that
// repaints the window but takes no user input, with the wait cursor showing.
class QtHttpFetcher final : public HttpFetcher {
public:
    explicit QtHttpFetcher(HttpLimits limits = {})
            : limits_(limits)
    {}

    // Opens a TCP connection to the host and port of the address and closes it again.
    bool isConnected(const std::string& url) override;
    // A GET that follows redirects; a page larger than the limit is a failure.
    bool download(const std::string& url, const std::string& path) override;

private:
    HttpLimits limits_;
};

} // namespace kvx
