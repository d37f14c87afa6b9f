#include "net/httpdownload.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>

#include "net/qthttpfetcher.h"
#include "ui/appnames.h"

namespace kvx {

namespace {

constexpr int kMaxRedirects = 10;

// Redirects stay with the server that was asked: same scheme, host and port.
bool sameOrigin(const QUrl& asked, const QUrl& target)
{
    return asked.scheme().compare(target.scheme(), Qt::CaseInsensitive) == 0 &&
           asked.host().compare(target.host(), Qt::CaseInsensitive) == 0 &&
           asked.port(defaultPortOf(asked)) == target.port(defaultPortOf(target));
}

int statusOf(const QNetworkReply& reply)
{
    return reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

} // namespace

int defaultPortOf(const QUrl& url)
{
    return url.scheme().compare(QStringLiteral("https"), Qt::CaseInsensitive) == 0 ? 443 : 80;
}

HttpDownload::HttpDownload(const QUrl& address, QSaveFile& file, const HttpLimits& limits)
        : address_(address)
        , file_(file)
        , maxBytes_(limits.maxBytes)
{
    stall_.setSingleShot(true);
    stall_.setInterval(limits.stallMs);
    deadline_.setSingleShot(true);
    deadline_.setInterval(limits.deadlineMs);
    QObject::connect(&stall_, &QTimer::timeout, &connections_, [this] { stop(DownloadResult::Stalled); });
    QObject::connect(&deadline_, &QTimer::timeout, &connections_, [this] { stop(DownloadResult::TimedOut); });
}

void HttpDownload::start(std::function<void()> ended)
{
    onEnded_ = std::move(ended);
    deadline_.start();
    get(address_);
}

void HttpDownload::stop(DownloadResult why)
{
    if (ended_)
        return;
    if (stopped_ == DownloadResult::Ok)
        stopped_ = why;
    if (reply_ != nullptr && !reply_->isFinished())
        reply_->abort(); // it finishes, and the download ends with it
    else
        end();
}

// Qt's own following of redirects is not used: it loses replies of chains of redirects.
void HttpDownload::get(const QUrl& url)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("%1/%2").arg(applicationName(), applicationVersion()));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    if (reply_ != nullptr) {
        QObject::disconnect(reply_, nullptr, &connections_, nullptr);
        reply_->deleteLater();
    }
    reply_ = manager_.get(request);
    heard();
    QObject::connect(reply_, &QNetworkReply::readyRead, &connections_, [this] {
        heard();
        take();
    });
    QObject::connect(reply_, &QNetworkReply::metaDataChanged, &connections_, [this] {
        heard();
        announcedSize();
    });
    QObject::connect(reply_, &QNetworkReply::finished, &connections_, [this] { replyFinished(); });
}

void HttpDownload::heard()
{
    stall_.start(); // the wait for the server's next sign starts again
}

void HttpDownload::take()
{
    if (reply_ == nullptr || !reply_->isOpen())
        return;
    const QByteArray chunk = reply_->readAll();
    // The body of a redirect or of an error is not the page.
    if (chunk.isEmpty() || stopped_ != DownloadResult::Ok || statusOf(*reply_) != 200)
        return;
    if (received_ + chunk.size() > maxBytes_)
        return stop(DownloadResult::TooLarge);
    if (file_.write(chunk) != chunk.size())
        return stop(DownloadResult::Failed);
    received_ += chunk.size();
}

int64_t HttpDownload::announcedSize()
{
    if (reply_ == nullptr || statusOf(*reply_) != 200)
        return -1;
    const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
    if (!length.isValid())
        return -1;
    const int64_t size = length.toLongLong();
    if (size > maxBytes_)
        stop(DownloadResult::TooLarge);
    return size;
}

void HttpDownload::replyFinished()
{
    take(); // what is left of the body
    if (stopped_ == DownloadResult::Ok && followRedirect())
        return;
    end();
}

// Sends the request on when the reply is a redirect that may be followed.
bool HttpDownload::followRedirect()
{
    const QVariant location = reply_->attribute(QNetworkRequest::RedirectionTargetAttribute);
    if (statusOf(*reply_) / 100 != 3 || !location.isValid())
        return false;
    const QUrl target = reply_->url().resolved(location.toUrl());
    if (!sameOrigin(address_, target)) {
        stopped_ = DownloadResult::RedirectRefused;
        redirectTarget_ = target.toDisplayString().toStdString();
        return false;
    }
    if (++redirects_ > kMaxRedirects) {
        stopped_ = DownloadResult::TooManyRedirects;
        return false;
    }
    get(target);
    return true;
}

void HttpDownload::end()
{
    if (ended_)
        return;
    ended_ = true;
    stall_.stop();
    deadline_.stop();
    if (onEnded_)
        onEnded_();
}

DownloadOutcome HttpDownload::outcome() const
{
    if (stopped_ != DownloadResult::Ok)
        return {stopped_, 0, {}, redirectTarget_};
    if (reply_ == nullptr)
        return {DownloadResult::Failed};
    switch (reply_->error()) {
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::HostNotFoundError: return {DownloadResult::Unreachable};
    default: break;
    }
    const int status = statusOf(*reply_);
    if (status > 200) {
        const QByteArray reason = reply_->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray();
        return {DownloadResult::HttpStatus, status, QString::fromLatin1(reason).trimmed().toStdString()};
    }
    return {reply_->error() == QNetworkReply::NoError && status == 200 ? DownloadResult::Ok
                                                                       : DownloadResult::Failed};
}

} // namespace kvx
