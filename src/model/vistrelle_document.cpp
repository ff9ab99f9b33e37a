#include "model/vistrelle_document.h"

#include "model/project_json_decoder.h"
#include "model/project_json_encoder.h"
#include "platform/app_logger.h"
#include "platform/file_writing.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <new>

namespace vistrelle {

namespace {

VistrelleError fileCorruptError(const QString& reason) {
    return VistrelleError::fileRead(
        VistrelleDocument::tr("The file is damaged or is not a Vistrelle project: %1.").arg(reason));
}

std::optional<KioskProject> tryDecode(const QByteArray& json, DateDecoding dates,
                                      std::optional<JsonDecodingError>& error) {
    try {
        return decodeProjectJson(json, dates);
    } catch (const JsonDecodingError& e) {
        error = e;
        return std::nullopt;
    }
}

Result<KioskProject> decodeWithFallback(const QByteArray& json) {
    std::optional<JsonDecodingError> first;
    if (std::optional<KioskProject> project = tryDecode(json, DateDecoding::iso8601, first))
        return std::move(*project);

    const bool corrupt = first->kind == JsonDecodingError::Kind::dataCorrupted;
    AppLogger::logFailure(corrupt ? QStringLiteral("Document JSON is corrupt: ")
                                  : QStringLiteral("Failed to decode document: "),
                          first->description);

    // Older documents wrote dates as seconds since 2001-01-01.
    std::optional<JsonDecodingError> second;
    if (std::optional<KioskProject> project =
            tryDecode(json, DateDecoding::secondsSinceReferenceDate, second))
        return std::move(*project);

    // A retry that only stumbled over dates written as text says nothing about
    // the document; the first attempt's error names the real problem then.
    const bool retryMetTextDates =
        second->concernsDateForm && second->kind == JsonDecodingError::Kind::typeMismatch;
    const JsonDecodingError& reported = retryMetTextDates ? *first : *second;
    if (corrupt)
        return fileCorruptError(reported.description);
    return VistrelleError::fileRead(reported.description + u'.');
}

constexpr qint64 documentStartSize = 64 * 1024;

// Appends up to `count` bytes of `file` to `contents`; false on a read error.
bool readInto(QFile& file, QByteArray& contents, qint64 count) {
    const qsizetype start = contents.size();
    contents.resize(start + qsizetype(count));
    qsizetype filled = start;
    while (filled < contents.size()) {
        const qint64 n = file.read(contents.data() + filled, contents.size() - filled);
        if (n < 0)
            return false;
        if (n == 0)
            break; // the file shrank meanwhile
        filled += qsizetype(n);
    }
    contents.resize(filled);
    return true;
}

// Why a file whose start is `start` cannot be a project, or nothing when it may be one.
// A project begins with "{" (after blanks); for any other first character the
// outcome is the one reading the whole file would have: text that is no JSON
// fails where it stands, and other JSON is no project.
std::optional<VistrelleError> refusalOfStart(const QByteArray& start) {
    qsizetype i = start.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < start.size() && (start[i] == ' ' || start[i] == '\n' || start[i] == '\r' || start[i] == '\t'))
        ++i;
    if (i == start.size() || start[i] == '{')
        return std::nullopt;
    static const QByteArray valueStarts = "[\"tfn-0123456789";
    if (!valueStarts.contains(start[i])) {
        // The same blanks and character fail at the same line and column.
        Result<VistrelleDocument> document = VistrelleDocument::read(start.left(i + 1));
        return document ? std::nullopt : std::optional(document.error());
    }
    AppLogger::logError(QStringLiteral("Document JSON is not an object"));
    return fileCorruptError(VistrelleDocument::tr("the data is not a project but another kind of JSON"));
}

} // namespace

VistrelleDocument::VistrelleDocument() = default;

Result<VistrelleDocument> VistrelleDocument::read(const QByteArray& contents) {
    Result<KioskProject> project = [&]() -> Result<KioskProject> {
        try {
            return decodeWithFallback(contents);
        } catch (const std::bad_alloc&) {
            return VistrelleError::fileRead(tr("There is not enough memory to open the file."));
        }
    }();
    if (!project)
        return project.error();

    VistrelleDocument document;
    document.project = std::move(project).value();
    document.project.metadata.name = projectNameOrUntitled(document.project.metadata.name);
    document.versionCompatibility = VersionCompatibility::compatible();
    document.isLoadedFromDisk = true;
    return document;
}

