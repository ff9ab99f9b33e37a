#pragma once

#include "model/project_model.h"
#include "model/result.h"

#include <QByteArray>
#include <QString>
#include <QUuid>

#include <optional>

namespace vistrelle {

// The outcome of comparing a document's versions with the application's.
struct VersionCompatibility {
    enum class Kind { newerAppVersion, incompatibleDocumentVersion, compatible };

    Kind kind = Kind::compatible;
    QString version; // the version that caused the warning; empty when compatible

    static VersionCompatibility compatible() { return {}; }
    bool operator==(const VersionCompatibility&) const = default;
};

// A project document as a window holds it. Reading is tolerant (defaults for
// missing keys, legacy values, a second date form); writing never changes the
// in-memory document.
class VistrelleDocument {
    Q_DECLARE_TR_FUNCTIONS(VistrelleDocument)

public:
    static inline const QString contentType = QStringLiteral("com.quendrix.vistrelle.project");
    static inline const QString fileExtension = QStringLiteral("vistrelle");
    static QStringList readableContentTypes() { return {contentType}; }
    static QStringList writableContentTypes() { return {contentType}; }

    // A new document: a new project, compatible, not loaded from disk.
    VistrelleDocument();

    // Reads the regular contents of a document file.
    static Result<VistrelleDocument> read(const QByteArray& contents);
    // The largest document file that is read: four times a show of 500 screens of 50 components (about
    // 31 MB), small enough that reading it cannot exhaust the memory (the parsed form of the most hostile
    // JSON, a long list of zeros, takes eight times its bytes).
    static constexpr qint64 largestDocumentBytes = qint64(128) << 20;

    // Reads the file at `path`; a folder, a missing file or one larger than `largestDocumentBytes` fails.
    // Never throws: running out of memory is a failure to open like any other.
    static Result<VistrelleDocument> readFile(const QString& path);

    // The bytes of the document file: the project with `modified` set to now
    // and an empty name written as "Untitled Project".
    Result<QByteArray> fileContents() const;
    // Writes the document file atomically; on failure the file at `path` is untouched.
    std::optional<VistrelleError> writeFile(const QString& path) const;

    QUuid id = QUuid::createUuid();
    KioskProject project;
    VersionCompatibility versionCompatibility;
    bool isLoadedFromDisk = false;

    bool operator==(const VistrelleDocument&) const = default;

private:
    static Result<VistrelleDocument> readFileUnguarded(const QString& path);
};

} // namespace vistrelle
