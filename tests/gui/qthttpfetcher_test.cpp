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
    ASSERT_TRUE(fetcher.download(url("/europe/Astra.html"), file("Astra.html")));
    EXPECT_EQ(contents(file("Astra.html")), body);
    EXPECT_EQ(server.requestedPaths, QList<QByteArray>({"/europe/Astra.html"}));
}

TEST_F(QtHttpFetcherTest, FailuresLeaveNoFile)
{
    server.setPage("/gone.html", "<html>gone</html>", 410);
    server.setPage("/big.html", QByteArray(4096, 'x'));
    QtHttpFetcher small({5000, 5000, 1024});
    EXPECT_FALSE(small.download(url("/missing.html"), file("missing.html"))); // 404
    EXPECT_FALSE(small.download(url("/gone.html"), file("gone.html")));
    EXPECT_FALSE(small.download(url("/big.html"), file("big.html"))); // larger than the limit
    const std::string closed =
        "http://127.0.0.1:" + std::to_string(LocalHttpServer::closedPort()) + "/a.html";
    EXPECT_FALSE(small.download(closed, file("a.html")));
    // A folder that does not exist cannot take the file.
    server.setPage("/ok.html", "ok");
    EXPECT_FALSE(small.download(url("/ok.html"), file("nowhere/ok.html")));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(QtHttpFetcherTest, RedirectsAreFollowed)
{
    server.setPage("/old.html", {}, 301, "Location: " + server.address().toLatin1() + "/new.html\r\n");
    server.setPage("/new.html", "moved here");
    QtHttpFetcher fetcher;
    ASSERT_TRUE(fetcher.download(url("/old.html"), file("page.html")));
    EXPECT_EQ(contents(file("page.html")), "moved here");
    EXPECT_EQ(server.requestedPaths, QList<QByteArray>({"/old.html", "/new.html"}));
}

TEST_F(QtHttpFetcherTest, AddressWithoutSchemeIsTakenAsHttp)
{
    server.setPage("/a.html", "plain");
    const std::string bare = "127.0.0.1:" + std::to_string(server.port()) + "/a.html";
    QtHttpFetcher fetcher;
    EXPECT_TRUE(fetcher.isConnected(bare));
    ASSERT_TRUE(fetcher.download(bare, file("a.html")));
    EXPECT_EQ(contents(file("a.html")), "plain");
}
