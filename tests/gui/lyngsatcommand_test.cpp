#include <deque>
#include <fstream>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "app/lyngsatsite.h"
#include "app/progressbar.h"
#include "core/importdatabase.h"
#include "framefixture.h"
#include "localhttpserver.h"
#include "net/qthttpfetcher.h"
#include "panels/editbar.h"
#include "platform/httpfetcher.h"
#include "reviewdriver.h"
#include "support/importfixtures.h"
#include "widgetdriver.h"

using namespace kvx;
using namespace kvx::test;

namespace {

// Answers the connection check from a script and "downloads" a page it was given.
class FakeFetcher final : public HttpFetcher {
public:
    bool isConnected(const std::string& url) override
    {
        checkedUrls.push_back(url);
        if (whileChecking)
            whileChecking();
        if (connectAnswers.empty())
            return true;
        const bool answer = connectAnswers.front();
        connectAnswers.pop_front();
        return answer;
    }

    DownloadOutcome download(const std::string& url, const std::string& path,
                             const DownloadProgress&) override
    {
        downloadedUrls.push_back(url);
        downloadPaths.push_back(path);
        if (whileDownloading)
            whileDownloading(path);
        if (!page)
            return {DownloadResult::Failed};
        if (writePage)
            std::ofstream(path, std::ios::binary) << *page;
        return {DownloadResult::Ok};
    }
    int deadlineSeconds() const override { return 60; }
    int stallSeconds() const override { return 20; }

    std::deque<bool> connectAnswers; // true once they run out
    std::optional<std::string> page; // none: the download fails
    bool writePage = true;
    std::function<void()> whileChecking;
    std::function<void(const std::string& path)> whileDownloading;
    std::vector<std::string> checkedUrls, downloadedUrls, downloadPaths;
};

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

// Update from LyngSat on the second network of an open database: "Net 0" with one transponder, "Net 1"
// (19.2) with two. The site is configured, the scratch folder and the current folder are folders of the
// test, so that a test sees every file the update leaves.
class LyngSatCommandTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        frame.reset();
        frame = std::make_unique<CMainFrame>(AppServices{prompter, dialogs, clock, fetcher()});
        QSettings().setValue(QLatin1String(kLyngSatSiteKey), site());

