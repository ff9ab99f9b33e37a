#include "publish/channel_follower.h"
#include "publish/channel_layout.h"
#include "publish/channel_publisher.h"
#include "publish/signing.h"

#include "publish/webdav_publisher.h"
#include "support/local_http_server.h"
#include "support/local_nginx.h"
#include "support/manual_scheduler.h"

#include <QCryptographicHash>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

class ChannelFollowerTest : public ::testing::Test {
protected:
    void SetUp() override {
        keys = generateSigningKeys();
        write("Lobby.bundle/Contents/Resources/VistrelleData.xml", "<KioskProject/>");
        write("Lobby.bundle/Contents/Resources/harbour.jpg", QByteArray(50000, 'h'));
        write("Lobby.bundle/Contents/Resources/map.png", QByteArray(30000, 'm'));
        publish();
    }
    void write(const QString& path, const QByteArray& bytes) {
        const QString full = work.filePath(path);
        QDir().mkpath(QFileInfo(full).path());
        QFile file(full);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray read(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void publish(const SigningKeys* with = nullptr) {
        publishToFolder(work.filePath("Lobby.bundle"), work.filePath("web"), "lobby",
                        (with ? *with : keys).secretKey);
    }
    QString web(const QString& relative) const { return QDir(work.filePath("web")).filePath(relative); }
    // A display following the channel at `channel`, the published folder itself unless given.
    std::unique_ptr<ChannelFollower> follower(const QUrl& channel = {}) {
        ChannelFollower::Options options;
        options.channel = channel.isEmpty() ? QUrl::fromLocalFile(web("channels/lobby/")) : channel;
        options.trustedKey = keys.publicKey;
        options.stateFolder = work.filePath("display");
        return std::make_unique<ChannelFollower>(options, clock, network);
    }
    static void settle(ChannelFollower& f) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !f.isBusy(); }, 10000));
    }

    QTemporaryDir work;
    SigningKeys keys;
    ManualScheduler clock;
    QNetworkAccessManager network;
};

} // namespace

TEST_F(ChannelFollowerTest, APublishedShowIsBuiltFromCheckedObjectsAndAChangeFetchesOnlyWhatChanged) {
    auto display = follower();
    QSignalSpy ready(display.get(), &ChannelFollower::showReady);
    display->start();
    settle(*display);
    ASSERT_EQ(ready.count(), 1) << display->lastRefusal().toStdString();
    const QString bundle = ready.first().first().toString();
    EXPECT_TRUE(bundle.endsWith("/shows/1/Lobby.bundle"));
    EXPECT_EQ(read(bundle + "/Contents/Resources/harbour.jpg"), QByteArray(50000, 'h'));
    EXPECT_EQ(display->sequence(), 1);

    // Nothing new: nothing happens.
    display->poll();
    settle(*display);
    EXPECT_EQ(ready.count(), 1);

    // One picture changed: the manifest, its signature and that one object.
    write("Lobby.bundle/Contents/Resources/harbour.jpg", QByteArray(50000, 'H'));
    publish();
    const int before = display->client().requestsMade();
    display->poll();
    settle(*display);
    ASSERT_EQ(ready.count(), 2);
    EXPECT_EQ(display->client().requestsMade() - before, 3);
    const QString second = ready.last().first().toString();
    EXPECT_EQ(read(second + "/Contents/Resources/harbour.jpg"), QByteArray(50000, 'H'));
    EXPECT_EQ(read(second + "/Contents/Resources/map.png"), QByteArray(30000, 'm'));

    // A restart plays the last good show at once, before any answer.
    display.reset();
    QFile::rename(web("channels"), web("gone")); // offline
    auto restarted = follower();
    QSignalSpy again(restarted.get(), &ChannelFollower::showReady);
    restarted->start();
    ASSERT_EQ(again.count(), 1);
    EXPECT_EQ(again.first().first().toString(), second);
    settle(*restarted);
    EXPECT_TRUE(restarted->offlineSince().has_value());
}

