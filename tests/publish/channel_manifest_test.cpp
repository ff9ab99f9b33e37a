#include "publish/channel_manifest.h"
#include "publish/signing.h"

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

ChannelManifest twoFiles() {
    ChannelManifest manifest;
    manifest.show = QStringLiteral("Lobby");
    manifest.sequence = 7;
    manifest.publishedAt = QDateTime(QDate(2026, 12, 8), QTime(9, 0), Qt::UTC);
    manifest.files = {{QStringLiteral("Contents/Resources/VistrelleData.xml"), 120, QByteArray(64, 'a')},
                      {QStringLiteral("Contents/Resources/harbour.jpg"), 5000, QByteArray(64, 'b')}};
    manifest.fingerprint = manifest.computedFingerprint();
    return manifest;
}

QString refusal(const QByteArray& json) {
    const auto parsed = parseChannelManifest(json);
    const QString* reason = std::get_if<QString>(&parsed);
    return reason ? *reason : QString();
}

} // namespace

TEST(ChannelManifestTest, AManifestReadsBackAsWrittenAndItsFingerprintIgnoresTimeAndSequence) {
    const ChannelManifest manifest = twoFiles();
    const auto parsed = parseChannelManifest(manifest.toJson());
    ASSERT_TRUE(std::holds_alternative<ChannelManifest>(parsed)) << refusal(manifest.toJson()).toStdString();
    EXPECT_EQ(std::get<ChannelManifest>(parsed), manifest);

    ChannelManifest later = manifest;
    later.sequence = 8;
    later.publishedAt = later.publishedAt.addDays(1);
    EXPECT_EQ(later.computedFingerprint(), manifest.fingerprint);
    later.files[1].sha256 = QByteArray(64, 'c');
    EXPECT_NE(later.computedFingerprint(), manifest.fingerprint);
}

TEST(ChannelManifestTest, PathsThatLeaveTheBundleAndForgedEntriesAreRefused) {
    for (const char* path : {"../etc/passwd", "/etc/passwd", "Contents/../../x", "Contents//x", "Contents\\x",
                             "./Contents/x", "Contents/\x1b[2J"}) {
        ChannelManifest manifest = twoFiles();
        manifest.files[0].path = QString::fromUtf8(path);
        manifest.fingerprint = manifest.computedFingerprint();
        EXPECT_FALSE(refusal(manifest.toJson()).isEmpty()) << path;
    }
    ChannelManifest twice = twoFiles();
    twice.files[1].path = twice.files[0].path;
    twice.fingerprint = twice.computedFingerprint();
    EXPECT_TRUE(refusal(twice.toJson()).contains("twice"));

    ChannelManifest badHash = twoFiles();
    badHash.files[0].sha256 = "ABCDEF";
    EXPECT_TRUE(refusal(badHash.toJson()).contains("SHA-256"));

    ChannelManifest swapped = twoFiles();
    swapped.files[0].size = 121; // the list changed after the fingerprint was made
    EXPECT_TRUE(refusal(swapped.toJson()).contains("fingerprint"));

    EXPECT_TRUE(refusal(QByteArray(ChannelManifest::largestBytes + 1, ' ')).contains("10 MB"));
    EXPECT_FALSE(refusal("{\"format\": \"other/2\"}").isEmpty());
    EXPECT_FALSE(refusal("not json").isEmpty());
}

TEST(SigningTest, OnlyTheKeyThatSignedVerifiesAndOnlyTheBytesItSigned) {
    const SigningKeys keys = generateSigningKeys();
    const SigningKeys stranger = generateSigningKeys();
    const QByteArray manifest = twoFiles().toJson();
    const QByteArray signature = signMessage(manifest, keys.secretKey);
    EXPECT_EQ(signature.size(), 64);
    EXPECT_TRUE(verifyMessage(manifest, signature, keys.publicKey));
    EXPECT_FALSE(verifyMessage(manifest, signature, stranger.publicKey));
    QByteArray tampered = manifest;
    tampered.replace("\"sequence\": 7", "\"sequence\": 9");
    ASSERT_NE(tampered, manifest);
    EXPECT_FALSE(verifyMessage(tampered, signature, keys.publicKey));
    EXPECT_EQ(publicKeyOf(keys.secretKey), keys.publicKey);

    EXPECT_EQ(parsePublicKey(publicKeyText(keys.publicKey)), keys.publicKey);
    EXPECT_FALSE(parsePublicKey(QStringLiteral("not a key")));
    EXPECT_FALSE(parsePublicKey(QString::fromLatin1(QByteArray(31, 'x').toBase64())));
}
