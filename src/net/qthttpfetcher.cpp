#include "net/qthttpfetcher.h"

#include <algorithm>
#include <optional>

#include <QEventLoop>
#include <QFile>
#include <QProgressDialog>
#include <QSaveFile>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#include "net/httpdownload.h"
#include "ui/receivedtext.h"
#include "ui/waitcursor.h"

namespace kvx {

namespace {

QUrl urlOf(const std::string& url)
{
    // A site configured without scheme ("www.example.org") is taken as http.
    return QUrl::fromUserInput(QString::fromStdString(url));
}

// How long a download waits with the wait cursor before it shows its progress dialog: a quick one ends
// without a dialog flashing up.
constexpr int kDialogDelayMs = 400;
constexpr int kRefreshMs = 200;

// Shows the download's progress, modal to `window` (or the whole program), and tells `progress` the
// same, until the reply finishes or the user cancels; user input is taken meanwhile.
void waitWithProgressDialog(QWidget* window, const QUrl& address, HttpDownload& transfer,
                            const DownloadProgress& progress, QEventLoop& loop)
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
        dialog.setLabelText(QObject::tr("Downloading %1\n%2").arg(page, receivedText(received, total)));
        if (total > 0) {
            dialog.setRange(0, static_cast<int>(total));
            dialog.setValue(static_cast<int>(std::min(received, total)));
        } else {
            dialog.setRange(0, 0); // without a size the bar only shows that the download is running
        }
        if (progress)
            progress(received, total);
    };
    QObject::connect(&dialog, &QProgressDialog::canceled,
                     [&transfer] { transfer.stop(DownloadResult::Cancelled); });
    QTimer refreshTimer;
    QObject::connect(&refreshTimer, &QTimer::timeout, refresh);
    refresh();
    dialog.show();
    refreshTimer.start(kRefreshMs);
    if (!transfer.hasEnded())
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

DownloadOutcome QtHttpFetcher::download(const std::string& url, const std::string& path,
                                        const DownloadProgress& progress)
{
    const QUrl address = urlOf(url);
    if (!address.isValid() || address.host().isEmpty())
        return {DownloadResult::Failed};
    QSaveFile file(QFile::decodeName(path.c_str()));
    if (!file.open(QIODevice::WriteOnly))
        return {DownloadResult::Failed};
    std::optional<WaitCursor> waiting(std::in_place);
    QEventLoop loop;
    HttpDownload transfer(address, file, limits_);
    transfer.start([&loop] { loop.quit(); });
    if (!transfer.hasEnded()) {
        QTimer showDialog;
        showDialog.setSingleShot(true);
        QObject::connect(&showDialog, &QTimer::timeout, &loop, &QEventLoop::quit);
        showDialog.start(kDialogDelayMs);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (!transfer.hasEnded()) {
        waiting.reset(); // the dialog's Cancel button is not busy
        waitWithProgressDialog(window_, address, transfer, progress, loop);
    }
    const DownloadOutcome outcome = transfer.outcome();
    if (outcome.result != DownloadResult::Ok) {
        file.cancelWriting();
        return outcome;
    }
    return {file.commit() ? DownloadResult::Ok : DownloadResult::Failed};
}

} // namespace kvx
