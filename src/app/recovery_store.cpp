#include "app/recovery_store.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace vistrelle {
namespace {

QString idText(const QUuid& id) {
    return id.toString(QUuid::WithoutBraces).toUpper();
}

} // namespace

RecoveryStore::RecoveryStore(QString folder)
    : folder_(std::move(folder)) {
    if (folder_.isEmpty())
        folder_ =
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/Recovery");
}

QString RecoveryStore::documentPath(const QUuid& windowId) const {
    return QDir(folder_).filePath(idText(windowId) + QStringLiteral(".vistrelle"));
}

QString RecoveryStore::notePath(const QUuid& windowId) const {
    return QDir(folder_).filePath(idText(windowId) + QStringLiteral(".json"));
}

bool RecoveryStore::save(const QUuid& windowId, const VistrelleDocument& document,
                         const QString& originalPath) const {
    if (!QDir().mkpath(folder_))
        return false;
    if (document.writeFile(documentPath(windowId)))
        return false;
    QSaveFile note(notePath(windowId));
    const QByteArray bytes =
        QJsonDocument(QJsonObject{{QStringLiteral("originalPath"), originalPath}}).toJson();
    return note.open(QIODevice::WriteOnly) && note.write(bytes) == bytes.size() && note.commit();
}

void RecoveryStore::remove(const QUuid& windowId) const {
    QFile::remove(documentPath(windowId));
    QFile::remove(notePath(windowId));
}

QList<RecoveryStore::Entry> RecoveryStore::leftovers() const {
    QList<Entry> entries;
    QFileInfoList files = QDir(folder_).entryInfoList({QStringLiteral("*.vistrelle")}, QDir::Files,
                                                      QDir::Time | QDir::Reversed);
    for (const QFileInfo& file : files) {
        const QUuid id = QUuid::fromString(file.completeBaseName());
        if (id.isNull())
            continue;
        QString original;
        QFile note(notePath(id));
        if (note.open(QIODevice::ReadOnly))
            original = QJsonDocument::fromJson(note.readAll())
                           .object()
                           .value(QStringLiteral("originalPath"))
                           .toString();
        entries.append({id, file.absoluteFilePath(), original});
    }
    return entries;
}

} // namespace vistrelle
