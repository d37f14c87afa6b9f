#include "app/appsettings.h"

#include <QMainWindow>
#include <QSettings>

#include "db/netinfo.h"
#include "import/scantables.h"
#include "platform/nameencoding.h"
#include "platform/systemlanguage.h"

namespace kvx::appsettings {

namespace {

const auto kNameEncoding = QStringLiteral("nameEncoding");
const auto kLanguage = QStringLiteral("language");
const auto kGeometry = QStringLiteral("MainFrame/geometry");
const auto kState = QStringLiteral("MainFrame/state");
const auto kStatusBar = QStringLiteral("MainFrame/statusBar");
const auto kRecentFiles = QStringLiteral("RecentFiles/paths");
const auto kScanTableFolderKey = QStringLiteral("ScanTables/folder");
constexpr int kStateVersion = 1;

const auto kPageName = QStringLiteral("pageName");
const auto kBand = QStringLiteral("band");
const auto kIncludeHd = QStringLiteral("includeHd");
const auto kIncludeDvbS2 = QStringLiteral("includeDvbS2");
const auto kIncludeFeeds = QStringLiteral("includeFeeds");
const auto kRemoveOutdated = QStringLiteral("removeOutdated");
const auto kSortByFrequency = QStringLiteral("sortByFrequency");

// "LyngSatPages/192-Astra%2019.2E": the name's stored bytes, so that the key does not depend on the
// name encoding chosen, percent-encoded, so that no byte means anything to the settings file.
QString lyngSatGroup(const NetInfo& net)
{
    const QByteArray name = QByteArray::fromStdString(net.name).toPercentEncoding();
    return QStringLiteral("LyngSatPages/%1-%2").arg(net.degree).arg(QString::fromLatin1(name));
}

// Each write of the settings rewrites their file, which costs the start-up and the exit more than the
// rest of their work; a value the file already holds is left alone.
template <typename T>
void setChangedValue(QSettings& settings, const QString& key, const T& value)
{
    if (!settings.contains(key) || settings.value(key).value<T>() != value)
        settings.setValue(key, value);
}

} // namespace

QString nameEncoding()
{
    const QString stored = QSettings().value(kNameEncoding).toString();
    if (!stored.isEmpty() && NameEncoding::isSupported(stored.toStdString()))
        return stored;
    // Nothing chosen yet: the code page that suits the user's language.
    return QString::fromStdString(NameEncoding::defaultForLanguage(localeLanguage()));
}

void setNameEncoding(const QString& codePage)
{
    QSettings().setValue(kNameEncoding, codePage);
}

QString scanTableFolder()
{
    const QString chosen = QSettings().value(kScanTableFolderKey).toString();
    return chosen.isEmpty() ? QString::fromUtf8(kScanTableFolder.data(), kScanTableFolder.size()) : chosen;
}

QString language()
{
    return QSettings().value(kLanguage).toString();
}

void setLanguage(const QString& code)
{
    QSettings().setValue(kLanguage, code);
}

QStringList recentFiles()
{
    return QSettings().value(kRecentFiles).toStringList();
}

void setRecentFiles(const QStringList& paths)
{
    QSettings settings;
    setChangedValue(settings, kRecentFiles, paths);
}

std::optional<LyngSatRequest> lastLyngSatRequest(const NetInfo& net)
{
    QSettings settings;
    settings.beginGroup(lyngSatGroup(net));
    if (!settings.contains(kPageName))
        return std::nullopt;
    const LyngSatOptions defaults;
    LyngSatRequest request;
    request.pageName = settings.value(kPageName).toString();
    request.options.band =
        settings.value(kBand).toString() == QLatin1String("C") ? LyngSatBand::C : LyngSatBand::Ku;
    request.options.includeHd = settings.value(kIncludeHd, defaults.includeHd).toBool();
    request.options.includeDvbS2 = settings.value(kIncludeDvbS2, defaults.includeDvbS2).toBool();
    request.options.includeFeeds = settings.value(kIncludeFeeds, defaults.includeFeeds).toBool();
    request.options.removeOutdated = settings.value(kRemoveOutdated, defaults.removeOutdated).toBool();
    request.options.sortByFrequency = settings.value(kSortByFrequency, defaults.sortByFrequency).toBool();
    return request;
}

void setLastLyngSatRequest(const NetInfo& net, const LyngSatRequest& request)
{
    QSettings settings;
    settings.beginGroup(lyngSatGroup(net));
    settings.setValue(kPageName, request.pageName);
    settings.setValue(kBand,
                      request.options.band == LyngSatBand::C ? QStringLiteral("C") : QStringLiteral("Ku"));
    settings.setValue(kIncludeHd, request.options.includeHd);
    settings.setValue(kIncludeDvbS2, request.options.includeDvbS2);
    settings.setValue(kIncludeFeeds, request.options.includeFeeds);
    settings.setValue(kRemoveOutdated, request.options.removeOutdated);
    settings.setValue(kSortByFrequency, request.options.sortByFrequency);
}

void saveWindowState(const QMainWindow& frame, bool statusBarVisible)
{
    QSettings settings;
    setChangedValue(settings, kGeometry, frame.saveGeometry());
    setChangedValue(settings, kState, frame.saveState(kStateVersion));
    setChangedValue(settings, kStatusBar, statusBarVisible);
}

bool restoreWindowState(QMainWindow& frame, bool& statusBarVisible)
{
    QSettings settings;
    if (!settings.contains(kGeometry))
        return false;
    frame.restoreGeometry(settings.value(kGeometry).toByteArray());
    frame.restoreState(settings.value(kState).toByteArray(), kStateVersion);
    statusBarVisible = settings.value(kStatusBar, true).toBool();
    return true;
}

} // namespace kvx::appsettings
