#include "app/appsettings.h"

#include <QMainWindow>
#include <QSettings>

#include "platform/nameencoding.h"
#include "platform/systemlanguage.h"

namespace kvx::appsettings {

namespace {

const auto kNameEncoding = QStringLiteral("nameEncoding");
const auto kGeometry = QStringLiteral("MainFrame/geometry");
const auto kState = QStringLiteral("MainFrame/state");
const auto kStatusBar = QStringLiteral("MainFrame/statusBar");
const auto kRecentFiles = QStringLiteral("RecentFiles/paths");
constexpr int kStateVersion = 1;

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

QStringList recentFiles()
{
    return QSettings().value(kRecentFiles).toStringList();
}

void setRecentFiles(const QStringList& paths)
{
    QSettings().setValue(kRecentFiles, paths);
}

void saveWindowState(const QMainWindow& frame, bool statusBarVisible)
{
    QSettings settings;
    settings.setValue(kGeometry, frame.saveGeometry());
    settings.setValue(kState, frame.saveState(kStateVersion));
    settings.setValue(kStatusBar, statusBarVisible);
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
