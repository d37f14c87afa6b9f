#pragma once

#include <QString>

class QMainWindow;

namespace kvx {

// The settings kept between runs (organisation "Quellor", application "KVXEdit"): the main window's
// geometry, its toolbar and dock state, and the name encoding.
namespace appsettings {

QString nameEncoding();
void setNameEncoding(const QString& codePage);

void saveWindowState(const QMainWindow& frame, bool statusBarVisible);
// Returns whether a saved state was found; `statusBarVisible` is set from it.
bool restoreWindowState(QMainWindow& frame, bool& statusBarVisible);

} // namespace appsettings

} // namespace kvx