        ASSERT_TRUE(QDir(dir.path()).mkpath("scratch"));
        ASSERT_TRUE(QDir(dir.path()).mkpath("current"));
        oldTmpDir = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(pathFor("scratch")));
        oldCurrent = QDir::currentPath();
        QDir::setCurrent(pathFor("current"));

        ChannelDatabase database = databaseWithNetworks(
            {{{11494, 1, 27500, "A"}}, {{12150, 1, 27500, "E"}, {12111, 0, 27500, "D"}}});
        database.networks[1].degree = 192;
        open(writeKvx("list.kvx", std::move(database)));
        tree().setCurrentItem(tree().topLevelItem(1));
        ASSERT_EQ(view().currentNet(), &db().networks[1]);
        before = imageOf(db());
    }

    void TearDown() override
    {
        QDir::setCurrent(oldCurrent);
        if (oldTmpDir.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", oldTmpDir);
        FrameFixture::TearDown();
    }

    virtual HttpFetcher* fetcher() { return &fake; }
    virtual QString site() const { return QStringLiteral("http://sat.test"); }

    static LyngSatRequest request(const QString& pageName)
    {
        LyngSatRequest wanted;
        wanted.pageName = pageName;
        return wanted;
    }

    // D at 12111 V is matched (and moves to 12112), 12188 H is new, E at 12150 H is outdated.
    static std::string netOnePage()
    {
        return lyngSatPage({dvbsRow("12112 V", "27500-3/4"), dvbsRow("12188 H", "22000-5/6")});
    }

    QLabel* pane() const { return frame->statusBar()->findChild<QLabel*>("readyPane"); }
    CProgressBar* progressBar() const { return frame->statusBar()->findChild<CProgressBar*>(); }
    // What the status bar shows: "<pane text>|<bar value>/<bar maximum>", or "none" without a bar.
    QString progressState() const
    {
        const CProgressBar* bar = progressBar();
        if (bar == nullptr)
            return QStringLiteral("none");
        return QStringLiteral("%1|%2/%3").arg(pane()->text()).arg(bar->value()).arg(bar->maximum());
    }
    void recordProgressAtEveryStep()
    {
        dialogs.whileLyngSatDialogOpen = [this] { progress << progressState(); };
        prompter.whilePrompting = [this] { progress << progressState(); };
        fake.whileChecking = [this] { progress << progressState(); };
        fake.whileDownloading = [this](const std::string&) { progress << progressState(); };
    }

    void expectUpdatedNetworkOne()
    {
        EXPECT_EQ(transponderNames(db(), 1), std::vector<std::string>({"D", ""}));
        const auto tps = transpondersOf(db(), 1);
        EXPECT_EQ(tps[0]->frequency, 12112);
        EXPECT_EQ(tps[1]->frequency, 12188);
        EXPECT_EQ(tps[1]->symbolRate, 22000);
        EXPECT_EQ(tps[1]->polarity(), 1);
        EXPECT_EQ(transponderNames(db(), 0), std::vector<std::string>({"A"}));
        expectReferencesIntact(db());
        EXPECT_EQ(db().programs.size(), 4u); // E's two programs went with it

        // The updated network is selected again and open.
        QTreeWidgetItem* item = tree().topLevelItem(1);
        EXPECT_EQ(tree().currentItem(), item);
        EXPECT_EQ(view().currentItem(), item);
        EXPECT_EQ(view().currentNet(), &db().networks[1]);
        EXPECT_TRUE(item->isExpanded());
        EXPECT_EQ(item->childCount(), 2);
        EXPECT_TRUE(view().modified());
        expectNothingLeftBehind();
    }

    void expectUnchanged()
    {
        EXPECT_EQ(imageOf(db()), before);
        EXPECT_FALSE(view().modified());
        EXPECT_EQ(tree().topLevelItem(1)->childCount(), 2);
        expectNothingLeftBehind();
    }

    void expectNothingLeftBehind()
    {
        EXPECT_EQ(progressBar(), nullptr);
        EXPECT_EQ(pane()->text(), "Ready");
        EXPECT_EQ(entriesOf(pathFor("scratch")), QStringList());
        EXPECT_EQ(entriesOf(pathFor("current")), QStringList());
    }

    FakeFetcher fake;
    std::vector<uint8_t> before;
    QStringList progress;
    QByteArray oldTmpDir;
    QString oldCurrent;
};

} // namespace

TEST_F(LyngSatCommandTest, UpdateMergesThePageIntoTheSelectedNetwork)
{
    recordProgressAtEveryStep();
    std::string folderDuringDownload;
    fake.whileDownloading = [&](const std::string& path) {
        progress << progressState();
        folderDuringDownload = QFileInfo(QFile::decodeName(path.c_str())).absolutePath().toStdString();
    };
    fake.page = netOnePage();
    dialogs.answerLyngSat(request("europe/west/Net1.html"));
    trigger(ID_UPDATE_LYNGSAT);

    ASSERT_EQ(dialogs.lyngSatDialogs.size(), 1);
    const LyngSatDialogValues& shown = dialogs.lyngSatDialogs[0];
    EXPECT_EQ(shown.satelliteName, "Net 1");
    EXPECT_EQ(shown.satelliteDegree, "19.2E");
    EXPECT_EQ(shown.band, LyngSatBand::Ku);
    EXPECT_EQ(shown.siteAddress, "http://sat.test");

    EXPECT_EQ(fake.checkedUrls, std::vector<std::string>({"http://sat.test/europe/west/Net1.html"}));
    EXPECT_EQ(fake.downloadedUrls, fake.checkedUrls);
    // The page is kept under its last name component, in a private folder below the temporary folder.
    ASSERT_EQ(fake.downloadPaths.size(), 1u);
    EXPECT_EQ(QFileInfo(QFile::decodeName(fake.downloadPaths[0].c_str())).fileName(), "Net1.html");
    EXPECT_EQ(QFileInfo(QString::fromStdString(folderDuringDownload)).absolutePath(),
              QFileInfo(pathFor("scratch")).absoluteFilePath());
    EXPECT_TRUE(prompter.shown.isEmpty());

    EXPECT_EQ(progress, QStringList({"Please setting a bandwidth and webpage for update|-1/4",
                                     "Waiting for the server to respond to a request|-1/4",
                                     "Successfully connected to the server|1/4"}));
    expectUpdatedNetworkOne();
}

