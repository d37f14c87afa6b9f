#include "localhttpserver.h"

#include <memory>

#include <QHostAddress>
#include <QTcpSocket>

namespace kvx::test {

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
    pages_[path] = {status, body, extraHeaders};
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
    const Page page = found != pages_.end() ? found->second : Page{404, "<html>Not Found</html>", {}};
    QByteArray response = "HTTP/1.1 " + QByteArray::number(page.status) + " Status\r\n";
    response += "Content-Type: text/html\r\nContent-Length: " + QByteArray::number(page.body.size()) + "\r\n";
    response += page.extraHeaders + "Connection: close\r\n\r\n" + page.body;
    socket->write(response);
    socket->disconnectFromHost();
}

} // namespace kvx::test
