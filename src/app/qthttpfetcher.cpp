#include "app/qthttpfetcher.h"

#include <memory>

#include <QCursor>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#include "ui/appnames.h"

namespace kvx {

namespace {

// The wait cursor for as long as the object lives.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QUrl urlOf(const std::string& url)
{
    // A site configured without scheme ("www.example.org") is taken as http.
    return QUrl::fromUserInput(QString::fromStdString(url));
}

int defaultPortOf(const QUrl& url)
{
    return url.scheme().compare(QStringLiteral("https"), Qt::CaseInsensitive) == 0 ? 443 : 80;
}

// Writes the body of a reply into its file as it arrives, up to a size.
class BodyWriter {
public:
    BodyWriter(QNetworkReply& reply, QSaveFile& file, int64_t maxBytes)
            : reply_(reply)
            , file_(file)
            , maxBytes_(maxBytes)
    {}

    void take()
    {
        const QByteArray chunk = reply_.readAll();
        if (failed_ || chunk.isEmpty())
            return;
        if (file_.size() + chunk.size() > maxBytes_ || file_.write(chunk) != chunk.size()) {
            failed_ = true;
            reply_.abort();
        }
    }
    bool failed() const { return failed_; }

private:
    QNetworkReply& reply_;
    QSaveFile& file_;
    int64_t maxBytes_;
    bool failed_ = false;
};

} // namespace

bool QtHttpFetcher::isConnected(const std::string& url)
{
    const QUrl address = urlOf(url);
    if (!address.isValid() || address.host().isEmpty())
        return false;
    WaitCursor waiting;
    QTcpSocket socket;
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&socket, &QTcpSocket::connected, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QTcpSocket::errorOccurred, &loop, &QEventLoop::quit);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    socket.connectToHost(address.host(), static_cast<quint16>(address.port(defaultPortOf(address))));
    timeout.start(limits_.connectTimeoutMs);
    if (socket.state() != QAbstractSocket::UnconnectedState &&
        socket.state() != QAbstractSocket::ConnectedState)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    const bool connected = socket.state() == QAbstractSocket::ConnectedState;
    socket.abort();
    return connected;
}

bool QtHttpFetcher::download(const std::string& url, const std::string& path)
{
    const QUrl address = urlOf(url);
    if (!address.isValid() || address.host().isEmpty())
        return false;
    QSaveFile file(QFile::decodeName(path.c_str()));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    WaitCursor waiting;
    QNetworkAccessManager manager;
    QNetworkRequest request(address);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("%1/%2").arg(applicationName(), applicationVersion()));
    request.setTransferTimeout(limits_.transferTimeoutMs);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));
    BodyWriter writer(*reply, file, limits_.maxBytes);
    QObject::connect(reply.get(), &QNetworkReply::readyRead, [&writer] { writer.take(); });
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    writer.take();
    const int httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (writer.failed() || reply->error() != QNetworkReply::NoError || httpStatus != 200) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace kvx