TEST_F(LyngSatCommandTest, UpdateRemovesTheScratchFoldersOfKilledUpdates)
{
    long pidMax = 4194304;
    std::ifstream("/proc/sys/kernel/pid_max") >> pidMax;
    const QString dead = QStringLiteral("kvxedit-lyngsat-%1-a1b2c3").arg(pidMax + 1);
    const QString live = QStringLiteral("kvxedit-lyngsat-%1-a1b2c3").arg(QCoreApplication::applicationPid());
    ASSERT_TRUE(QDir(pathFor("scratch")).mkpath(dead + "/Net1.html_temp"));
    ASSERT_TRUE(QDir(pathFor("scratch")).mkpath(live));
    fake.page = netOnePage();
    dialogs.answerLyngSat(request("Net1.html"));
    trigger(ID_UPDATE_LYNGSAT);
    EXPECT_EQ(entriesOf(pathFor("scratch")), QStringList({live}));
    EXPECT_EQ(transponderNames(db(), 1), std::vector<std::string>({"D", ""}));
}

TEST_F(LyngSatCommandTest, CancelledDialogChangesNothing)
{
    recordProgressAtEveryStep();
    dialogs.answerLyngSat(std::nullopt);
    trigger(ID_UPDATE_LYNGSAT);
    EXPECT_EQ(progress, QStringList({"Please setting a bandwidth and webpage for update|-1/4"}));
    EXPECT_TRUE(fake.checkedUrls.empty());
    EXPECT_TRUE(fake.downloadedUrls.empty());
    EXPECT_TRUE(prompter.shown.isEmpty());
    expectUnchanged();
}

namespace {

// The dialog's controls as "page|band|the ticked options".
QString dialogState(const CDlgLyngSat& dialog)
{
    QStringList ticked;
    for (const char* box : {"includeHd", "includeDvbS2", "includeFeeds", "removeOutdated", "sortByFrequency"})
        if (checked(&dialog, box))
            ticked << QLatin1String(box);
    return QStringLiteral("%1|%2|%3").arg(text(&dialog, "pageName"), text(&dialog, "band"), ticked.join(' '));
}

} // namespace

TEST_F(LyngSatCommandTest, TheDialogStartsFromTheNetworksLastPageAndCancelKeepsIt)
{
    frame->show();
    fake.page = "<html><body>No table today.</body></html>";
    const QString defaults = "|Ku-Band|removeOutdated sortByFrequency";
    const QString asked = "europe/Net1.html|C-Band|includeHd removeOutdated";
    const struct {
        int network;
        QString shown;
        bool update; // else the play changes every control and cancels
    } cases[] = {
        {1, defaults, true}, // the play asks for `asked`
        {1, asked, false},
        {0, defaults, false},
        {1, asked, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "network " << c.network << ", " << c.shown.toStdString());
        clickOn(tree().topLevelItem(c.network));
        dialogs.answerLyngSatWith([&](CDlgLyngSat& dialog) {
            EXPECT_EQ(dialogState(dialog), c.shown);
            type(&dialog, "pageName", c.update ? "europe/Net1.html" : "other.html");
            pick(&dialog, "band", "C-Band");
            click(&dialog, "includeHd");
            click(&dialog, "sortByFrequency");
            QTest::mouseClick(control<QPushButton>(&dialog, c.update ? "update" : "cancel"), Qt::LeftButton);
        });
        if (c.update)
            prompter.acknowledgeMessage(); // the page has no transponder
        const std::size_t checks = fake.checkedUrls.size();
        trigger(ID_UPDATE_LYNGSAT);
        EXPECT_EQ(fake.checkedUrls.size(), checks + (c.update ? 1 : 0));
        expectUnchanged();
    }
}

