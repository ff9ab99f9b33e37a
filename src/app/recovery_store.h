#pragma once

#include "model/vistrelle_document.h"

#include <QString>
#include <QUuid>

namespace vistrelle {

// Copies of documents with unsaved changes, kept in the user's data folder so
// that a crash or a killed process costs at most the last few seconds of work.
// A window removes its copy when it closes normally, so whatever is left at
// the next start was not quit cleanly.
class RecoveryStore {
public:
    struct Entry {
        QUuid windowId;
        QString documentPath; // the copy
        QString originalPath; // the file the document belongs to; empty while untitled
    };

    // Keeps copies in `folder` (the default: the application's data folder + "/Recovery").
    explicit RecoveryStore(QString folder = {});

    // Writes the copy atomically; false when it cannot be written.
    bool save(const QUuid& windowId, const VistrelleDocument& document, const QString& originalPath) const;
    void remove(const QUuid& windowId) const;
    // The copies left behind, oldest first; unreadable leftovers are skipped.
    QList<Entry> leftovers() const;

    const QString& folder() const { return folder_; }

private:
    QString documentPath(const QUuid& windowId) const;
    QString notePath(const QUuid& windowId) const;

    QString folder_;
};

} // namespace vistrelle