Result<VistrelleDocument> VistrelleDocument::readFile(const QString& path) {
    // A file from someone else may be anything: whatever reading it throws is a file that cannot be opened,
    // never the end of the program that holds the user's other documents.
    try {
        return readFileUnguarded(path);
    } catch (const std::bad_alloc&) {
        return VistrelleError::fileRead(tr("There is not enough memory to open the file."));
    } catch (const std::exception& error) {
        AppLogger::logFailure(QStringLiteral("Failed to read document: "),
                              QString::fromLocal8Bit(error.what()));
        return VistrelleError::fileRead(tr("The file could not be read."));
    } catch (...) {
        AppLogger::logError(QStringLiteral("Failed to read document: unknown exception"));
        return VistrelleError::fileRead(tr("The file could not be read."));
    }
}

Result<VistrelleDocument> VistrelleDocument::readFileUnguarded(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return VistrelleError::fileRead(tr("The file “%1” does not exist.").arg(info.fileName()));
    if (!info.isFile()) {
        AppLogger::logError(QStringLiteral("Document file has no regular contents"));
        return fileCorruptError(info.isDir() ? tr("“%1” is a folder").arg(info.fileName())
                                             : tr("“%1” is not a regular file").arg(info.fileName()));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return VistrelleError::fileRead(file.errorString());
    // The start first: a large file that cannot be a project (a film given the wrong name, say)
    // is refused before the rest of it is read.
    const qint64 size = file.size();
    QByteArray contents;
    if (!readInto(file, contents, std::min(size, documentStartSize)))
        return VistrelleError::fileRead(file.errorString());
    if (size > documentStartSize) {
        if (std::optional<VistrelleError> refusal = refusalOfStart(contents))
            return *std::move(refusal);
        // Checked before the rest is allocated: a sparse file of many gigabytes costs nothing to make.
        if (size > largestDocumentBytes) {
            AppLogger::logError(QStringLiteral("Document file is larger than any project"));
            return fileCorruptError(tr("it is %1 large, and a project file is at most %2")
                                        .arg(QLocale().formattedDataSize(size),
                                             QLocale().formattedDataSize(largestDocumentBytes)));
        }
        // Read straight into one buffer of the file's size: a large file is never held twice.
        if (!readInto(file, contents, size - contents.size()))
            return VistrelleError::fileRead(file.errorString());
    }
    if (!file.atEnd()) { // it grew while being read: at most to the limit
        qsizetype before = -1;
        while (before != contents.size() && contents.size() <= largestDocumentBytes) {
            before = contents.size();
            if (!readInto(file, contents, documentStartSize))
                return VistrelleError::fileRead(file.errorString());
        }
        if (contents.size() > largestDocumentBytes)
            return fileCorruptError(tr("it grew past %1 while it was read, more than a project file can be")
                                        .arg(QLocale().formattedDataSize(largestDocumentBytes)));
    }
    return read(contents);
}

Result<QByteArray> VistrelleDocument::fileContents() const {
    KioskProject copy = project;
    copy.metadata.modified = currentDocumentTime();
    copy.metadata.name = projectNameOrUntitled(copy.metadata.name);
    try {
        return encodeProjectJson(copy);
    } catch (const JsonEncodingError& e) {
        AppLogger::logFailure(QStringLiteral("Failed to encode document: "), e.description);
        return VistrelleError::fileWrite(e.description);
    } catch (const std::bad_alloc&) {
        return VistrelleError::fileWrite(tr("There is not enough memory to save the file."));
    }
}

std::optional<VistrelleError> VistrelleDocument::writeFile(const QString& path) const {
    const Result<QByteArray> contents = fileContents();
    if (!contents)
        return contents.error();
    if (const std::optional<QString> reason = saveFileAtomically(path, contents.value()))
        return VistrelleError::fileWrite(*reason);
    return std::nullopt;
}

} // namespace vistrelle