TEST_F(LyngSatCommandTest, SingleLnbStartsTheDialogOnTheCBand)
{
    db().antennas[1].lnbType = 0x01;                // kind "Single"
    view().ShowNetworkItem(tree().topLevelItem(1)); // the edit bar holds what is stored
    dialogs.answerLyngSat(std::nullopt);
    trigger(ID_UPDATE_LYNGSAT);
    ASSERT_EQ(dialogs.lyngSatDialogs.size(), 1);
    EXPECT_EQ(dialogs.lyngSatDialogs[0].band, LyngSatBand::C);
}

TEST_F(LyngSatCommandTest, RetryChecksTheConnectionAgain)
{
    recordProgressAtEveryStep();
    fake.connectAnswers = {false, false, true};
    fake.page = netOnePage();
    dialogs.answerLyngSat(request("Net1.html"));
    prompter.answerQuestion(PromptAnswer::Retry);
    prompter.answerQuestion(PromptAnswer::Retry);
    trigger(ID_UPDATE_LYNGSAT);

    EXPECT_EQ(prompter.shown, QStringList(2, "The attempt to connect to the server failed."));
    EXPECT_EQ(prompter.icons, QList<PromptIcon>(2, PromptIcon::Warning));
    EXPECT_EQ(fake.checkedUrls.size(), 3u);
    const QString waiting = "Waiting for the server to respond to a request|-1/4";
    const QString noConnection = "No network connection could be established|-1/4";
    EXPECT_EQ(progress,
              QStringList({"Please setting a bandwidth and webpage for update|-1/4", waiting, noConnection,
                           waiting, noConnection, waiting, "Successfully connected to the server|1/4"}));
    expectUpdatedNetworkOne();
}

TEST_F(LyngSatCommandTest, CancelledConnectionStillTriesTheDownload)
{
    recordProgressAtEveryStep();
    fake.connectAnswers = {false};
    dialogs.answerLyngSat(request("Net1.html"));
    prompter.answerQuestion(PromptAnswer::Cancel);
    prompter.acknowledgeMessage();
    trigger(ID_UPDATE_LYNGSAT);

    EXPECT_EQ(fake.downloadedUrls, std::vector<std::string>({"http://sat.test/Net1.html"}));
    EXPECT_EQ(prompter.shown, QStringList({"The attempt to connect to the server failed.",
                                           "File Download Error!\nThe webpage was not found."}));
    EXPECT_EQ(prompter.icons, QList<PromptIcon>({PromptIcon::Warning, PromptIcon::Stop}));
    // A connection that was never made is not reported as made.
    EXPECT_EQ(progress.mid(3), QStringList({"No network connection could be established|1/4",
                                            "The webpage was not found|1/4"}));
    expectUnchanged();
}

TEST_F(LyngSatCommandTest, DownloadThatLeftNoFileIsReported)
{
    fake.page = netOnePage();
    fake.writePage = false;
    dialogs.answerLyngSat(request("Net1.html"));
    prompter.acknowledgeMessage();
    trigger(ID_UPDATE_LYNGSAT);
    EXPECT_EQ(prompter.shown, QStringList({"Can`t found download file."}));
    EXPECT_EQ(prompter.icons, QList<PromptIcon>({PromptIcon::Stop}));
    expectUnchanged();
}

