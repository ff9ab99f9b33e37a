#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QMap>
#include <QObject>
#include <QTcpServer>
#include <QUrl>

#include <functional>

namespace vistrelle::test {

// A small HTTP/1.1 server on 127.0.0.1 for tests of code that talks to our web site: it records every
// request and answers each one as the test's responder says (or not at all).
class LocalHttpServer : public QObject {
    Q_OBJECT

public:
    struct Request {
        QByteArray method;
        QByteArray path;                      // with the query, as sent
        QMap<QByteArray, QByteArray> headers; // names in lower case
        QByteArray body;
    };
    struct Response {
        int status = 200;
        QByteArray body;
        QList<QPair<QByteArray, QByteArray>> headers;
        bool neverAnswer = false; // keeps the connection open and silent
    };
    using Responder = std::function<Response(const Request&)>;

    explicit LocalHttpServer(QObject* parent = nullptr);

    // The address of `path` on this server, e.g. url("/check.txt").
    QUrl url(const QString& path) const;
    void setResponder(Responder responder) { responder_ = std::move(responder); }
    // Answers every request with `status` and `body`.
    void answerWith(int status, const QByteArray& body);
    const QList<Request>& requests() const { return requests_; }
    // Runs the event loop until `count` requests have arrived or `timeoutMs` has passed.
    bool waitForRequests(int count, int timeoutMs = 5000);

signals:
    void requestReceived();

private:
    void serve(QTcpSocket* socket);

    QTcpServer server_;
    Responder responder_;
    QList<Request> requests_;
};

} // namespace vistrelle::test
