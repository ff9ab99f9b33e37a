#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

namespace vistrelle {
namespace {

constexpr qsizetype largestMessage = 1 << 20;
constexpr int retryPauseMs = 200;
constexpr int probeTimeoutMs = 1000;
const QByteArray messageTag = "vistrelle-open";
const QByteArray answer = "ok";

bool nobodyListens(QLocalSocket::LocalSocketError error) {
    return error == QLocalSocket::ServerNotFoundError || error == QLocalSocket::ConnectionRefusedError;
}

} // namespace

SingleInstance::SingleInstance(QString serverName, int patienceMs, QObject* parent)
    : QObject(parent)
    , serverName_(std::move(serverName))
    , patienceMs_(patienceMs) {
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

SingleInstance::HandOver SingleInstance::forwardToRunningInstance(const QStringList& files) const {
    const QDeadlineTimer deadline(patienceMs_);
    const QByteArray message = encode(files);
    bool ownerSeen = false;
    do {
        QLocalSocket socket;
        socket.connectToServer(serverName_);
        if (!socket.waitForConnected(int(deadline.remainingTime()))) {
            if (nobodyListens(socket.error()))
                return HandOver::noInstance; // never there, or gone while we waited
        } else {
            ownerSeen = true;
            socket.write(message);
            // The running instance answers once it has the message, so nothing is lost if it was quitting.
            QByteArray reply;
            while (socket.bytesToWrite() > 0 && socket.waitForBytesWritten(int(deadline.remainingTime()))) {
            }
            while (reply.size() < answer.size() && socket.waitForReadyRead(int(deadline.remainingTime())))
                reply += socket.readAll();
            if (reply == answer)
                return HandOver::taken;
            if (socket.state() == QLocalSocket::ConnectedState)
                continue; // connected but silent until the deadline: the loop ends
        }
        // The connection broke (an instance quitting, a full queue): try again shortly.
        QThread::msleep(std::min<qint64>(retryPauseMs, std::max<qint64>(deadline.remainingTime(), 0)));
    } while (!deadline.hasExpired());
    return ownerSeen || ownerIsAlive() ? HandOver::busy : HandOver::noInstance;
}

bool SingleInstance::ownerIsAlive() const {
    QLocalSocket probe;
    probe.connectToServer(serverName_);
    return probe.waitForConnected(probeTimeoutMs) || !nobodyListens(probe.error());
}

SingleInstance::Start SingleInstance::start(const QStringList& files) {
    // Two launches at the same moment may both find nobody; the one that loses the socket hands over.
    for (int attempt = 0; attempt < 2; ++attempt) {
        switch (forwardToRunningInstance(files)) {
        case HandOver::taken:
            return Start::handedOver;
        case HandOver::busy:
            return Start::runningInstanceBusy;
        case HandOver::noInstance:
            if (listen())
                return Start::runningInstance;
            if (!ownerIsAlive())
                return Start::alone;
            break;
        }
    }
    return Start::alone;
}

bool SingleInstance::listen() {
    if (listening_)
        return true;
    // Two launches at the same moment (the file manager opens each file with one) take turns from here
    // to listening, so the second sees the first as the owner.
    QLockFile turn(QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
                       .filePath(serverName_ + QStringLiteral(".lock")));
    turn.setStaleLockTime(probeTimeoutMs * 10);
    if (!turn.tryLock(probeTimeoutMs * 5))
        return false;
    // Asked before listening: listening with access options replaces whatever socket file is there, that
    // of a running instance too.
    if (ownerIsAlive())
        return false;
    // A socket left by an instance that crashed: nobody accepts on it, so it can go.
    QLocalServer::removeServer(serverName_);
    if (!server_.listen(serverName_))
        return false;
    listening_ = true;
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
                socket->write(answer);
                socket->flush();
                emit filesReceived(*files);
            });
        }
    });
    return true;
}

} // namespace vistrelle