TEST_F(LyngSatCommandTest, CellFileThatCannotBeCreatedIsReported)
{
    fake.page = netOnePage();
    fake.whileDownloading = [](const std::string& path) {
        // Something already stands where the rewrite is to go.
        QDir().mkpath(QFile::decodeName((path + "_temp/x").c_str()));
    };
    dialogs.answerLyngSat(request("Net1.html"));
    prompter.acknowledgeMessage();
    trigger(ID_UPDATE_LYNGSAT);
    EXPECT_EQ(prompter.shown, QStringList({"Can`t Open temp file."}));
    EXPECT_EQ(prompter.icons, QList<PromptIcon>({PromptIcon::Stop}));
    expectUnchanged();
}

TEST_F(LyngSatCommandTest, TheReviewsTicksAreWhatApplyChangesAndOneUndoTakesItBack)
{
    // Row 2 repeats the transponder row 1 takes; E at 12150 H is outdated.
    fake.page = lyngSatPage({dvbsRow("12112 V", "27500-3/4"), dvbsRow("12111 V", "30000-3/4")});
    dialogs.answerLyngSat(request("Net1.html"));
    dialogs.answerReviewWith([](CDlgReview& review) {
        auto* table = review.findChild<QTreeWidget*>("changes");
        ASSERT_EQ(table->topLevelItemCount(), 4); // removal, update, repeat, sort
        QTreeWidgetItem* removal = table->topLevelItem(0);
        QTreeWidgetItem* repeat = table->topLevelItem(2);
        EXPECT_EQ(removal->text(1), "12150");
        EXPECT_EQ(repeat->text(7), "repeats row 1 of the page; possible duplicate of 12111 V");
        EXPECT_EQ(repeat->checkState(0), Qt::Unchecked);
        test::clickTickBox(table, repeat);
        // The removal is left out from the keyboard.
        QTest::keyClick(table, Qt::Key_End);
        QTest::keyClick(table, Qt::Key_Home);
        QTest::keyClick(table, Qt::Key_Space);
        EXPECT_EQ(removal->checkState(0), Qt::Unchecked);
        EXPECT_EQ(review.findChild<QLabel*>("counts")->text(),
                  "1 added, 1 updated, 0 removed; 1 change left out");
        QTest::mouseClick(review.findChild<QPushButton*>("apply"), Qt::LeftButton);
    });
    trigger(ID_UPDATE_LYNGSAT);
    EXPECT_TRUE(prompter.shown.isEmpty());
    // E stays; the repeat was added after it; the sort put it in place.
    EXPECT_EQ(transponderNames(db(), 1), std::vector<std::string>({"", "D", "E"}));
    EXPECT_EQ(transpondersOf(db(), 1)[0]->frequency, 12111);
    EXPECT_EQ(db().programs.size(), 6u);
    EXPECT_TRUE(view().modified());
    expectNothingLeftBehind();

    trigger(ID_EDIT_UNDO);
    EXPECT_EQ(imageOf(db()), before);
}

TEST_F(LyngSatCommandTest, PageWithoutTranspondersChangesNothing)
{
    fake.page = "<html><body>Sorry, this page has moved.</body></html>";
    dialogs.answerLyngSat(request("Net1.html"));
    prompter.acknowledgeMessage();
    trigger(ID_UPDATE_LYNGSAT);
    EXPECT_EQ(prompter.shown, QStringList({"No transponders were found on the page"}));
    EXPECT_TRUE(dialogs.reviewsShown.isEmpty());
    // Not even the sort has run.
    expectUnchanged();
}

TEST_F(LyngSatCommandTest, ReviewShowsTheChangesAndCancelKeepsTheDatabase)
{
    fake.page = netOnePage();
    dialogs.answerLyngSat(request("Net1.html"));
    dialogs.answerReview(false);
    trigger(ID_UPDATE_LYNGSAT);
    ASSERT_EQ(dialogs.reviewsShown.size(), 1);
    const ImportReview& review = dialogs.reviewsShown[0];
    EXPECT_EQ(review.title, "Update from LyngSat");
    EXPECT_EQ(review.countsText(), "1 added, 1 updated, 1 removed (with 2 programs)");
    expectUnchanged();
}

