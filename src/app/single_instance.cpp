#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocalSocket>

namespace vistrelle {
namespace {

constexpr int handOverTimeoutMs = 2000;
constexpr qsizetype largestMessage = 1 << 20;
const QByteArray messageTag = "vistrelle-open";

} // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent)
    , serverName_(std::move(serverName)) {
    // Only this user may hand files over.
    server_.setSocketOptions(QLocalServer::UserAccessOption);
}

QString SingleInstance::defaultServerName() {
    const QByteArray user = qgetenv("USER");
    const QByteArray display = qgetenv("WAYLAND_DISPLAY") + '|' + qgetenv("DISPLAY");
    return QStringLiteral("vistrelle-") + QString::fromLocal8Bit(user) + u'-' +
           QString::fromLatin1(QCryptographicHash::hash(display, QCryptographicHash::Sha1).toHex().left(12));
}

QByteArray SingleInstance::encode(const QStringList& files) {
    QJsonArray list;
    for (const QString& file : files)
        list.append(file);
    return messageTag + '\n' + QJsonDocument(list).toJson(QJsonDocument::Compact);
}

std::optional<QStringList> SingleInstance::decode(const QByteArray& message) {
    if (!message.startsWith(messageTag + '\n'))
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(message.mid(messageTag.size() + 1));
    if (!document.isArray())
        return std::nullopt;
    QStringList files;
    for (const QJsonValue& value : document.array()) {
        if (!value.isString())
            return std::nullopt;
        files.append(value.toString());
    }
    return files;
}

bool SingleInstance::forwardToRunningInstance(const QStringList& files) const {
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(handOverTimeoutMs))
        return false;
    socket.write(encode(files));
    if (!socket.waitForBytesWritten(handOverTimeoutMs))
        return false;
    // The running instance answers "ok" once it has the message, so nothing is lost if it was quitting.
    return socket.waitForReadyRead(handOverTimeoutMs) && socket.readAll() == "ok";
}

bool SingleInstance::listen() {
    if (!server_.listen(serverName_)) {
        // A socket left by an instance that crashed: nobody answered on it, so it can go.
        QLocalServer::removeServer(serverName_);
        if (!server_.listen(serverName_))
            return false;
    }
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            auto buffer = std::make_shared<QByteArray>();
            connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer] {
                buffer->append(socket->readAll());
                if (buffer->size() > largestMessage) {
                    socket->abort();
                    return;
                }
                const std::optional<QStringList> files = decode(*buffer);
                if (!files)
                    return; // not all of it yet
                buffer->clear();
                socket->write("ok");
                socket->flush();
                emit filesReceived(*files);
            });
        }
    });
    return true;
}

} // namespace vistrelle
