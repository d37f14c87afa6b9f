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

// The module stays loaded once found: the fetchers it made run its code.
CreateHttpFetcher loadModule(const QStringList& folders)
{
    QStringList errors;
    for (const QString& folder : folders) {
        auto* module = new QLibrary(QDir(folder).filePath(QString::fromLatin1(kNetworkModuleName)));
        if (module->load()) {
            if (auto entry = reinterpret_cast<CreateHttpFetcher>(module->resolve(kNetworkModuleEntry)))
                return entry;
        }
        errors.append(module->errorString());
        module->unload();
        delete module;
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
