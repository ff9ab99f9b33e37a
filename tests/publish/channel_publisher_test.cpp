#include "publish/channel_layout.h"
#include "publish/channel_publisher.h"
#include "publish/signing.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace vistrelle;

namespace {

class ChannelPublisherTest : public ::testing::Test {
protected:
    void SetUp() override {
        keys = generateSigningKeys();
        write("Lobby.bundle/Contents/Resources/VistrelleData.xml", "<KioskProject/>");
        write("Lobby.bundle/Contents/Resources/harbour.jpg", QByteArray(5000, 'h'));
        write("Lobby.bundle/Contents/Resources/map.png", QByteArray(3000, 'm'));
    }
    void write(const QString& path, const QByteArray& bytes) {
        const QString full = work.filePath(path);
        QDir().mkpath(QFileInfo(full).path());
        QFile file(full);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString bundle() const { return work.filePath("Lobby.bundle"); }
    QString destination() const { return work.filePath("web"); }
    PublishOutcome publish(const QString& channel = QStringLiteral("lobby")) {
        return publishToFolder(bundle(), destination(), channel, keys.secretKey);
    }
    QByteArray read(const QString& relative) const {
        QFile file(QDir(destination()).filePath(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    int objectCount() const {
        int count = 0;
        QDirIterator it(QDir(destination()).filePath("objects"), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            ++count;
        }
        return count;
    }

    QTemporaryDir work;
    SigningKeys keys;
};

} // namespace

TEST_F(ChannelPublisherTest, APublishStoresEachFileByItsContentAndASignedManifestWhoseSequenceOnlyGrows) {
    const PublishOutcome first = publish();
    EXPECT_EQ(first.objectsWritten, 3);
    EXPECT_EQ(first.manifest.sequence, 1);
    EXPECT_EQ(first.manifest.show, "Lobby");
    const ChannelFile& picture = first.manifest.files[1];
    EXPECT_EQ(picture.path, "Contents/Resources/harbour.jpg");
    EXPECT_EQ(read(channel_layout::objectPath(picture.sha256)), QByteArray(5000, 'h'));
    EXPECT_TRUE(channel_layout::objectPath(picture.sha256)
                    .startsWith("objects/sha256/" + QString::fromLatin1(picture.sha256.left(2)) + "/"));

    const QByteArray manifest = read(channel_layout::manifestPath("lobby"));
    EXPECT_TRUE(verifyMessage(manifest, read(channel_layout::signaturePath("lobby")), keys.publicKey));
    EXPECT_EQ(std::get<ChannelManifest>(parseChannelManifest(manifest)), first.manifest);

    // Nothing changed: nothing uploaded, and still a later sequence (a republish is a publish).
    const PublishOutcome again = publish();
    EXPECT_EQ(again.objectsWritten, 0);
    EXPECT_EQ(again.manifest.sequence, 2);
    EXPECT_EQ(again.manifest.fingerprint, first.manifest.fingerprint);

    // One picture changed: one object.
    write("Lobby.bundle/Contents/Resources/harbour.jpg", QByteArray(5000, 'H'));
    const PublishOutcome changed = publish();
    EXPECT_EQ(changed.objectsWritten, 1);
    EXPECT_EQ(changed.bytesWritten, 5000);
    EXPECT_EQ(changed.manifest.sequence, 3);
    EXPECT_EQ(objectCount(), 4);

    // A manifest removed by hand does not restart the sequence: the history remembers it.
    QFile::remove(QDir(destination()).filePath(channel_layout::manifestPath("lobby")));
    EXPECT_EQ(publish().manifest.sequence, 4);
}

TEST_F(ChannelPublisherTest, PruningKeepsWhatTheLastManifestsOfEveryChannelUse) {
    publish();
    publish(QStringLiteral("branch"));
    write("Lobby.bundle/Contents/Resources/harbour.jpg", QByteArray(5000, '2'));
    publish();
    write("Lobby.bundle/Contents/Resources/harbour.jpg", QByteArray(5000, '3'));
    publish();
    ASSERT_EQ(objectCount(), 5);
    const PruneOutcome pruned = pruneFolder(destination(), 1);
    // The second picture went; the first stays for the other channel, which still shows it.
    EXPECT_EQ(pruned.objectsRemoved, 1);
    EXPECT_EQ(pruned.bytesRemoved, 5000);
    EXPECT_EQ(objectCount(), 4);
    EXPECT_EQ(QDir(QDir(destination()).filePath(channel_layout::historyFolder("lobby"))).count() - 2, 1u);
    EXPECT_THROW(pruneFolder(destination(), 0), PublishError);
}

TEST_F(ChannelPublisherTest, BadNamesKeysAndLinksAreRefusedBeforeAnythingIsWritten) {
    EXPECT_THROW(publish(QStringLiteral("../lobby")), PublishError);
    EXPECT_THROW(publish(QStringLiteral(".hidden")), PublishError);
    EXPECT_THROW(publishToFolder(bundle(), destination(), "lobby", QByteArray(10, 'k')), PublishError);
    ASSERT_TRUE(QFile::link("/etc/passwd", work.filePath("Lobby.bundle/Contents/Resources/passwd")));
    EXPECT_THROW(publish(), PublishError);
    EXPECT_FALSE(QFileInfo::exists(QDir(destination()).filePath(channel_layout::manifestPath("lobby"))));
}

TEST(SigningKeyFileTest, TheKeyFileIsTheOwnersAloneNeverOverwrittenAndReadsBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath("channel.key");
    const SigningKeys keys = generateSigningKeys();
    ASSERT_FALSE(writePrivateKeyFile(path, keys));
    struct stat info {};
    ASSERT_EQ(::stat(path.toLocal8Bit().constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(std::get<QByteArray>(readPrivateKeyFile(path)), keys.secretKey);
    EXPECT_TRUE(writePrivateKeyFile(path, generateSigningKeys()).has_value()) << "an existing key stays";
    EXPECT_EQ(std::get<QByteArray>(readPrivateKeyFile(path)), keys.secretKey);

    QFile other(dir.filePath("notes.txt"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("hello\nworld\n");
    other.close();
    EXPECT_TRUE(std::holds_alternative<QString>(readPrivateKeyFile(other.fileName())));
}
