#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/qthttpfetcher.h"
#include "localhttpserver.h"

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
    ASSERT_EQ(fetcher.download(url("/europe/Astra.html"), file("Astra.html")), DownloadResult::Ok);
    EXPECT_EQ(contents(file("Astra.html")), body);
    EXPECT_EQ(server.requestedPaths, QList<QByteArray>({"/europe/Astra.html"}));
}

TEST_F(QtHttpFetcherTest, FailuresSayWhatEndedTheDownloadAndLeaveNoFile)
{
    server.setPage("/gone.html", "<html>gone</html>", 410);
    server.setPage("/error.html", "<html>error</html>", 500);
    server.setPageWithLength("/cut.html", "<html>the first part", 400);
    server.setPage("/big.html", QByteArray(4096, 'x'));
    server.setPageWithLength("/unannounced.html", QByteArray(4096, 'x'), -1);
    server.setSlowPage("/slow.html", QByteArray(100, 'x'), 50);
    server.setPage("/ok.html", "ok");
    const std::string closed =
        "http://127.0.0.1:" + std::to_string(LocalHttpServer::closedPort()) + "/a.html";
    const struct {
        std::string url;
        const char* name;
        DownloadResult result;
    } rows[] = {
        {url("/missing.html"), "missing.html", DownloadResult::Failed}, // 404
        {url("/gone.html"), "gone.html", DownloadResult::Failed},
        {url("/error.html"), "error.html", DownloadResult::Failed},
        {url("/cut.html"), "cut.html", DownloadResult::Failed}, // the connection closed mid-body
        {url("/big.html"), "big.html", DownloadResult::TooLarge},
        {url("/unannounced.html"), "unannounced.html", DownloadResult::TooLarge},
        {url("/slow.html"), "slow.html", DownloadResult::TimedOut},
        {closed, "a.html", DownloadResult::Failed},
        {url("/ok.html"), "nowhere/ok.html", DownloadResult::Failed}, // no folder to take the file
    };
    QtHttpFetcher small({5000, 5000, 1000, 1024});
    EXPECT_EQ(small.deadlineSeconds(), 1);
    for (const auto& row : rows)
        EXPECT_EQ(small.download(row.url, file(row.name)), row.result) << row.url;
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(QtHttpFetcherTest, RedirectsAreFollowedOnlyToTheSameSchemeHostAndPort)
{
    LocalHttpServer other;
    ASSERT_TRUE(other.isListening());
    const QByteArray port = QByteArray::number(server.port());
    server.setPage("/new.html", "moved here");
    server.setPage("/elsewhere.html", {}, 302, "Location: http://localhost:" + port + "/new.html\r\n");
    const struct {
        QByteArray location;
        DownloadResult result;
        QList<QByteArray> requested;
    } rows[] = {
        {server.address().toLatin1() + "/new.html", DownloadResult::Ok, {"/old.html", "/new.html"}},
        {"/new.html", DownloadResult::Ok, {"/old.html", "/new.html"}},
        {"/elsewhere.html", DownloadResult::RedirectRefused, {"/old.html", "/elsewhere.html"}},
        {"http://localhost:" + port + "/new.html", DownloadResult::RedirectRefused, {"/old.html"}},
        {"https://127.0.0.1:" + port + "/new.html", DownloadResult::RedirectRefused, {"/old.html"}},
        {other.address().toLatin1() + "/new.html", DownloadResult::RedirectRefused, {"/old.html"}},
    };
    QtHttpFetcher fetcher;
    for (const auto& row : rows) {
        server.setPage("/old.html", {}, 301, "Location: " + row.location + "\r\n");
        server.requestedPaths.clear();
        EXPECT_EQ(fetcher.download(url("/old.html"), file("page.html")), row.result) << row.location.data();
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
    ASSERT_EQ(fetcher.download(bare, file("a.html")), DownloadResult::Ok);
    EXPECT_EQ(contents(file("a.html")), "plain");
}
