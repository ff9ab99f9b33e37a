#include "publish/channel_manifest.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace vistrelle {

namespace {

struct ManifestText {
    Q_DECLARE_TR_FUNCTIONS(ManifestText)
};

} // namespace

bool isSha256Hex(const QByteArray& text) {
    return text.size() == 64 && std::all_of(text.cbegin(), text.cend(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

bool isSafeBundlePath(const QString& path) {
    if (path.isEmpty() || path.size() > 4096 || path.startsWith(u'/') || path.contains(u'\\'))
        return false;
    for (const QChar c : path)
        if (c.category() == QChar::Other_Control)
            return false;
    const QStringList parts = path.split(u'/');
    return std::none_of(parts.cbegin(), parts.cend(), [](const QString& part) {
        return part.isEmpty() || part == QLatin1StringView(".") || part == QLatin1StringView("..");
    });
}

QByteArray ChannelManifest::computedFingerprint() const {
    QList<ChannelFile> sorted = files;
    std::sort(sorted.begin(), sorted.end(),
              [](const ChannelFile& a, const ChannelFile& b) { return a.path < b.path; });
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const ChannelFile& file : sorted)
        hash.addData(file.path.toUtf8() + '\t' + QByteArray::number(file.size) + '\t' + file.sha256 + '\n');
    return hash.result().toHex();
}

QByteArray ChannelManifest::toJson() const {
    QJsonArray list;
    for (const ChannelFile& file : files)
        list.append(QJsonObject{{QStringLiteral("path"), file.path},
                                {QStringLiteral("size"), double(file.size)},
                                {QStringLiteral("sha256"), QString::fromLatin1(file.sha256)}});
    const QJsonObject root{{QStringLiteral("format"), format},
                           {QStringLiteral("channel"), channel},
                           {QStringLiteral("show"), show},
                           {QStringLiteral("sequence"), double(sequence)},
                           {QStringLiteral("publishedAt"), publishedAt.toUTC().toString(Qt::ISODate)},
                           {QStringLiteral("fingerprint"), QString::fromLatin1(fingerprint)},
                           {QStringLiteral("files"), list}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::variant<ChannelManifest, QString> parseChannelManifest(const QByteArray& bytes) {
    if (bytes.size() > ChannelManifest::largestBytes)
        return ManifestText::tr("The manifest is larger than 10 MB.");
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (!document.isObject())
        return ManifestText::tr("The manifest is no JSON object: %1").arg(error.errorString());
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != ChannelManifest::format)
        return ManifestText::tr("The manifest is of another format than %1.").arg(ChannelManifest::format);
    ChannelManifest manifest;
    QSet<QString> paths;
    manifest.show = root.value(QStringLiteral("show")).toString();
    manifest.channel = root.value(QStringLiteral("channel")).toString();
    const double sequence = root.value(QStringLiteral("sequence")).toDouble(-1);
    if (!(sequence >= 1) || sequence > 9e15 || sequence != std::floor(sequence))
        return ManifestText::tr("The manifest has no sequence number.");
    manifest.sequence = qint64(sequence);
    manifest.publishedAt =
        QDateTime::fromString(root.value(QStringLiteral("publishedAt")).toString(), Qt::ISODate).toUTC();
    manifest.fingerprint = root.value(QStringLiteral("fingerprint")).toString().toLatin1();
    if (manifest.show.isEmpty() || manifest.show.contains(u'/') || manifest.show.startsWith(u'.'))
        return ManifestText::tr("The manifest names no show a folder can be named after.");
    for (const QJsonValue& entry : root.value(QStringLiteral("files")).toArray()) {
        const QJsonObject object = entry.toObject();
        ChannelFile file;
        file.path = object.value(QStringLiteral("path")).toString();
        const double size = object.value(QStringLiteral("size")).toDouble(-1);
        file.sha256 = object.value(QStringLiteral("sha256")).toString().toLatin1();
        if (!isSafeBundlePath(file.path))
            return ManifestText::tr("The manifest lists a path that leaves the bundle: “%1”.").arg(file.path);
        if (!(size >= 0) || size > 9e15 || size != std::floor(size))
            return ManifestText::tr("The manifest gives “%1” no size.").arg(file.path);
        if (!isSha256Hex(file.sha256))
            return ManifestText::tr("The manifest gives “%1” no SHA-256.").arg(file.path);
        if (paths.contains(file.path))
            return ManifestText::tr("The manifest lists “%1” twice.").arg(file.path);
        paths.insert(file.path);
        file.size = qint64(size);
        manifest.files.append(file);
    }
    if (manifest.files.isEmpty())
        return ManifestText::tr("The manifest lists no files.");
    if (manifest.fingerprint != manifest.computedFingerprint())
        return ManifestText::tr("The manifest's fingerprint does not match its files.");
    return manifest;
}

} // namespace vistrelle