TEST_F(ChannelFollowerTest, TamperingRollingBackAndStrangersAreRefusedWhileTheShowOnViewStays) {
    auto display = follower();
    QSignalSpy ready(display.get(), &ChannelFollower::showReady);
    display->start();
    settle(*display);
    ASSERT_EQ(ready.count(), 1);
    const QByteArray firstManifest = read(web(channel_layout::manifestPath("lobby")));
    const QByteArray firstSignature = read(web(channel_layout::signaturePath("lobby")));
    write("Lobby.bundle/Contents/Resources/map.png", QByteArray(30000, 'M'));
    publish();
    display->poll();
    settle(*display);
    ASSERT_EQ(display->sequence(), 2);

    const auto replace = [&](const QByteArray& manifest, const QByteArray& signature) {
        QFile::remove(web(channel_layout::manifestPath("lobby")));
        QFile::remove(web(channel_layout::signaturePath("lobby")));
        QFile m(web(channel_layout::manifestPath("lobby")));
        ASSERT_TRUE(m.open(QIODevice::WriteOnly));
        m.write(manifest);
        m.close();
        QFile s(web(channel_layout::signaturePath("lobby")));
        ASSERT_TRUE(s.open(QIODevice::WriteOnly));
        s.write(signature);
    };
    // The current manifest with its sequence raised by hand: the signature no longer matches.
    QByteArray tampered = read(web(channel_layout::manifestPath("lobby")));
    tampered.replace("\"sequence\": 2", "\"sequence\": 3");
    replace(tampered, read(web(channel_layout::signaturePath("lobby"))));
    display->poll();
    settle(*display);
    EXPECT_TRUE(display->lastRefusal().contains("not signed")) << display->lastRefusal().toStdString();

    // The first show, correctly signed, published again by someone replaying it.
    replace(firstManifest, firstSignature);
    display->poll();
    settle(*display);
    EXPECT_TRUE(display->lastRefusal().contains("older")) << display->lastRefusal().toStdString();

    // A stranger's key.
    const SigningKeys stranger = generateSigningKeys();
    write("Lobby.bundle/Contents/Resources/map.png", QByteArray(30000, 'S'));
    publish(&stranger);
    display->poll();
    settle(*display);
    EXPECT_TRUE(display->lastRefusal().contains("not signed"));

    // Correctly signed, but an object on the server is not what the manifest says.
    write("Lobby.bundle/Contents/Resources/map.png", QByteArray(30000, 'X'));
    publish();
    const auto parsed = parseChannelManifest(read(web(channel_layout::manifestPath("lobby"))));
    const ChannelFile& map = std::get<ChannelManifest>(parsed).files[2];
    ASSERT_EQ(map.path, "Contents/Resources/map.png");
    QFile object(web(channel_layout::objectPath(map.sha256)));
    ASSERT_TRUE(object.open(QIODevice::WriteOnly));
    object.write(QByteArray(30000, 'Y'));
    object.close();
    display->poll();
    settle(*display);
    EXPECT_TRUE(display->lastRefusal().contains("SHA-256")) << display->lastRefusal().toStdString();

    EXPECT_EQ(ready.count(), 2) << "nothing refused ever reached the screen";
    EXPECT_EQ(display->sequence(), 2);
    EXPECT_EQ(read(display->currentBundle() + "/Contents/Resources/map.png"), QByteArray(30000, 'M'));
}

TEST_F(ChannelFollowerTest, PollsSpreadOverTwentyPercentAndBackOffAfterErrors) {
    auto display = follower();
    double shortest = 1e9;
    double longest = 0;
    for (int i = 0; i < 200; ++i) {
        const double delay = display->delayAfter(0, std::nullopt);
        shortest = std::min(shortest, delay);
        longest = std::max(longest, delay);
    }
    EXPECT_GE(shortest, 24.0);
    EXPECT_LE(longest, 36.0);
    EXPECT_GT(longest - shortest, 6.0) << "not in step";
    EXPECT_GE(display->delayAfter(3, std::nullopt), 4 * 30 * 0.8);
    EXPECT_LE(display->delayAfter(20, std::nullopt), 600.0);
    EXPECT_GE(display->delayAfter(0, 120.0), 120.0) << "Retry-After is honoured";
}

namespace {

// The web folder served as a plain web server serves static files: ETags, 304 and byte ranges.
test::LocalHttpServer::Response serveStatic(const QString& root,
                                            const test::LocalHttpServer::Request& request) {
    QFile file(QDir(root).filePath(QString::fromUtf8(request.path).mid(1)));
    if (!file.open(QIODevice::ReadOnly))
        return {404, {}, {}, false};
    const QByteArray body = file.readAll();
    const QByteArray etag =
        '"' + QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex().left(16) + '"';
    if (request.headers.value("if-none-match") == etag)
        return {304, {}, {{"ETag", etag}}, false};
    const QByteArray range = request.headers.value("range");
    if (range.startsWith("bytes=") && range.endsWith('-')) {
        const qint64 from = range.mid(6, range.size() - 7).toLongLong();
        return {206,
                body.mid(from),
                {{"ETag", etag},
                 {"Content-Range", "bytes " + QByteArray::number(from) + '-' +
                                       QByteArray::number(body.size() - 1) + '/' +
                                       QByteArray::number(body.size())}},
                false};
    }
    return {200, body, {{"ETag", etag}}, false};
}

} // namespace

