#include "localhttpserver.h"

#include <map>
#include <memory>

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

namespace kvx::test {

namespace {

QByteArray reasonPhrase(int status)
{
    static const std::map<int, QByteArray> phrases = {
        {200, "OK"},
        {301, "Moved Permanently"},
        {302, "Found"},
        {404, "Not Found"},
        {410, "Gone"},
        {500, "Internal Server Error"},
        {503, "Service Unavailable"},
    };
    const auto found = phrases.find(status);
    return found != phrases.end() ? found->second : "Status";
}

} // namespace

LocalHttpServer::LocalHttpServer()
{
    connect(&server_, &QTcpServer::newConnection, this, &LocalHttpServer::accept);
    server_.listen(QHostAddress::LocalHost, 0);
}

LocalHttpServer::~LocalHttpServer()
{
    server_.close();
}

QString LocalHttpServer::address() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(port());
}

void LocalHttpServer::setPage(const QByteArray& path, const QByteArray& body, int status,
                              const QByteArray& extraHeaders)
{
    pages_[path] = {status, body, extraHeaders, body.size()};
}

void LocalHttpServer::setSlowPage(const QByteArray& path, const QByteArray& body, int intervalMs)
{
    pages_[path] = {200, body, {}, body.size(), intervalMs};
}

void LocalHttpServer::setPageWithLength(const QByteArray& path, const QByteArray& body,
                                        qsizetype declaredLength)
{
    pages_[path] = {200, body, {}, declaredLength};
}

void LocalHttpServer::setStalledPage(const QByteArray& path, const QByteArray& firstPart,
                                     qsizetype declaredLength)
{
    pages_[path] = {200, firstPart, {}, declaredLength, 0, true};
}

quint16 LocalHttpServer::closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

void LocalHttpServer::accept()
{
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        ++connections;
        auto received = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, socket,
                [this, socket, received] { answer(socket, *received); });
        // A connection check opens and closes without a request.
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void LocalHttpServer::answer(QTcpSocket* socket, QByteArray& received)
{
    received += socket->readAll();
    if (!received.contains("\r\n\r\n"))
        return;
    const QList<QByteArray> requestLine = received.left(received.indexOf("\r\n")).split(' ');
    received.clear();
    const QByteArray path = requestLine.size() > 1 ? requestLine.at(1) : QByteArray("/");
    requestedPaths << path;
    if (onRequest)
        onRequest(path);
    const auto found = pages_.find(path);
    const QByteArray missing = "<html>Not Found</html>";
    const Page page = found != pages_.end() ? found->second : Page{404, missing, {}, missing.size()};
    QByteArray head = "HTTP/1.1 " + QByteArray::number(page.status) + ' ' + reasonPhrase(page.status) +
                      "\r\nContent-Type: text/html\r\n";
    if (page.declaredLength >= 0)
        head += "Content-Length: " + QByteArray::number(page.declaredLength) + "\r\n";
    socket->write(head + page.extraHeaders + "Connection: close\r\n\r\n");
    if (page.byteIntervalMs > 0)
        return trickle(socket, page.body, page.byteIntervalMs);
    socket->write(page.body);
    if (!page.stalls)
        socket->disconnectFromHost();
}

void LocalHttpServer::trickle(QTcpSocket* socket, const QByteArray& body, int intervalMs)
{
    auto* timer = new QTimer(socket); // goes with the connection
    connect(timer, &QTimer::timeout, socket, [socket, body, sent = qsizetype(0)]() mutable {
        if (sent < body.size())
            socket->write(body.mid(sent++, 1));
        else
            socket->disconnectFromHost();
    });
    timer->start(intervalMs);
}

} // namespace kvx::test
