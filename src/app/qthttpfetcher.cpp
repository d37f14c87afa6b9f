#include "app/qthttpfetcher.h"

#include <algorithm>
#include <memory>
#include <optional>

#include <QCursor>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProgressDialog>
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

// How long a download waits with the wait cursor before it shows its progress dialog: a quick one ends
// without a dialog flashing up.
constexpr int kDialogDelayMs = 400;
constexpr int kRefreshMs = 200;
constexpr int kMaxRedirects = 10;

// Redirects stay with the server that was asked: same scheme, host and port.
bool sameOrigin(const QUrl& asked, const QUrl& target)
{
    return asked.scheme().compare(target.scheme(), Qt::CaseInsensitive) == 0 &&
           asked.host().compare(target.host(), Qt::CaseInsensitive) == 0 &&
           asked.port(defaultPortOf(asked)) == target.port(defaultPortOf(target));
}

// One download: writes the body of the reply into its file as it arrives, and ends the reply early for
// the first reason to stop.
class Transfer {
public:
    Transfer(QNetworkReply& reply, QSaveFile& file, int64_t maxBytes)
            : reply_(reply)
            , file_(file)
            , maxBytes_(maxBytes)
    {}

    void take()
    {
        if (stopped_ != DownloadResult::Ok || !reply_.isOpen())
            return;
        const QByteArray chunk = reply_.readAll();
        if (chunk.isEmpty())
            return;
        if (received_ + chunk.size() > maxBytes_)
            return stop(DownloadResult::TooLarge);
        if (file_.write(chunk) != chunk.size())
            return stop(DownloadResult::Failed);
        received_ += chunk.size();
    }

    // The page's size as the server announced it, or -1; a size above the limit ends the download
    // before the body comes.
    int64_t announcedSize()
    {
        if (reply_.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() != 200)
            return -1;
        const QVariant length = reply_.header(QNetworkRequest::ContentLengthHeader);
        if (!length.isValid())
            return -1;
        const int64_t size = length.toLongLong();
        if (size > maxBytes_)
            stop(DownloadResult::TooLarge);
        return size;
    }

    void stop(DownloadResult why)
    {
        if (stopped_ == DownloadResult::Ok)
            stopped_ = why;
        reply_.abort();
    }

    int64_t received() const { return received_; }

    // Once the reply has finished.
    DownloadResult result() const
    {
        if (stopped_ != DownloadResult::Ok)
            return stopped_;
        const int httpStatus = reply_.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        return reply_.error() == QNetworkReply::NoError && httpStatus == 200 ? DownloadResult::Ok
                                                                             : DownloadResult::Failed;
    }

private:
    QNetworkReply& reply_;
    QSaveFile& file_;
    int64_t maxBytes_;
    int64_t received_ = 0;
    DownloadResult stopped_ = DownloadResult::Ok;
};

QString sizeText(int64_t bytes)
{
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

// Shows the download's progress, modal to `window` (or the whole program), until the reply finishes or
// the user cancels; user input is taken meanwhile.
void waitWithProgressDialog(QWidget* window, const QUrl& address, QNetworkReply& reply, Transfer& transfer,
                            QEventLoop& loop)
{
    QProgressDialog dialog(window);
    dialog.setWindowTitle(QObject::tr("Download"));
    dialog.setWindowModality(window != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
    dialog.setAutoReset(false);
    dialog.setAutoClose(false);
    dialog.setMinimumWidth(420);
    const QString page = address.toDisplayString();
    const auto refresh = [&] {
        const int64_t total = transfer.announcedSize();
        const int64_t received = transfer.received();
        if (total > 0) {
            dialog.setLabelText(QObject::tr("Downloading %1\n%2 of %3 received")
                                    .arg(page, sizeText(received), sizeText(total)));
            dialog.setRange(0, static_cast<int>(total));
            dialog.setValue(static_cast<int>(std::min(received, total)));
        } else {
            // Without a size the bar only shows that the download is running.
            dialog.setLabelText(QObject::tr("Downloading %1\n%2 received").arg(page, sizeText(received)));
            dialog.setRange(0, 0);
        }
    };
    QObject::connect(&dialog, &QProgressDialog::canceled,
                     [&transfer] { transfer.stop(DownloadResult::Cancelled); });
    QTimer refreshTimer;
    QObject::connect(&refreshTimer, &QTimer::timeout, refresh);
    refresh();
    dialog.show();
    refreshTimer.start(kRefreshMs);
    if (!reply.isFinished())
        loop.exec(QEventLoop::AllEvents);
}

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

DownloadResult QtHttpFetcher::download(const std::string& url, const std::string& path)
{
    const QUrl address = urlOf(url);
    if (!address.isValid() || address.host().isEmpty())
        return DownloadResult::Failed;
    QSaveFile file(QFile::decodeName(path.c_str()));
    if (!file.open(QIODevice::WriteOnly))
        return DownloadResult::Failed;
    std::optional<WaitCursor> waiting(std::in_place);
    QNetworkAccessManager manager;
    QNetworkRequest request(address);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("%1/%2").arg(applicationName(), applicationVersion()));
    request.setTransferTimeout(limits_.transferTimeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));
    Transfer transfer(*reply, file, limits_.maxBytes);
    QNetworkReply* const replyPtr = reply.get();
    QObject::connect(replyPtr, &QNetworkReply::readyRead, [&transfer] { transfer.take(); });
    QObject::connect(replyPtr, &QNetworkReply::metaDataChanged, [&transfer] { transfer.announcedSize(); });
    QObject::connect(replyPtr, &QNetworkReply::redirected,
                     [&transfer, replyPtr, address](const QUrl& target) {
                         if (sameOrigin(address, target))
                             emit replyPtr->redirectAllowed();
                         else
                             transfer.stop(DownloadResult::RedirectRefused);
                     });
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, [&transfer] { transfer.stop(DownloadResult::TimedOut); });
    deadline.start(limits_.deadlineMs);

    QEventLoop loop;
    QObject::connect(replyPtr, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) {
        QTimer showDialog;
        showDialog.setSingleShot(true);
        QObject::connect(&showDialog, &QTimer::timeout, &loop, &QEventLoop::quit);
        showDialog.start(kDialogDelayMs);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (!reply->isFinished()) {
        waiting.reset(); // the dialog's Cancel button is not busy
        waitWithProgressDialog(window_, address, *reply, transfer, loop);
    }
    transfer.take();
    const DownloadResult result = transfer.result();
    if (result != DownloadResult::Ok) {
        file.cancelWriting();
        return result;
    }
    return file.commit() ? DownloadResult::Ok : DownloadResult::Failed;
}

} // namespace kvx
