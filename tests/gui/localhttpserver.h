#pragma once

#include <functional>
#include <map>

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;

namespace kvx::test {

// A small HTTP/1.1 server on 127.0.0.1 for the tests of the download: it answers GET requests for the
// pages it was given, and 404 for every other path, with the usual reason phrases. It listens from
// construction to destruction and runs in the test's thread, so it answers while the code under test waits in
// an event loop.
class LocalHttpServer final : public QObject {
    Q_OBJECT
public:
    LocalHttpServer();
    ~LocalHttpServer() override;

    bool isListening() const { return server_.isListening(); }
    quint16 port() const { return server_.serverPort(); }
    // "http://127.0.0.1:<port>"
    QString address() const;
    // `extraHeaders` are whole header lines ending in "\r\n".
    void setPage(const QByteArray& path, const QByteArray& body, int status = 200,
                 const QByteArray& extraHeaders = {});
    // A page whose body comes one byte at a time, `intervalMs` apart.
    void setSlowPage(const QByteArray& path, const QByteArray& body, int intervalMs);
    // A page that announces `declaredLength` bytes (below 0: no length, the close ends the body) and
    // sends `body` before it closes the connection.
    void setPageWithLength(const QByteArray& path, const QByteArray& body, qsizetype declaredLength);
    // A page that announces `declaredLength` bytes, sends `firstPart` and then nothing, the connection
    // left open.
    void setStalledPage(const QByteArray& path, const QByteArray& firstPart, qsizetype declaredLength);

    // A port on 127.0.0.1 that nothing listens on.
    static quint16 closedPort();

    QList<QByteArray> requestedPaths;
    int connections = 0;
    // Called with the path of each request before it is answered.
    std::function<void(const QByteArray& path)> onRequest;

private:
    struct Page {
        int status = 200;
        QByteArray body;
        QByteArray extraHeaders;
        qsizetype declaredLength = 0;
        int byteIntervalMs = 0; // 0: the whole body at once
        bool stalls = false;    // the connection stays open after the body
    };
    void trickle(QTcpSocket* socket, const QByteArray& body, int intervalMs);
    void accept();
    void answer(QTcpSocket* socket, QByteArray& received);

    QTcpServer server_;
    std::map<QByteArray, Page> pages_;
};

} // namespace kvx::test
