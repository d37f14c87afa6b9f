#pragma once

#include <optional>

#include <QString>
#include <QStringList>

#include "panels/dlglyngsat.h"

class QMainWindow;

namespace kvx {

struct NetInfo;

// The settings kept between runs (organisation "Quellor", application "KVXEdit"): the main window's
// geometry, its toolbar and dock state, the name encoding, the recently used files and the LyngSat
// page of each network.
namespace appsettings {

QString nameEncoding();
void setNameEncoding(const QString& codePage);

// The language of the menus and dialogs: "" for the system's, else a code such as "de". It is read at
// start-up only, as the texts are made once.
QString language();
void setLanguage(const QString& code);

// The recently opened files, the latest first.
// Where the scan tables are installed: the "ScanTables/folder" setting, else the system's folder.
QString scanTableFolder();

QStringList recentFiles();
void setRecentFiles(const QStringList& paths);

// The page and options of the last LyngSat update asked for on the network, which is known by its
// position and stored name (its slot changes when networks are sorted); none before the first.
std::optional<LyngSatRequest> lastLyngSatRequest(const NetInfo& net);
void setLastLyngSatRequest(const NetInfo& net, const LyngSatRequest& request);

void saveWindowState(const QMainWindow& frame, bool statusBarVisible);
// Returns whether a saved state was found; `statusBarVisible` is set from it.
bool restoreWindowState(QMainWindow& frame, bool& statusBarVisible);

} // namespace appsettings

} // namespace kvx
