#pragma once

#include "model/vistrelle_document.h"

#include <QLockFile>
#include <QString>
#include <QUuid>

#include <memory>

namespace vistrelle {

// Copies of documents with unsaved changes, kept in the user's data folder so
// that a crash or a killed process costs at most the last few seconds of work.
// Each running application keeps its copies in a folder of its own, locked
// while it runs; a window removes its copy when it closes normally. Copies in
// a folder whose owner is gone are leftovers of an unclean end, and a second
// application running at the same time never mistakes the first one's live
// copies for those.
class RecoveryStore {
public:
    struct Entry {
        QString documentPath; // the copy
        QString originalPath; // the file the document belongs to; empty while untitled
    };

    // Keeps copies under `folder` (the default: the application's data folder + "/Recovery").
    explicit RecoveryStore(QString folder = {});
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // Writes the copy of `windowId`'s document atomically; the reason when it cannot be written.
    std::optional<QString> save(const QUuid& windowId, const VistrelleDocument& document,
                                const QString& originalPath);
    void remove(const QUuid& windowId);
    bool hasCopy(const QUuid& windowId) const;

    // The copies that ended applications left behind, oldest first. Their
    // folders are taken over, so no other application offers them too.
    QList<Entry> leftovers();
    // Deletes a leftover copy (after it was restored or declined).
    void discard(const Entry& entry);

    const QString& folder() const { return folder_; }

private:
    QString sessionFolder() const;
    QString documentPath(const QUuid& windowId) const;
    QString notePath(const QString& documentPath) const;
    bool ensureSession();

    QString folder_;
    QUuid session_ = QUuid::createUuid();
    std::unique_ptr<QLockFile> lock_;
    QList<std::shared_ptr<QLockFile>> adopted_;
};

} // namespace vistrelle
