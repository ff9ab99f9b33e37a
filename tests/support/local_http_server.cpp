#include "support/local_http_server.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTcpSocket>

namespace vistrelle::test {
namespace {

QByteArray reasonPhrase(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

// A complete request in `buffer`, or nothing yet.
std::optional<LocalHttpServer::Request> takeRequest(QByteArray& buffer) {
    const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return std::nullopt;
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    LocalHttpServer::Request request;
    const QList<QByteArray> start = lines.value(0).trimmed().split(' ');
    request.method = start.value(0);
    request.path = start.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                   lines[i].mid(colon + 1).trimmed());
    }
    const qsizetype length = request.headers.value("content-length", "0").toLongLong();
    if (buffer.size() < headerEnd + 4 + length)
        return std::nullopt;
    request.body = buffer.mid(headerEnd + 4, length);
    buffer.remove(0, headerEnd + 4 + length);
    return request;
}

} // namespace

LocalHttpServer::LocalHttpServer(QObject* parent)
    : QObject(parent) {
    server_.listen(QHostAddress::LocalHost);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection())
            serve(socket);
    });
}

QUrl LocalHttpServer::url(const QString& path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path));
}

void LocalHttpServer::answerWith(int status, const QByteArray& body) {
    setResponder([status, body](const Request&) { return Response{status, body, {}, false}; });
}

void LocalHttpServer::serve(QTcpSocket* socket) {
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    auto buffer = std::make_shared<QByteArray>();
    connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
        buffer->append(socket->readAll());
        while (std::optional<Request> request = takeRequest(*buffer)) {
            requests_.append(*request);
            const Response response = responder_ ? responder_(*request) : Response{};
            emit requestReceived();
            if (response.neverAnswer)
                continue;
            QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' +
                              reasonPhrase(response.status) + "\r\n";
            head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
            for (const auto& [name, value] : response.headers)
                head += name + ": " + value + "\r\n";
            head += "Connection: close\r\n\r\n";
            socket->write(head + response.body);
            socket->disconnectFromHost();
        }
    });
}

bool LocalHttpServer::waitForRequests(int count, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (requests_.size() < count && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    return requests_.size() >= count;
}

} // namespace vistrelle::test