TEST_F(ChannelFollowerTest, OverHttpAnUnchangedManifestCostsOneRequestAndBusyServersAreLeftInPeace) {
    test::LocalHttpServer server;
    const QString root = work.filePath("web");
    bool busy = false;
    server.setResponder([&](const test::LocalHttpServer::Request& request) {
        if (busy)
            return test::LocalHttpServer::Response{503, {}, {{"Retry-After", "120"}}, false};
        return serveStatic(root, request);
    });
    const auto following = follower(server.url("/channels/lobby/"));
    ChannelFollower& display = *following;
    QSignalSpy ready(&display, &ChannelFollower::showReady);
    display.start();
    settle(display);
    ASSERT_EQ(ready.count(), 1) << display.lastRefusal().toStdString();
    const qsizetype first = server.requests().size();
    EXPECT_EQ(first, 2 + 3) << "manifest, signature and three objects";

    display.poll();
    settle(display);
    ASSERT_EQ(server.requests().size(), first + 1);
    EXPECT_FALSE(server.requests().last().headers.value("if-none-match").isEmpty());
    EXPECT_EQ(ready.count(), 1);

    // An interrupted download is resumed where it stopped.
    write("Lobby.bundle/Contents/Resources/harbour.jpg", QByteArray(40000, 'r') + QByteArray(10000, 's'));
    publish();
    const QByteArray changedHash =
        QCryptographicHash::hash(QByteArray(40000, 'r') + QByteArray(10000, 's'), QCryptographicHash::Sha256)
            .toHex();
    const QString part =
        QDir(work.filePath("display/store")).filePath(channel_layout::objectPath(changedHash)) + ".part";
    QDir().mkpath(QFileInfo(part).path());
    QFile partial(part);
    ASSERT_TRUE(partial.open(QIODevice::WriteOnly));
    partial.write(QByteArray(40000, 'r'));
    partial.close();
    display.poll();
    settle(display);
    ASSERT_EQ(ready.count(), 2) << display.lastRefusal().toStdString();
    EXPECT_EQ(server.requests().last().headers.value("range"), "bytes=40000-");
    EXPECT_EQ(read(display.currentBundle() + "/Contents/Resources/harbour.jpg"),
              QByteArray(40000, 'r') + QByteArray(10000, 's'));

    // A busy server: offline since now, and asked again only after the time it gave.
    busy = true;
    display.poll();
    settle(display);
    EXPECT_TRUE(display.offlineSince().has_value());
    const qsizetype asked = server.requests().size();
    clock.advanceBy(110);
    QTest::qWait(50);
    EXPECT_EQ(server.requests().size(), asked);
    busy = false;
    clock.advanceBy(200);
    settle(display);
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.requests().size() > asked && !display.isBusy(); }, 5000));
    EXPECT_FALSE(display.offlineSince().has_value());
}

