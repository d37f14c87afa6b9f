#pragma once

#include <cstdint>

#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/httpfetcher.h"

namespace kvx {

// Bounds of one connection check and one download.
struct HttpLimits {
    int connectTimeoutMs = 15000;
    int stallMs = 20000;    // the longest wait for the next bytes of a download
    int deadlineMs = 60000; // the longest a whole download may take
    int64_t maxBytes = 64 * 1024 * 1024;

    int deadlineSeconds() const { return (deadlineMs + 999) / 1000; }
    int stallSeconds() const { return (stallMs + 999) / 1000; }
};

// Fetches over HTTP(S) with Qt Network.
//
// The connection check waits in an event loop of its own that repaints the window but takes no user
// input, with the wait cursor showing; it is bounded by the connect timeout. A download does the same
// for its first moment; one that takes longer shows a progress dialog, modal to the window, with the
// bytes received and a Cancel button, and takes user input from then on, so that the user can cancel it
// while the window behind stays out of reach.
class QtHttpFetcher final : public HttpFetcher {
public:
    explicit QtHttpFetcher(HttpLimits limits = {}, QWidget* window = nullptr)
            : limits_(limits)
            , window_(window)
    {}

    // The window the progress dialog is modal to; without one it is modal to the whole program.
    void setWindow(QWidget* window) { window_ = window; }

    // Opens a TCP connection to the host and port of the address and closes it again.
    bool isConnected(const std::string& url) override;
    // A GET that follows redirects only to the same scheme, host and port as `url`; a page larger than
    // the limit, a download longer than the deadline, a silence longer than the stall limit and a
    // redirect elsewhere end it.
    DownloadOutcome download(const std::string& url, const std::string& path,
                             const DownloadProgress& progress) override;
    int deadlineSeconds() const override { return limits_.deadlineSeconds(); }
    int stallSeconds() const override { return limits_.stallSeconds(); }

private:
    HttpLimits limits_;
    QPointer<QWidget> window_;
};

} // namespace kvx
