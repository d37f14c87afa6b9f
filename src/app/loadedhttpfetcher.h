#pragma once

#include <memory>

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "net/networkmodule.h"
#include "platform/httpfetcher.h"

namespace kvx {

// The program's fetcher: Qt Network's, made by the network module, which the first call loads from
// the first of `folders` that holds it. Without the module nothing can be fetched: every server is
// unreachable, and the reason is written to the program's log.
class LoadedHttpFetcher final : public HttpFetcher {
public:
    explicit LoadedHttpFetcher(QStringList folders = moduleFolders());

    // Where an installed editor keeps its modules, then the build folder.
    static QStringList moduleFolders();

    // The window the progress dialog is modal to; without one it is modal to the whole program.
    void setWindow(QWidget* window) { window_ = window; }

    bool isConnected(const std::string& url) override;
    DownloadOutcome download(const std::string& url, const std::string& path,
                             const DownloadProgress& progress) override;
    int deadlineSeconds() const override;
    int stallSeconds() const override;

private:
    // A fetcher of the module's for one call, or null.
    std::unique_ptr<HttpFetcher> make();

    QStringList folders_;
    QPointer<QWidget> window_;
    bool looked_ = false;
    CreateHttpFetcher entry_ = nullptr;
};

} // namespace kvx
