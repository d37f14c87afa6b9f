#include "app/lyngsatupdater.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include <QCoreApplication>
#include <QStringList>
#include <QUrl>

#include "app/appsettings.h"
#include "app/dialogfactory.h"
#include "app/importreview.h"
#include "app/statusbarprogress.h"
#include "db/applychanges.h"
#include "db/channeldatabase.h"
#include "import/lyngsataddress.h"
#include "import/lyngsatupdate.h"
#include "import/pagerewrite.h"
#include "import/transponderlimit.h"
#include "platform/httpfetcher.h"
#include "platform/nameencoding.h"
#include "platform/scratchfolder.h"
#include "ui/coretexts.h"
#include "ui/prompter.h"
#include "ui/receivedtext.h"

namespace kvx {

namespace {

// The steps of the progress bar: connected, downloaded, rewritten, merged.
constexpr int kSteps = 4;

constexpr const char* kChooseText =
    QT_TRANSLATE_NOOP("LyngSatUpdater", "Please setting a bandwidth and webpage for update");
constexpr const char* kWaitingText =
    QT_TRANSLATE_NOOP("LyngSatUpdater", "Waiting for the server to respond to a request");
constexpr const char* kNoConnectionText =
    QT_TRANSLATE_NOOP("LyngSatUpdater", "No network connection could be established");
constexpr const char* kConnectedText =
    QT_TRANSLATE_NOOP("LyngSatUpdater", "Successfully connected to the server");
constexpr const char* kNotFoundText = QT_TRANSLATE_NOOP("LyngSatUpdater", "The webpage was not found");

constexpr const char* kConnectFailedMessage =
    QT_TRANSLATE_NOOP("LyngSatUpdater", "The attempt to connect to the server failed.");
constexpr const char* kDownloadFailedMessage =
    QT_TRANSLATE_NOOP("LyngSatUpdater", "File Download Error!\nThe webpage was not found.");
constexpr const char* kNoDownloadMessage = QT_TRANSLATE_NOOP("LyngSatUpdater", "Can`t found download file.");
constexpr const char* kNoCellFileMessage = QT_TRANSLATE_NOOP("LyngSatUpdater", "Can`t Open temp file.");
constexpr const char* kCancelledMessage =
    QT_TRANSLATE_NOOP("LyngSatUpdater", "The download was cancelled.\nNothing was changed.");
constexpr const char* kTimedOutMessage =
    QT_TRANSLATE_NOOP("LyngSatUpdater", "The server did not send the page within %1.\nNothing was changed.");
constexpr const char* kStalledMessage =
    QT_TRANSLATE_NOOP("LyngSatUpdater", "The server sent nothing for %1; the download was stopped.\n"
                                        "Nothing was changed.");
constexpr const char* kPageNotFoundMessage =
    QT_TRANSLATE_NOOP("LyngSatUpdater", "The webpage was not found (404).\nNothing was changed.");
constexpr const char* kHttpStatusMessage =
    QT_TRANSLATE_NOOP("LyngSatUpdater", "The server answered %1.\nNothing was changed.");
constexpr const char* kRedirectLoopMessage = QT_TRANSLATE_NOOP(
    "LyngSatUpdater",
    "The server redirected the download again and again without sending the page.\nNothing was changed.");
constexpr const char* kRedirectRefusedMessage = QT_TRANSLATE_NOOP(
    "LyngSatUpdater",
    "The server redirected the download to another site (%1); only redirects within %2 are followed.\n"
    "Nothing was changed.");
constexpr const char* kUnreachableMessage =
    QT_TRANSLATE_NOOP("LyngSatUpdater", "The server %1 could not be reached.\nNothing was changed.");
constexpr const char* kTooLargeMessage =
    QT_TRANSLATE_NOOP("LyngSatUpdater", "The file is too large to be a LyngSat page.\nNothing was changed.");

QString translated(const char* text)
{
    return QCoreApplication::translate("LyngSatUpdater", text);
}

// What noTransponderFoundMessage says, in the user's language.
QString noTransponderFoundText(const LyngSatExclusions& excluded)
{
    const auto counted = [](int count, const char* one, const char* many) {
        return count == 1 ? translated(one)
                          : QCoreApplication::translate("LyngSatUpdater", many, nullptr, count);
    };
    if (excluded.total() == 0)
        return translated(QT_TRANSLATE_NOOP("LyngSatUpdater", "No transponders were found on the page"));
    QStringList parts;
    if (excluded.dvbS2 > 0)
        parts << counted(excluded.dvbS2,
                         QT_TRANSLATE_NOOP("LyngSatUpdater", "1 DVB-S2 row (\"Include DVB-S2\" is off)"),
                         QT_TRANSLATE_N_NOOP("LyngSatUpdater", "%n DVB-S2 rows (\"Include DVB-S2\" is off)"));
    if (excluded.hd > 0)
        parts << counted(excluded.hd, QT_TRANSLATE_NOOP("LyngSatUpdater", "1 HD row (\"Include HD\" is off)"),
                         QT_TRANSLATE_N_NOOP("LyngSatUpdater", "%n HD rows (\"Include HD\" is off)"));
    if (excluded.feeds > 0)
        parts << counted(excluded.feeds,
                         QT_TRANSLATE_NOOP("LyngSatUpdater", "1 feed (\"Include Feeds\" is off)"),
                         QT_TRANSLATE_N_NOOP("LyngSatUpdater", "%n feeds (\"Include Feeds\" is off)"));
    if (excluded.band > 0)
        parts << counted(excluded.band, QT_TRANSLATE_NOOP("LyngSatUpdater", "1 row outside the chosen band"),
                         QT_TRANSLATE_N_NOOP("LyngSatUpdater", "%n rows outside the chosen band"));
    return counted(excluded.total(),
                   QT_TRANSLATE_NOOP("LyngSatUpdater", "No transponders were found on the page.\n"
                                                       "1 row was left out by the options: %1."),
                   QT_TRANSLATE_N_NOOP("LyngSatUpdater", "No transponders were found on the page.\n"
                                                         "%n rows were left out by the options: %1."))
        .arg(parts.join(QStringLiteral(", ")));
}

std::string localPath(const ScratchFolder& folder, const std::string& name)
{
    return (folder.path() / name).string();
}

// "https://www.example.org" of "https://www.example.org/europe/page.html": where a redirect may go.
QString originOf(const std::string& url)
{
    return QUrl::fromUserInput(QString::fromStdString(url))
        .adjusted(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment | QUrl::RemoveUserInfo)
        .toString();
}

void removeFile(const std::string& path)
{
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

QString secondsText(int seconds)
{
    return seconds == 1 ? translated(QT_TRANSLATE_NOOP("LyngSatUpdater", "1 second"))
                        : QCoreApplication::translate("LyngSatUpdater", "%n seconds", nullptr, seconds);
}

// "503 (Service Unavailable)", or "503" when the server gave no reason.
QString statusText(const DownloadOutcome& outcome)
{
    const QString number = QString::number(outcome.httpStatus);
    return outcome.reason.empty()
               ? number
               : QStringLiteral("%1 (%2)").arg(number, QString::fromStdString(outcome.reason));
}

// What the status bar says while the download runs: "Downloading Net1.html: 2 KB of 30 KB received".
QString downloadingText(const std::string& url, int64_t received, int64_t total)
{
    const QString page = QUrl::fromUserInput(QString::fromStdString(url)).fileName();
    return QObject::tr("Downloading %1: %2").arg(page, receivedText(received, total));
}

} // namespace

int LyngSatUpdater::UpdateFromLyngSat(ChannelDatabase& db, NetInfo& network)
{
    StatusBarProgress progress(context_.window, translated(kChooseText), kSteps);
    const std::optional<LyngSatRequest> request = askForPage(db, network);
    if (!request)
        return StatusCanceled;
    const std::string pageName = request->pageName.toStdString();
    const std::string url = lyngSatPageUrl(context_.siteAddress.toStdString(), pageName);
    const std::string fileName = downloadedPageFileName(pageName);

    waitForConnection(url, progress);
    progress.step();

    // The page and its rewrite are scratch files: they go into a private folder, never the user's own.
    // The folder of an update that was killed is removed here, by the next one.
    const ScratchFolder scratch("kvxedit-lyngsat");
    if (!scratch.isValid()) {
        showError(kNoCellFileMessage);
        return StatusCanceled;
    }
    const std::string pagePath = localPath(scratch, fileName);
    const std::string cellPath = pagePath + std::string(kCellFileSuffix);
    if (!download(url, pagePath, progress))
        return StatusCanceled;
    progress.step();
    if (!rewriteIntoCells(pagePath, cellPath))
        return StatusCanceled;
    progress.step();
    if (!mergeCells(cellPath, db, network, request->options))
        return StatusCanceled;
    removeFile(cellPath);
    progress.step();
    return StatusOk;
}

std::optional<LyngSatRequest> LyngSatUpdater::askForPage(const ChannelDatabase& db, const NetInfo& network)
{
    LyngSatDialogValues values;
    values.satelliteName = QString::fromStdString(context_.encoding.toUtf8(network.name));
    values.satelliteDegree = QString::fromStdString(network.degreeText());
    const AntInfo* antenna = db.antennas.at(network.netIndex);
    values.band = antenna != nullptr ? defaultBandFor(*antenna) : LyngSatBand::Ku;
    values.siteAddress = context_.siteAddress;
    values.last = appsettings::lastLyngSatRequest(network);
    std::optional<LyngSatRequest> request = context_.dialogs.askLyngSatUpdate(context_.window, values);
    // Kept as soon as it is asked for: a failed download is tried again with the same page.
    if (request)
        appsettings::setLastLyngSatRequest(network, *request);
    return request;
}

void LyngSatUpdater::waitForConnection(const std::string& url, ProgressSink& progress)
{
    progress.setText(translated(kWaitingText).toStdString());
    while (!context_.http.isConnected(url)) {
        progress.setText(translated(kNoConnectionText).toStdString());
        // Cancel gives up waiting; the download is still tried and reports its own failure.
        if (context_.prompter.askRetryCancel(translated(kConnectFailedMessage), PromptIcon::Warning) !=
            PromptAnswer::Retry)
            return;
        progress.setText(translated(kWaitingText).toStdString());
    }
    progress.setText(translated(kConnectedText).toStdString());
}

bool LyngSatUpdater::download(const std::string& url, const std::string& pagePath,
                              StatusBarProgress& progress)
{
    // The status bar follows the download's own progress dialog.
    const auto showReceived = [&progress, &url](int64_t received, int64_t total) {
        progress.setText(downloadingText(url, received, total).toStdString());
        progress.showAmount(received, total);
    };
    const DownloadOutcome outcome = context_.http.download(url, pagePath, showReceived);
    progress.showSteps();
    if (outcome.result == DownloadResult::Ok)
        return true;
    removeFile(pagePath);
    reportDownloadFailure(url, outcome, progress);
    return false;
}

void LyngSatUpdater::reportDownloadFailure(const std::string& url, const DownloadOutcome& outcome,
                                           ProgressSink& progress)
{
    const auto stop = [this](const QString& text) { context_.prompter.showMessage(text, PromptIcon::Stop); };
    switch (outcome.result) {
    case DownloadResult::Cancelled:
        context_.prompter.showMessage(translated(kCancelledMessage), PromptIcon::Information);
        break;
    case DownloadResult::TimedOut:
        stop(translated(kTimedOutMessage).arg(secondsText(context_.http.deadlineSeconds())));
        break;
    case DownloadResult::Stalled:
        stop(translated(kStalledMessage).arg(secondsText(context_.http.stallSeconds())));
        break;
    case DownloadResult::HttpStatus:
        if (outcome.httpStatus == 404) {
            progress.setText(translated(kNotFoundText).toStdString());
            stop(translated(kPageNotFoundMessage));
        } else {
            stop(translated(kHttpStatusMessage).arg(statusText(outcome)));
        }
        break;
    case DownloadResult::TooManyRedirects: stop(translated(kRedirectLoopMessage)); break;
    case DownloadResult::RedirectRefused:
        stop(translated(kRedirectRefusedMessage)
                 .arg(QString::fromStdString(outcome.redirectTarget), originOf(url)));
        break;
    case DownloadResult::Unreachable:
        progress.setText(translated(kNoConnectionText).toStdString());
        stop(translated(kUnreachableMessage).arg(originOf(url)));
        break;
    case DownloadResult::TooLarge: showError(kTooLargeMessage); break;
    default:
        progress.setText(translated(kNotFoundText).toStdString());
        showError(kDownloadFailedMessage);
        break;
    }
}

bool LyngSatUpdater::rewriteIntoCells(const std::string& pagePath, const std::string& cellPath)
{
    std::ifstream page(pagePath, std::ios::binary);
    if (!page) {
        showError(kNoDownloadMessage);
        return false;
    }
    std::ofstream cells(cellPath, std::ios::binary | std::ios::trunc);
    if (!cells) {
        page.close();
        removeFile(pagePath);
        showError(kNoCellFileMessage);
        return false;
    }
    rewritePageIntoCells(page, cells);
    cells.close();
    page.close();
    removeFile(pagePath);
    // A rewrite cut short (a full disk) would make the merge remove the transponders of the lost part.
    if (!cells) {
        removeFile(cellPath);
        showError(kNoCellFileMessage);
        return false;
    }
    return true;
}

bool LyngSatUpdater::mergeCells(const std::string& cellPath, ChannelDatabase& db, NetInfo& network,
                                const LyngSatOptions& options)
{
    std::ifstream file(cellPath, std::ios::binary);
    if (!file) {
        showError(kNoCellFileMessage);
        return false;
    }
    const std::ptrdiff_t slot = db.networks.indexOf(&network);
    if (slot < 0)
        return false;

    const LyngSatPlan plan = planLyngSatCells(file, db, static_cast<uint8_t>(slot), options);
    if (plan.result.rows == 0) {
        context_.prompter.showMessage(noTransponderFoundText(plan.result.excluded), PromptIcon::Warning);
        return false;
    }
    // A full list that also makes the file too large is told by the review alone.
    if (plan.result.listFull &&
        checkChangesFit(db, plan.changes, plan.changes.defaultSelection()) == StatusOk)
        context_.prompter.showMessage(coreText("Import", kTransponderListFullMessage), PromptIcon::Warning);
    const ImportQuestions questions{context_.prompter, context_.dialogs, context_.window, context_.encoding};
    const std::optional<ChangeSelection> selection =
        reviewChanges(questions, db, plan.changes, QObject::tr("Update from LyngSat"),
                      QObject::tr("The network already matches the page; nothing was changed"));
    // What was reviewed is what is applied, on the database itself, so that every record the window
    // points at stays where it is.
    return selection && applyChanges(db, plan.changes, *selection) == StatusOk;
}

void LyngSatUpdater::showError(const char* text)
{
    context_.prompter.showMessage(translated(text), PromptIcon::Stop);
}

} // namespace kvx