TEST_F(LyngSatCommandTest, RunsOnlyOnASatelliteNetworkAfterPendingEditsAreSettled)
{
    // Pending edits cancelled: nothing is asked for.
    type(editBar().widget(), "degree", "7");
    prompter.answerQuestion(PromptAnswer::Cancel);
    trigger(ID_UPDATE_LYNGSAT);
    EXPECT_TRUE(dialogs.lyngSatDialogs.isEmpty());
    prompter.answerQuestion(PromptAnswer::No);
    tree().setCurrentItem(tree().topLevelItem(1)->child(0));
    EXPECT_FALSE(frame->action(ID_UPDATE_LYNGSAT)->isEnabled());
    view().OnUpdateFromLyngSat();

    open(writeKvx("combo.kvx", makeEmptyModel(2, FLAG_PROG_CA | FLAG_TP_EXTRA | FLAG_PROG_EXTRA)));
    tree().setCurrentItem(tree().topLevelItem(64));
    ASSERT_TRUE(editBar().terrestrialMode());
    EXPECT_FALSE(frame->action(ID_UPDATE_LYNGSAT)->isEnabled());
    view().OnUpdateFromLyngSat();
    EXPECT_TRUE(dialogs.lyngSatDialogs.isEmpty());
    EXPECT_TRUE(fake.checkedUrls.empty());
}

// The same command with the program's own fetcher against a server of the test on 127.0.0.1.
class LyngSatDownloadTest : public LyngSatCommandTest {
protected:
    HttpFetcher* fetcher() override { return nullptr; }
    QString site() const override { return server.address(); }

    LocalHttpServer server;
};

TEST_F(LyngSatDownloadTest, DownloadsAndMergesThePageFromTheServer)
{
    ASSERT_TRUE(server.isListening());
    server.setPage("/europe/west/Net1.html", QByteArray::fromStdString(netOnePage()));
    QString stateAtRequest;
    server.onRequest = [this, &stateAtRequest](const QByteArray&) { stateAtRequest = progressState(); };
    dialogs.answerLyngSat(request("europe/west/Net1.html"));
    trigger(ID_UPDATE_LYNGSAT);
    EXPECT_EQ(server.requestedPaths, QList<QByteArray>({"/europe/west/Net1.html"}));
    EXPECT_EQ(stateAtRequest, "Successfully connected to the server|1/4");
    EXPECT_TRUE(prompter.shown.isEmpty());
    expectUpdatedNetworkOne();
}

class LyngSatUnreachableTest : public LyngSatDownloadTest {
protected:
    QString site() const override { return QStringLiteral("http://127.0.0.1:%1").arg(closedPort); }
    quint16 closedPort = LocalHttpServer::closedPort();
};

TEST_F(LyngSatUnreachableTest, NoConnectionIsReportedAndTheDownloadFails)
{
    dialogs.answerLyngSat(request("Net1.html"));
    prompter.answerQuestion(PromptAnswer::Retry);
    prompter.answerQuestion(PromptAnswer::Cancel);
    prompter.acknowledgeMessage();
    trigger(ID_UPDATE_LYNGSAT);
    EXPECT_EQ(prompter.shown,
              QStringList({"The attempt to connect to the server failed.",
                           "The attempt to connect to the server failed.",
                           "The server " + site() + " could not be reached.\nNothing was changed."}));
    expectUnchanged();
}

