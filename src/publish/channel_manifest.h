#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <variant>

namespace vistrelle {

// What a channel publishes at one time: every file of a deployed bundle by its path in the bundle, size and
// SHA-256, the show's name, a fingerprint of the whole, the time of publishing and a sequence number that
// only grows. Its JSON is what is signed.
struct ChannelFile {
    QString path; // in the bundle: "Contents/Resources/VistrelleData.xml"
    qint64 size = 0;
    QByteArray sha256; // 64 lower-case hex digits

    bool operator==(const ChannelFile&) const = default;
};

struct ChannelManifest {
    static constexpr qint64 largestBytes = 10 * 1024 * 1024;
    static inline const QString format = QStringLiteral("vistrelle-channel/1");

    QString show;
    // The channel it was published to: signed with the rest, so one channel's manifest cannot be served as
    // another's (one key commonly signs them all).
    QString channel;
    qint64 sequence = 0;
    QDateTime publishedAt; // UTC
    QByteArray fingerprint;
    QList<ChannelFile> files; // sorted by path

    // The SHA-256 of every file's path, size and hash, one line each in path order: the same files give the
    // same fingerprint, whatever the time or sequence.
    QByteArray computedFingerprint() const;
    // The manifest as it is written and signed: UTF-8 JSON, keys and files in a fixed order.
    QByteArray toJson() const;

    bool operator==(const ChannelManifest&) const = default;
};

// A manifest read back, or why it is refused: too large, no JSON, another format, a path that leaves the
// bundle, a hash that is no SHA-256, a fingerprint that does not match its files.
std::variant<ChannelManifest, QString> parseChannelManifest(const QByteArray& bytes);

// A path inside a bundle: relative, forward slashes, no empty, "." or ".." part, no control characters.
bool isSafeBundlePath(const QString& path);
bool isSha256Hex(const QByteArray& text);

} // namespace vistrelle
