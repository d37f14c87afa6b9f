#include "app/loadedhttpfetcher.h"

#include <memory>
#include <utility>

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QMessageLogger>

#include "net/networkmodule.h"
#include "net/qthttpfetcher.h"

namespace kvx {

namespace {

// A library that QLibrary loaded stays loaded when the object goes, as the fetchers it makes need.
CreateHttpFetcher loadModule(const QStringList& folders)
{
    QStringList errors;
    for (const QString& folder : folders) {
        QLibrary module(QDir(folder).filePath(QString::fromLatin1(kNetworkModuleName)));
        if (auto entry = reinterpret_cast<CreateHttpFetcher>(module.resolve(kNetworkModuleEntry)))
            return entry;
        errors.append(module.errorString());
    }
    qWarning("No network module: %s", qPrintable(errors.join(QStringLiteral("; "))));
    return nullptr;
}

} // namespace

LoadedHttpFetcher::LoadedHttpFetcher(QStringList folders)
        : folders_(std::move(folders))
{}

QStringList LoadedHttpFetcher::moduleFolders()
{
    return {QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(KVX_MODULE_DIR_FROM_BIN)),
            QStringLiteral(KVX_BUILD_MODULE_DIR)};
}

std::unique_ptr<HttpFetcher> LoadedHttpFetcher::make()
{
    if (!looked_) {
        entry_ = loadModule(folders_);
        looked_ = true;
    }
    return std::unique_ptr<HttpFetcher>(entry_ != nullptr ? entry_(window_) : nullptr);
}

bool LoadedHttpFetcher::isConnected(const std::string& url)
{
    const std::unique_ptr<HttpFetcher> fetcher = make();
    return fetcher != nullptr && fetcher->isConnected(url);
}

DownloadOutcome LoadedHttpFetcher::download(const std::string& url, const std::string& path,
                                            const DownloadProgress& progress)
{
    const std::unique_ptr<HttpFetcher> fetcher = make();
    if (fetcher == nullptr)
        return DownloadOutcome(DownloadResult::Unreachable);
    return fetcher->download(url, path, progress);
}

// The module's fetchers keep the default limits; asking for them needs no module.
int LoadedHttpFetcher::deadlineSeconds() const
{
    return HttpLimits().deadlineSeconds();
}

int LoadedHttpFetcher::stallSeconds() const
{
    return HttpLimits().stallSeconds();
}

} // namespace kvx
