#include "app/single_instance.h"

#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>
#include <QtConcurrent>

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

QString uniqueName() {
    return QStringLiteral("vistrelle-test-") + QUuid::createUuid().toString(QUuid::Id128);
}

} // namespace

TEST(SingleInstanceTest, ALaterLaunchHandsItsFilesToTheRunningInstance) {
    const QString name = uniqueName();
    SingleInstance later(name);
    EXPECT_FALSE(later.forwardToRunningInstance({"/tmp/a.vistrelle"})) << "nobody is running yet";

    SingleInstance running(name);
    ASSERT_TRUE(running.listen());
    QSignalSpy received(&running, &SingleInstance::filesReceived);
    // The launch blocks on its socket while the running instance answers from its event loop.
    const QStringList files{QStringLiteral("/home/ann/Lobby “Süd”.vistrelle"), QStringLiteral("/tmp/b.vistrelle")};
    QFuture<bool> handedOver = QtConcurrent::run([&] { return SingleInstance(name).forwardToRunningInstance(files); });
    ASSERT_TRUE(received.wait(5000));
    EXPECT_EQ(received.first().first().toStringList(), files);
    handedOver.waitForFinished();
    EXPECT_TRUE(handedOver.result());
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
    QFuture<bool> handedOver = QtConcurrent::run([&] { return SingleInstance(name).forwardToRunningInstance(files); });
    ASSERT_TRUE(received.wait(5000));
    handedOver.waitForFinished();
    EXPECT_EQ(received.count(), 1);
    EXPECT_EQ(received.first().first().toStringList(), files);
}
