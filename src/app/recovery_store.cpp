#include "app/recovery_store.h"

#include "platform/file_writing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

namespace vistrelle {
namespace {

QString idText(const QUuid& id) {
    return id.toString(QUuid::WithoutBraces).toUpper();
}

void removeFolderIfEmpty(const QString& path) {
    QDir folder(path);
    if (folder.exists() && folder.isEmpty())
        folder.removeRecursively();
}

} // namespace

RecoveryStore::RecoveryStore(QString folder)
    : folder_(std::move(folder)) {
    if (folder_.isEmpty())
        folder_ =
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/Recovery");
}

RecoveryStore::~RecoveryStore() {
    // A clean end leaves an empty folder behind, which goes; copies that remain stay for the next start.
    removeFolderIfEmpty(sessionFolder());
    if (lock_)
        lock_->unlock();
}

QString RecoveryStore::sessionFolder() const {
    return QDir(folder_).filePath(idText(session_));
}

QString RecoveryStore::documentPath(const QUuid& windowId) const {
    return QDir(sessionFolder()).filePath(idText(windowId) + QStringLiteral(".vistrelle"));
}

QString RecoveryStore::notePath(const QString& documentPath) const {
    return QFileInfo(documentPath)
        .dir()
        .filePath(QFileInfo(documentPath).completeBaseName() + QStringLiteral(".json"));
}

bool RecoveryStore::ensureSession() {
    if (lock_)
        return true;
    if (!QDir().mkpath(sessionFolder()))
        return false;
    auto lock = std::make_unique<QLockFile>(sessionFolder() + QStringLiteral(".lock"));
    if (!lock->tryLock(0))
        return false;
    lock_ = std::move(lock);
    return true;
}

std::optional<QString> RecoveryStore::save(const QUuid& windowId, const VistrelleDocument& document,
                                           const QString& originalPath) {
    if (!ensureSession())
        return QCoreApplication::translate("RecoveryStore", "The folder “%1” cannot be used.").arg(folder_);
    const QString path = documentPath(windowId);
    if (const std::optional<VistrelleError> error = document.writeFile(path))
        return error->detail();
    const QByteArray note =
        QJsonDocument(QJsonObject{{QStringLiteral("originalPath"), originalPath}}).toJson();
    return saveFileAtomically(notePath(path), note);
}

void RecoveryStore::remove(const QUuid& windowId) {
    const QString path = documentPath(windowId);
    QFile::remove(path);
    QFile::remove(notePath(path));
}

bool RecoveryStore::hasCopy(const QUuid& windowId) const {
    return QFileInfo::exists(documentPath(windowId));
}

QList<RecoveryStore::Entry> RecoveryStore::leftovers() {
    QList<Entry> entries;
    const QFileInfoList sessions =
        QDir(folder_).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Time | QDir::Reversed);
    for (const QFileInfo& session : sessions) {
        if (session.absoluteFilePath() == QFileInfo(sessionFolder()).absoluteFilePath())
            continue;
        // A folder whose lock can be taken belongs to an application that has ended.
        auto lock = std::make_shared<QLockFile>(session.absoluteFilePath() + QStringLiteral(".lock"));
        if (!lock->tryLock(0))
            continue;
        adopted_.append(lock);
        const QFileInfoList copies =
            QDir(session.absoluteFilePath())
                .entryInfoList({QStringLiteral("*.vistrelle")}, QDir::Files, QDir::Time | QDir::Reversed);
        for (const QFileInfo& copy : copies) {
            QString original;
            QFile note(notePath(copy.absoluteFilePath()));
            if (note.open(QIODevice::ReadOnly))
                original = QJsonDocument::fromJson(note.readAll())
                               .object()
                               .value(QStringLiteral("originalPath"))
                               .toString();
            entries.append({copy.absoluteFilePath(), original});
        }
        if (copies.isEmpty())
            QDir(session.absoluteFilePath()).removeRecursively();
    }
    return entries;
}

void RecoveryStore::discard(const Entry& entry) {
    QFile::remove(entry.documentPath);
    QFile::remove(notePath(entry.documentPath));
    removeFolderIfEmpty(QFileInfo(entry.documentPath).absolutePath());
}

} // namespace vistrelle
