#pragma once

#include <string>

namespace kvx {

// The two network services the LyngSat update needs. The program fetches with Qt Network; tests put in
// their own.
class HttpFetcher {
public:
    virtual ~HttpFetcher() = default;

    // Whether the server of `url` can be reached: its host resolves and accepts a connection.
    virtual bool isConnected(const std::string& url) = 0;
    // Fetches `url` into the file `path`, replacing it. Any error, an HTTP status other than 200
    // included, is a failure and leaves no file behind.
    virtual bool download(const std::string& url, const std::string& path) = 0;
};

} // namespace kvx
