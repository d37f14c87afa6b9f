#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include <QNetworkAccessManager>
#include <QObject>
#include <QTimer>
#include <QUrl>

#include "platform/httpfetcher.h"

class QNetworkReply;
class QSaveFile;

namespace kvx {

struct HttpLimits;

// The port of an address that names none: 443 for https, else 80.
int defaultPortOf(const QUrl& url);

// One download in the event loop of its caller: a GET that follows redirects itself, one request at a
// time, only to the scheme, host and port it was asked for, and writes the body of the final reply into
// its file as it arrives. A page larger than the limit, a download longer than the deadline, a silence
// longer than the stall limit, too many redirects and a redirect elsewhere end it early.
class HttpDownload {
public:
    HttpDownload(const QUrl& address, QSaveFile& file, const HttpLimits& limits);
    HttpDownload(const HttpDownload&) = delete;
    HttpDownload& operator=(const HttpDownload&) = delete;

    // Sends the first request; `ended` is called once the download has ended, for whatever reason.
    void start(std::function<void()> ended);
    // Ends the download for `why` unless it has ended already.
    void stop(DownloadResult why);

    bool hasEnded() const { return ended_; }
    int64_t received() const { return received_; }
    // The size the final reply announced, or -1; an announced size above the limit ends the download.
    int64_t announcedSize();
    // Once the download has ended.
    DownloadOutcome outcome() const;

private:
    void get(const QUrl& url);
    void take();
    void replyFinished();
    bool followRedirect();
    void heard();
    void end();

    QUrl address_;
    QSaveFile& file_;
    int64_t maxBytes_;
    QNetworkAccessManager manager_;
    QNetworkReply* reply_ = nullptr; // the current one, owned by manager_
    QTimer stall_;
    QTimer deadline_;
    int redirects_ = 0;
    int64_t received_ = 0;
    bool ended_ = false;
    DownloadResult stopped_ = DownloadResult::Ok;
    std::string redirectTarget_;
    std::function<void()> onEnded_;
    QObject connections_; // declared last: its connections to the replies go first
};

} // namespace kvx
