#pragma once

#include <optional>
#include <string>

#include <QString>

#include "panels/dlglyngsat.h"

class QWidget;

namespace kvx {

class DialogFactory;
class HttpFetcher;
class NameEncoding;
class Prompter;
class ProgressSink;
class StatusBarProgress;
struct DownloadOutcome;
struct ChannelDatabase;
struct NetInfo;

// What the LyngSat update works with besides the database.
struct LyngSatUpdateContext {
    Prompter& prompter;
    DialogFactory& dialogs;
    HttpFetcher& http;
    QWidget* window; // parent of the dialog; its main window's status bar shows the progress
    const NameEncoding& encoding;
    QString siteAddress; // without trailing "/"
};

// Brings the transponders of one network up to date from its page on the LyngSat site: asks for the
// page and the options, checks the connection, downloads the page into a private scratch folder,
// rewrites it into one table cell per line and merges it. The scratch folder goes when the update ends.
class LyngSatUpdater {
public:
    explicit LyngSatUpdater(const LyngSatUpdateContext& context)
            : context_(context)
    {}

    // StatusOk when the network was updated; StatusCanceled when the dialog or the review was cancelled,
    // the page changes nothing, or a step failed (the user has been told which; the database is
    // unchanged then).
    int UpdateFromLyngSat(ChannelDatabase& db, NetInfo& network);

private:
    std::optional<LyngSatRequest> askForPage(const ChannelDatabase& db, const NetInfo& network);
    void waitForConnection(const std::string& url, ProgressSink& progress);
    bool download(const std::string& url, const std::string& pagePath, StatusBarProgress& progress);
    void reportDownloadFailure(const std::string& url, const DownloadOutcome& outcome,
                               ProgressSink& progress);
    bool rewriteIntoCells(const std::string& pagePath, const std::string& cellPath);
    bool mergeCells(const std::string& cellPath, ChannelDatabase& db, NetInfo& network,
                    const LyngSatOptions& options);
    void showError(const char* text);

    LyngSatUpdateContext context_;
};

} // namespace kvx
