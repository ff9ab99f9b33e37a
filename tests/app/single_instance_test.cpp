#include "app/single_instance.h"

#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>
#include <QtConcurrent>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace vistrelle;

namespace {

QString uniqueName() {
    return QStringLiteral("vistrelle-test-") + QUuid::createUuid().toString(QUuid::Id128);
}

} // namespace

TEST(SingleInstanceTest, ALaterLaunchHandsItsFilesToTheRunningInstance) {
    const QString name = uniqueName();
    SingleInstance later(name);
    EXPECT_EQ(later.forwardToRunningInstance({"/tmp/a.vistrelle"}), SingleInstance::HandOver::noInstance)
        << "nobody is running yet";

    SingleInstance running(name);
    ASSERT_TRUE(running.listen());
    QSignalSpy received(&running, &SingleInstance::filesReceived);
    // The launch blocks on its socket while the running instance answers from its event loop.
    const QStringList files{QStringLiteral("/home/ann/Lobby “Süd”.vistrelle"),
                            QStringLiteral("/tmp/b.vistrelle")};
    QFuture<SingleInstance::HandOver> handedOver =
        QtConcurrent::run([&] { return SingleInstance(name).forwardToRunningInstance(files); });
    ASSERT_TRUE(received.wait(5000));
    EXPECT_EQ(received.first().first().toStringList(), files);
    handedOver.waitForFinished();
    EXPECT_EQ(handedOver.result(), SingleInstance::HandOver::taken);
}

TEST(SingleInstanceTest, GarbageOnTheSocketOpensNothing) {
    const QList<QByteArray> garbage{QByteArray("rm -rf /"), QByteArray("vistrelle-open\n{\"a\":1}"),
                                    QByteArray("vistrelle-open\n[1,2]")};
    for (const QByteArray& message : garbage)
        EXPECT_EQ(SingleInstance::decode(message), std::nullopt) << message.toStdString();
    EXPECT_EQ(SingleInstance::decode(SingleInstance::encode({})), QStringList());

    // Garbage sent first and then a real hand-over: only the real one opens anything.
    const QString name = uniqueName();
    SingleInstance running(name);
    ASSERT_TRUE(running.listen());
    QSignalSpy received(&running, &SingleInstance::filesReceived);
    for (const QByteArray& message : garbage) {
        QLocalSocket socket;
        socket.connectToServer(name);
        ASSERT_TRUE(socket.waitForConnected(2000));
        socket.write(message);
        socket.waitForBytesWritten(2000);
        socket.disconnectFromServer();
    }
    const QStringList files{QStringLiteral("/tmp/real.vistrelle")};
    QFuture<SingleInstance::HandOver> handedOver =
        QtConcurrent::run([&] { return SingleInstance(name).forwardToRunningInstance(files); });
    ASSERT_TRUE(received.wait(5000));
    handedOver.waitForFinished();
    EXPECT_EQ(received.count(), 1);
    EXPECT_EQ(received.first().first().toStringList(), files);
}

TEST(SingleInstanceTest, ABusyInstanceKeepsItsSocketAndALaterLaunchSaysSo) {
    const QString name = uniqueName();
    SingleInstance running(name);
    ASSERT_TRUE(running.listen());
    QSignalSpy received(&running, &SingleInstance::filesReceived);

    // The running instance's event loop does not turn while the later launch waits (as while it opens a
    // large project): the launch must neither open a second editor nor take the socket.
    SingleInstance later(name, 600);
    EXPECT_EQ(later.start({QStringLiteral("/tmp/a.vistrelle")}), SingleInstance::Start::runningInstanceBusy);
    EXPECT_FALSE(later.listen());

    // Once free again, the running instance still owns its socket and takes the next launch's files.
    QFuture<SingleInstance::HandOver> handedOver = QtConcurrent::run(
        [&] { return SingleInstance(name).forwardToRunningInstance({QStringLiteral("/tmp/b.vistrelle")}); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return handedOver.isFinished(); }, 10000));
    EXPECT_EQ(handedOver.result(), SingleInstance::HandOver::taken);
    EXPECT_TRUE(received.count() >= 1);
    EXPECT_EQ(received.last().first().toStringList(), QStringList{QStringLiteral("/tmp/b.vistrelle")});
}

TEST(SingleInstanceTest, ASocketWhoseOwnerIsGoneIsTakenOver) {
    const QString name = uniqueName();
    // What an instance that crashed leaves: the socket's file, with nobody listening on it.
    QString path;
    {
        QLocalServer where;
        ASSERT_TRUE(where.listen(name));
        path = where.fullServerName();
    }
    ASSERT_FALSE(QFileInfo::exists(path));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray encoded = QFile::encodeName(path);
    ASSERT_LT(size_t(encoded.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, encoded.constData(), size_t(encoded.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0) << std::strerror(errno);
    ::close(fd);
    ASSERT_TRUE(QFileInfo::exists(path));

    SingleInstance later(name, 600);
    EXPECT_EQ(later.start({}), SingleInstance::Start::runningInstance);
    QSignalSpy received(&later, &SingleInstance::filesReceived);
    QFuture<SingleInstance::HandOver> handedOver =
        QtConcurrent::run([&] { return SingleInstance(name).forwardToRunningInstance({}); });
    ASSERT_TRUE(received.wait(5000));
    handedOver.waitForFinished();
    EXPECT_EQ(handedOver.result(), SingleInstance::HandOver::taken);
}