TEST_F(LyngSatDownloadTest, CancelOnTheProgressDialogEndsTheDownloadAndChangesNothing)
{
    // One byte a second: the page would take many minutes.
    server.setSlowPage("/Net1.html", QByteArray::fromStdString(netOnePage()), 1000);
    QTimer poll;
    QWidget* dialogParent = nullptr;
    Qt::WindowModality modality = Qt::NonModal;
    QString label;
    QString statusBar, dialogProgress;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        auto* dialog = frame->findChild<QProgressDialog*>();
        if (dialog == nullptr || !dialog->isVisible())
            return;
        poll.stop();
        dialogParent = dialog->parentWidget();
        modality = dialog->windowModality();
        label = dialog->labelText();
        statusBar = progressState();
        dialogProgress = QStringLiteral("%1/%2").arg(dialog->value()).arg(dialog->maximum());
        QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton);
    });
    poll.start(20);
    dialogs.answerLyngSat(request("Net1.html"));
    prompter.acknowledgeMessage();
    trigger(ID_UPDATE_LYNGSAT);

    EXPECT_EQ(dialogParent, frame.get());
    EXPECT_EQ(modality, Qt::WindowModal);
    EXPECT_TRUE(label.startsWith("Downloading " + server.address() + "/Net1.html\n")) << label.toStdString();
    EXPECT_TRUE(label.endsWith(" received")) << label.toStdString();
    // The status bar shows the bytes as the dialog does, not the update's steps.
    EXPECT_EQ(statusBar, "Downloading Net1.html: " + label.section('\n', 1) + "|" + dialogProgress);
    EXPECT_TRUE(dialogProgress.endsWith(QStringLiteral("/%1").arg(netOnePage().size())))
        << dialogProgress.toStdString();
    EXPECT_EQ(prompter.shown, QStringList({"The download was cancelled.\nNothing was changed."}));
    EXPECT_EQ(prompter.icons, QList<PromptIcon>({PromptIcon::Information}));
    EXPECT_EQ(frame->findChild<QProgressDialog*>(), nullptr);
    expectUnchanged();
}

// The program's fetcher with a one-second deadline, a stall limit of half a second and pages of up to 4 KiB.
class LyngSatLimitedDownloadTest : public LyngSatDownloadTest {
protected:
    void SetUp() override
    {
        LyngSatDownloadTest::SetUp();
        limited.setWindow(frame.get());
    }
    HttpFetcher* fetcher() override { return &limited; }

    QtHttpFetcher limited{{5000, 500, 1000, 4096}};
};

TEST_F(LyngSatLimitedDownloadTest, DownloadThatEndsBadlySaysWhyAndChangesNothing)
{
    const QByteArray page = QByteArray::fromStdString(netOnePage());
    const QByteArray elsewhere = "http://localhost:" + QByteArray::number(server.port()) + "/";
    server.setSlowPage("/slow.html", page, 20);
    server.setStalledPage("/stalled.html", page.left(100), page.size());
    server.setPage("/big.html", page + QByteArray(4096, ' '));
    server.setPage("/away.html", {}, 302, "Location: " + elsewhere + "\r\n");
    server.setPage("/loop.html", {}, 301, "Location: /loop.html\r\n");
    server.setPage("/error.html", page, 500);
    server.setPage("/busy.html", page, 503);
    server.setPageWithLength("/cut.html", page.left(100), page.size());
    const QString unchanged = "\nNothing was changed.";
    const struct {
        const char* page;
        QString message;
    } rows[] = {
        {"slow.html", "The server did not send the page within 1 second." + unchanged},
        {"stalled.html", "The server sent nothing for 1 second; the download was stopped." + unchanged},
        {"big.html", "The file is too large to be a LyngSat page." + unchanged},
        {"away.html", "The server redirected the download to another site (" + elsewhere +
                          "); only redirects within " + server.address() + " are followed." + unchanged},
        {"loop.html",
         "The server redirected the download again and again without sending the page." + unchanged},
        {"error.html", "The server answered 500 (Internal Server Error)." + unchanged},
        {"busy.html", "The server answered 503 (Service Unavailable)." + unchanged},
        {"Nowhere.html", "The webpage was not found (404)." + unchanged},
        {"cut.html", "File Download Error!\nThe webpage was not found."},
    };
    for (const auto& row : rows) {
        prompter.shown.clear();
        dialogs.answerLyngSat(request(row.page));
        prompter.acknowledgeMessage();
        trigger(ID_UPDATE_LYNGSAT);
        EXPECT_EQ(prompter.shown, QStringList({row.message})) << row.page;
        expectUnchanged();
    }
}
