#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/loadedhttpfetcher.h"
#include "localhttpserver.h"
#include "net/qthttpfetcher.h"

using namespace kvx;
using namespace kvx::test;

namespace {

class QtHttpFetcherTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.isListening());
        ASSERT_TRUE(dir.isValid());
    }

    std::string url(const QString& path) const { return (server.address() + path).toStdString(); }
    std::string file(const QString& name) const
    {
        return QFile::encodeName(dir.filePath(name)).toStdString();
    }
    static QByteArray contents(const std::string& path)
    {
        QFile in(QFile::decodeName(path.c_str()));
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
    }

    LocalHttpServer server;
    QTemporaryDir dir;
};

} // namespace

TEST_F(QtHttpFetcherTest, ConnectionCheckAnswersWhetherTheServerTakesConnections)
{
    QtHttpFetcher fetcher;
    EXPECT_TRUE(fetcher.isConnected(url("/any/page.html")));
    QCoreApplication::processEvents();
    EXPECT_EQ(server.connections, 1);
    EXPECT_TRUE(server.requestedPaths.isEmpty()); // a check asks for no page
    const std::string closed =
        "http://127.0.0.1:" + std::to_string(LocalHttpServer::closedPort()) + "/a.html";
    EXPECT_FALSE(fetcher.isConnected(closed));
    EXPECT_FALSE(fetcher.isConnected("not an address"));
    EXPECT_FALSE(fetcher.isConnected(""));
}