TEST_F(ChannelFollowerTest, PublishedOverWebDavToNginxAndFollowedFromIt) {
    test::LocalNginx nginx(work.filePath("served"));
    ASSERT_TRUE(nginx.error().isEmpty()) << nginx.error().toStdString();
    const QUrl root = nginx.url("/signage/");
    const PublishOutcome first =
        publishToWebDav(work.filePath("Lobby.bundle"), root, "lobby", keys.secretKey);
    EXPECT_EQ(first.objectsWritten, 3);
    EXPECT_EQ(first.manifest.sequence, 1);
    EXPECT_EQ(
        read(work.filePath("served/signage/" + channel_layout::objectPath(first.manifest.files[1].sha256))),
        QByteArray(50000, 'h'));
    EXPECT_TRUE(QDir(work.filePath("served/signage/objects/sha256")).entryList(QDir::Files).isEmpty());

    const auto following = follower(nginx.url("/signage/channels/lobby/"));
    ChannelFollower& display = *following;
    QSignalSpy ready(&display, &ChannelFollower::showReady);
    display.start();
    settle(display);
    ASSERT_EQ(ready.count(), 1) << display.lastRefusal().toStdString();
    const int before = display.client().requestsMade();
    display.poll();
    settle(display);
    EXPECT_EQ(display.client().requestsMade() - before, 1) << "answered 304";
    EXPECT_EQ(ready.count(), 1);

    // One picture changed: one object uploaded, one fetched. (nginx's ETag is the manifest's time to the
    // second and its size, which a republish within the same second can leave as it was.)
    QTest::qWait(1100);
    write("Lobby.bundle/Contents/Resources/map.png", QByteArray(30000, 'n'));
    const PublishOutcome second =
        publishToWebDav(work.filePath("Lobby.bundle"), root, "lobby", keys.secretKey);
    EXPECT_EQ(second.objectsWritten, 1);
    EXPECT_EQ(second.manifest.sequence, 2);
    const int beforeSwitch = display.client().requestsMade();
    display.poll();
    settle(display);
    ASSERT_EQ(ready.count(), 2);
    EXPECT_EQ(display.client().requestsMade() - beforeSwitch, 3);
    EXPECT_EQ(read(display.currentBundle() + "/Contents/Resources/map.png"), QByteArray(30000, 'n'));
}

TEST_F(ChannelFollowerTest, AnotherChannelsManifestALostAcceptedFileAndAWrongLeftoverAreNoWayIn) {
    auto display = follower();
    display->start();
    settle(*display);
    ASSERT_EQ(display->sequence(), 1);

    // Another channel signed with the same key, with a higher sequence, served as this one.
    for (int i = 0; i < 3; ++i)
        publishToFolder(work.filePath("Lobby.bundle"), work.filePath("web"), "cafe", keys.secretKey);
    const auto copy = [&](const QString& from, const QString& to) {
        QFile::remove(web(to));
        ASSERT_TRUE(QFile::copy(web(from), web(to)));
    };
    const QByteArray lobbyManifest = read(web(channel_layout::manifestPath("lobby")));
    const QByteArray lobbySignature = read(web(channel_layout::signaturePath("lobby")));
    copy(channel_layout::manifestPath("cafe"), channel_layout::manifestPath("lobby"));
    copy(channel_layout::signaturePath("cafe"), channel_layout::signaturePath("lobby"));
    display->poll();
    settle(*display);
    EXPECT_TRUE(display->lastRefusal().contains("“cafe”")) << display->lastRefusal().toStdString();
    EXPECT_EQ(display->sequence(), 1);

    // A leftover of the right size but the wrong bytes does not block the object for good.
    write("Lobby.bundle/Contents/Resources/map.png", QByteArray(30000, 'Z'));
    const QByteArray hash =
        QCryptographicHash::hash(QByteArray(30000, 'Z'), QCryptographicHash::Sha256).toHex();
    const QString part = work.filePath("display/store/" + channel_layout::objectPath(hash)) + ".part";
    QDir().mkpath(QFileInfo(part).path());
    QFile leftover(part);
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.write(QByteArray(30000, '?'));
    leftover.close();
    QFile::remove(web(channel_layout::manifestPath("lobby")));
    publish();
    display->poll();
    settle(*display);
    ASSERT_EQ(display->sequence(), 2) << display->lastRefusal().toStdString();
    EXPECT_EQ(read(display->currentBundle() + "/Contents/Resources/map.png"), QByteArray(30000, 'Z'));

    // accepted.json lost: the kept manifests still say how far the display has come.
    display.reset();
    QFile::remove(work.filePath("display/accepted.json"));
    auto restarted = follower();
    EXPECT_EQ(restarted->sequence(), 2);
    QFile::remove(web(channel_layout::manifestPath("lobby")));
    QFile::remove(web(channel_layout::signaturePath("lobby")));
    QFile m(web(channel_layout::manifestPath("lobby")));
    ASSERT_TRUE(m.open(QIODevice::WriteOnly));
    m.write(lobbyManifest);
    m.close();
    QFile s(web(channel_layout::signaturePath("lobby")));
    ASSERT_TRUE(s.open(QIODevice::WriteOnly));
    s.write(lobbySignature);
    s.close();
    restarted->poll();
    settle(*restarted);
    EXPECT_TRUE(restarted->lastRefusal().contains("older")) << restarted->lastRefusal().toStdString();
}
