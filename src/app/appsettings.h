#pragma once

#include <QString>
#include <QStringList>

class QMainWindow;

namespace kvx {

// The settings kept between runs (organisation "Quellor", application "KVXEdit"): the main window's
// geometry, its toolbar and dock state, the name encoding and the recently used files.
namespace appsettings {

QString nameEncoding();
void setNameEncoding(const QString& codePage);

// The recently opened files, the latest first.
QStringList recentFiles();
void setRecentFiles(const QStringList& paths);

void saveWindowState(const QMainWindow& frame, bool statusBarVisible);
// Returns whether a saved state was found; `statusBarVisible` is set from it.
bool restoreWindowState(QMainWindow& frame, bool& statusBarVisible);

} // namespace appsettings

} // namespace kvx