TEST_F(QtHttpFetcherTest, DownloadWritesThePageAndReplacesAnOldFile)
{
    const QByteArray body = "<html>\r\n<td>11494 H<</td>\r\n</html>\r\n";
    server.setPage("/europe/Astra.html", body);
    QFile old(dir.filePath("Astra.html"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older and much longer page that must not survive in any part");
    old.close();
    QtHttpFetcher fetcher;
    ASSERT_EQ(fetcher.download(url("/europe/Astra.html"), file("Astra.html"), {}).result, DownloadResult::Ok);
    EXPECT_EQ(contents(file("Astra.html")), body);
    EXPECT_EQ(server.requestedPaths, QList<QByteArray>({"/europe/Astra.html"}));
}

TEST_F(QtHttpFetcherTest, FailuresSayWhatEndedTheDownloadAndLeaveNoFile)
{
    server.setPage("/gone.html", "<html>gone</html>", 410);
    server.setPage("/error.html", "<html>error</html>", 503);
    server.setPageWithLength("/cut.html", "<html>the first part", 400);
    server.setStalledPage("/stalled.html", "<html>the first part", 400);
    server.setPage("/big.html", QByteArray(4096, 'x'));
    server.setPageWithLength("/unannounced.html", QByteArray(4096, 'x'), -1);
    server.setSlowPage("/slow.html", QByteArray(100, 'x'), 20);
    server.setPage("/loop.html", {}, 302, "Location: /loop.html\r\n");
    server.setPage("/ok.html", "ok");
    const std::string closed =
        "http://127.0.0.1:" + std::to_string(LocalHttpServer::closedPort()) + "/a.html";
    const struct {
        std::string url;
        const char* name;
        DownloadResult result;
        int status = 0;
        std::string reason = {};
    } rows[] = {
        {url("/missing.html"), "missing.html", DownloadResult::HttpStatus, 404, "Not Found"},
        {url("/gone.html"), "gone.html", DownloadResult::HttpStatus, 410, "Gone"},
        {url("/error.html"), "error.html", DownloadResult::HttpStatus, 503, "Service Unavailable"},
        {url("/cut.html"), "cut.html", DownloadResult::Failed}, // the connection closed mid-body
        {url("/stalled.html"), "stalled.html", DownloadResult::Stalled},
        {url("/big.html"), "big.html", DownloadResult::TooLarge},
        {url("/unannounced.html"), "unannounced.html", DownloadResult::TooLarge},
        {url("/slow.html"), "slow.html", DownloadResult::TimedOut}, // bytes keep coming: no stall
        {url("/loop.html"), "loop.html", DownloadResult::TooManyRedirects},
        {closed, "a.html", DownloadResult::Unreachable},
        {url("/ok.html"), "nowhere/ok.html", DownloadResult::Failed}, // no folder to take the file
    };
    QtHttpFetcher small({5000, 500, 1000, 1024});
    EXPECT_EQ(small.deadlineSeconds(), 1);
    EXPECT_EQ(small.stallSeconds(), 1);
    for (const auto& row : rows) {
        const DownloadOutcome outcome = small.download(row.url, file(row.name), {});
        EXPECT_EQ(outcome.result, row.result) << row.url;
        EXPECT_EQ(outcome.httpStatus, row.status) << row.url;
        EXPECT_EQ(outcome.reason, row.reason) << row.url;
    }
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(QtHttpFetcherTest, RedirectsAreFollowedOnlyToTheSameSchemeHostAndPort)
{
    LocalHttpServer other;
    ASSERT_TRUE(other.isListening());
    const QByteArray port = QByteArray::number(server.port());
    server.setPage("/new.html", "moved here");
    server.setPage("/hop.html", {}, 307, "Location: /new.html\r\n");
    server.setPage("/elsewhere.html", {}, 302, "Location: http://localhost:" + port + "/new.html\r\n");
    const struct {
        QByteArray location;
        DownloadResult result;
        QList<QByteArray> requested;
        QByteArray refusedTarget = {};
    } rows[] = {
        {server.address().toLatin1() + "/new.html", DownloadResult::Ok, {"/old.html", "/new.html"}},
        {"/new.html", DownloadResult::Ok, {"/old.html", "/new.html"}},
        {"/hop.html", DownloadResult::Ok, {"/old.html", "/hop.html", "/new.html"}},
        {"/elsewhere.html",
         DownloadResult::RedirectRefused,
         {"/old.html", "/elsewhere.html"},
         "http://localhost:" + port + "/new.html"},
        {"http://localhost:" + port + "/new.html",
         DownloadResult::RedirectRefused,
         {"/old.html"},
         "http://localhost:" + port + "/new.html"},
        {"https://127.0.0.1:" + port + "/new.html",
         DownloadResult::RedirectRefused,
         {"/old.html"},
         "https://127.0.0.1:" + port + "/new.html"},
        {other.address().toLatin1() + "/new.html",
         DownloadResult::RedirectRefused,
         {"/old.html"},
         other.address().toLatin1() + "/new.html"},
    };
    QtHttpFetcher fetcher;
    for (const auto& row : rows) {
        server.setPage("/old.html", {}, 301, "Location: " + row.location + "\r\n");
        server.requestedPaths.clear();
        const DownloadOutcome outcome = fetcher.download(url("/old.html"), file("page.html"), {});
        EXPECT_EQ(outcome.result, row.result) << row.location.data();
        // A refused redirect names where it pointed.
        EXPECT_EQ(QByteArray::fromStdString(outcome.redirectTarget), row.refusedTarget)
            << row.location.data();
        EXPECT_EQ(server.requestedPaths, row.requested) << row.location.data();
        EXPECT_EQ(contents(file("page.html")), row.result == DownloadResult::Ok ? "moved here" : "<missing>");
        QFile::remove(dir.filePath("page.html"));
    }
    EXPECT_EQ(other.connections, 0);
}

TEST_F(QtHttpFetcherTest, AddressWithoutSchemeIsTakenAsHttp)
{
    server.setPage("/a.html", "plain");
    const std::string bare = "127.0.0.1:" + std::to_string(server.port()) + "/a.html";
    QtHttpFetcher fetcher;
    EXPECT_TRUE(fetcher.isConnected(bare));
    ASSERT_EQ(fetcher.download(bare, file("a.html"), {}).result, DownloadResult::Ok);
    EXPECT_EQ(contents(file("a.html")), "plain");
}

TEST_F(QtHttpFetcherTest, TheProgramFetchesThroughTheNetworkModuleItLoadsAndWithoutItReachesNothing)
{
    server.setPage("/a.html", "<html>a</html>");
    LoadedHttpFetcher fetcher; // the program's folders: the build folder holds the module
    EXPECT_TRUE(fetcher.isConnected(url("/a.html")));
    ASSERT_EQ(fetcher.download(url("/a.html"), file("a.html"), {}).result, DownloadResult::Ok);
    EXPECT_EQ(contents(file("a.html")), "<html>a</html>");
    EXPECT_EQ(fetcher.deadlineSeconds(), QtHttpFetcher().deadlineSeconds());

    LoadedHttpFetcher missing({dir.path()});
    EXPECT_FALSE(missing.isConnected(url("/a.html")));
    EXPECT_EQ(missing.download(url("/a.html"), file("b.html"), {}).result, DownloadResult::Unreachable);
    EXPECT_FALSE(QFile::exists(dir.filePath("b.html")));
}
