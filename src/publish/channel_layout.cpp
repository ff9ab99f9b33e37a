#include "publish/channel_layout.h"

#include <algorithm>

namespace vistrelle::channel_layout {

QString objectPath(const QByteArray& sha256Hex) {
    const QString hex = QString::fromLatin1(sha256Hex);
    return QStringLiteral("objects/sha256/%1/%2").arg(hex.left(2), hex);
}

QString manifestPath(const QString& channel) {
    return QStringLiteral("channels/%1/manifest.json").arg(channel);
}

QString signaturePath(const QString& channel) {
    return manifestPath(channel) + QStringLiteral(".sig");
}

QString historyFolder(const QString& channel) {
    return QStringLiteral("channels/%1/history").arg(channel);
}

QString historyPath(const QString& channel, qint64 sequence) {
    return historyFolder(channel) + QStringLiteral("/%1.json").arg(sequence);
}

bool isValidChannelName(const QString& name) {
    return !name.isEmpty() && name.size() <= 100 && !name.startsWith(u'.') &&
           std::all_of(name.cbegin(), name.cend(), [](QChar c) {
               return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
                      c == u'.' || c == u'_' || c == u'-';
           });
}

} // namespace vistrelle::channel_layout
