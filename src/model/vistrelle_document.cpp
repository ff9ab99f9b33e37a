#include "model/vistrelle_document.h"

#include "model/project_json_decoder.h"
#include "model/project_json_encoder.h"
#include "platform/app_logger.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
    const QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return VistrelleError::fileRead(file.errorString());
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return VistrelleError::fileWrite(file.errorString());
    file.write(contents.value());
    if (!file.commit())
        return VistrelleError::fileWrite(file.errorString());
    return std::nullopt;
}

} // namespace vistrelle
