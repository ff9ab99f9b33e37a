#pragma once

#include <QByteArray>
#include <QString>

namespace vistrelle {

// Where things lie in a channel destination (a folder or a web server), relative to its root:
//   objects/sha256/<first two hex digits>/<hash>   every file of every published bundle, by its content
//   channels/<name>/manifest.json                  the channel's current manifest, written last
//   channels/<name>/manifest.json.sig              its Ed25519 signature (64 bytes)
//   channels/<name>/history/<sequence>.json        every manifest published, for pruning
namespace channel_layout {

QString objectPath(const QByteArray& sha256Hex);
QString manifestPath(const QString& channel);
QString signaturePath(const QString& channel);
QString historyFolder(const QString& channel);
QString historyPath(const QString& channel, qint64 sequence);
// Letters, digits, ".", "_" and "-", not starting with "." and at most 100 characters.
bool isValidChannelName(const QString& name);

} // namespace channel_layout
} // namespace vistrelle
