#include "model/vistrelle_document.h"
#include "support/log_capture.h"
#include "support/sample_project.h"
#include "support/sparse_file.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

QByteArray documentBytes(const KioskProject& project) {
    VistrelleDocument document;
    document.project = project;
    return document.fileContents().value();
}

QByteArray withMetadataValue(const QByteArray& json, const char* key, const QJsonValue& value) {
    QJsonObject root = QJsonDocument::fromJson(json).object();
    QJsonObject metadata = root["metadata"].toObject();
    metadata[key] = value;
    root["metadata"] = metadata;
    return QJsonDocument(root).toJson();
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

TEST(VistrelleDocumentTest, NewDocumentDefaults) {
    const VistrelleDocument document;
    EXPECT_EQ(document.project.screens.size(), 1);
    EXPECT_EQ(document.versionCompatibility, VersionCompatibility::compatible());
    EXPECT_FALSE(document.isLoadedFromDisk);
    EXPECT_NE(document.id, VistrelleDocument().id);
    EXPECT_EQ(VistrelleDocument::readableContentTypes(), QStringList{"com.quendrix.vistrelle.project"});
    EXPECT_EQ(VistrelleDocument::writableContentTypes(), VistrelleDocument::readableContentTypes());
}

TEST(VistrelleDocumentTest, SavingAndReopeningKeepsEverythingButModifiedAndId) {
    VistrelleDocument original;
    original.project = test_support::projectWithEveryField();
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);

    const Result<VistrelleDocument> reopened = VistrelleDocument::read(original.fileContents().value());
    ASSERT_TRUE(reopened) << reopened.error().description().toStdString();
    EXPECT_TRUE(reopened->isLoadedFromDisk);
    EXPECT_NE(reopened->id, original.id);
    EXPECT_GE(reopened->project.metadata.modified, before);

    KioskProject expected = original.project;
    expected.metadata.modified = reopened->project.metadata.modified;
    EXPECT_EQ(reopened->project, expected);
}

TEST(VistrelleDocumentTest, BlankNamesBecomeUntitledOnReadAndWrite) {
    KioskProject project;
    project.metadata.name = QStringLiteral(" \n\t ");
    const QByteArray bytes = withMetadataValue(documentBytes(project), "name", " \n\t ");
    EXPECT_EQ(VistrelleDocument::read(bytes)->project.metadata.name, "Untitled Project");

    const QByteArray keptSpaces = withMetadataValue(bytes, "name", "  Lobby ");
    EXPECT_EQ(VistrelleDocument::read(keptSpaces)->project.metadata.name, "  Lobby ");

    VistrelleDocument document;
    document.project.metadata.name = QString();
    const QByteArray written = document.fileContents().value();
    EXPECT_EQ(QJsonDocument::fromJson(written)["metadata"]["name"].toString(), "Untitled Project");
    EXPECT_EQ(document.project.metadata.name, QString());
}

TEST(VistrelleDocumentTest, DatesAsSecondsAreReadOnTheSecondAttempt) {
    test_support::LogCapture log;
    QByteArray bytes = withMetadataValue(documentBytes(KioskProject()), "created", 100.0);
    bytes = withMetadataValue(bytes, "modified", 200.0);
    const Result<VistrelleDocument> document = VistrelleDocument::read(bytes);
    ASSERT_TRUE(document);
    EXPECT_EQ(document->project.metadata.created, QDateTime(QDate(2001, 1, 1), QTime(0, 1, 40), Qt::UTC));
    ASSERT_EQ(log.errorMessages().size(), 1);
    EXPECT_TRUE(log.errorMessages()[0].startsWith("Failed to decode document: "))
        << log.errorMessages()[0].toStdString();
}

TEST(VistrelleDocumentTest, ARetryThatGetsPastTheDatesReportsItsOwnError) {
    QByteArray bytes = withMetadataValue(documentBytes(KioskProject()), "created", 1e300);
    bytes = withMetadataValue(bytes, "modified", 0.0);
    const Result<VistrelleDocument> document = VistrelleDocument::read(bytes);
    ASSERT_FALSE(document);
    EXPECT_TRUE(document.error().description().contains("1e+300"))
        << document.error().description().toStdString();
}

TEST(VistrelleDocumentTest, CorruptContentsFailWithAFileReadError) {
    const QByteArray valid = documentBytes(KioskProject());
    const QByteArray cases[] = {"",
                                "not json",
                                valid.left(valid.size() / 2),
                                "[]",
                                "{\"metadata\": NaN}",
                                QByteArray(valid).replace("\"Horizontal\"", "\"Sideways\""),
                                QByteArray(valid).replace("Untitled", "Untitl\xE9"
                                                                      "d")};
    for (const QByteArray& bytes : cases) {
        test_support::LogCapture log;
        const Result<VistrelleDocument> document = VistrelleDocument::read(bytes);
        ASSERT_FALSE(document) << bytes.left(40).toStdString();
        EXPECT_EQ(document.error().errorCase(), VistrelleError::Case::fileReadError);
        EXPECT_TRUE(document.error().description().startsWith("Failed to read project file: "));
        ASSERT_EQ(log.errorMessages().size(), 1);
    }
}

TEST(VistrelleDocumentTest, LogLinesTellCorruptDataFromMissingKeys) {
    {
        test_support::LogCapture log;
        EXPECT_FALSE(VistrelleDocument::read("{"));
        EXPECT_TRUE(log.errorMessages().value(0).startsWith("Document JSON is corrupt: "));
    }
    {
        test_support::LogCapture log;
        QJsonObject root = QJsonDocument::fromJson(documentBytes(KioskProject())).object();
        root.remove("settings");
        const Result<VistrelleDocument> document = VistrelleDocument::read(QJsonDocument(root).toJson());
        ASSERT_FALSE(document);
        EXPECT_TRUE(log.errorMessages().value(0).startsWith("Failed to decode document: "));
        // The retry fails only on the date form; the message names the real problem.
        EXPECT_TRUE(document.error().description().contains("settings"))
            << document.error().description().toStdString();
    }
}

TEST(VistrelleDocumentTest, FilesFoldersAndAtomicWrites) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    {
        test_support::LogCapture log;
        const Result<VistrelleDocument> folder = VistrelleDocument::readFile(dir.path());
        ASSERT_FALSE(folder);
        EXPECT_EQ(log.errorMessages(), QStringList{"Document file has no regular contents"});
    }
    EXPECT_FALSE(VistrelleDocument::readFile(dir.filePath("missing.vistrelle")));

    const QString path = dir.filePath("show.vistrelle");
    VistrelleDocument document;
    document.project.metadata.name = QStringLiteral("Saved");
    ASSERT_EQ(document.writeFile(path), std::nullopt);
    EXPECT_EQ(VistrelleDocument::readFile(path)->project.metadata.name, "Saved");

    // A project that cannot be encoded leaves the existing file as it was.
    ASSERT_TRUE(writeBytes(path, "previous contents"));
    document.project.screens[0].components.append(PlacedComponent{});
    document.project.screens[0].components[0].position.x = std::numeric_limits<double>::infinity();
    test_support::LogCapture log;
    const std::optional<VistrelleError> error = document.writeFile(path);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->errorCase(), VistrelleError::Case::fileWriteError);
    EXPECT_TRUE(log.errorMessages().value(0).startsWith("Failed to encode document: "));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "previous contents");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"show.vistrelle"});
}

TEST(VistrelleDocumentTest, ALargeFileIsJudgedByItsStartBeforeTheRestIsRead) {
    QTemporaryDir dir;
    // Sparse files of 4 GiB: reading one whole would take that much memory (and is refused as too large).
    const auto hugeFile = [&](const QString& name, const QByteArray& start) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(start);
        EXPECT_TRUE(file.resize((qint64(1) << 32) + 1));
        return path;
    };
    Result<VistrelleDocument> film =
        VistrelleDocument::readFile(hugeFile("film.vistrelle", "\n  \x1A\x45\xDF\xA3"));
    ASSERT_FALSE(film);
    EXPECT_EQ(film.error().description(),
              "Failed to read project file: The file is damaged or is not a Vistrelle "
              "project: the data is not valid JSON (unexpected character at line 2, "
              "column 3).");
    Result<VistrelleDocument> list = VistrelleDocument::readFile(hugeFile("list.vistrelle", "[1, 2, 3"));
    ASSERT_FALSE(list);
    EXPECT_EQ(list.error().description(),
              "Failed to read project file: The file is damaged or is not a Vistrelle "
              "project: the data is not a project but another kind of JSON.");

    // A project larger than the part read first is read whole.
    VistrelleDocument large;
    large.project.screens = QList<KioskScreen>(400, large.project.screens.first());
    const QString path = dir.filePath("large.vistrelle");
    ASSERT_EQ(large.writeFile(path), std::nullopt);
    ASSERT_GT(QFileInfo(path).size(), 64 * 1024);
    const Result<VistrelleDocument> reread = VistrelleDocument::readFile(path);
    ASSERT_TRUE(reread);
    EXPECT_EQ(reread->project.screens, large.project.screens);
}

TEST(VistrelleDocumentTest, AHugeFileThatStartsLikeAProjectIsRefusedBeforeItIsRead) {
    QTemporaryDir dir;
    const QString sparse = dir.filePath("sparse.vistrelle");
    ASSERT_TRUE(test_support::writeSparseFile(sparse, "{", qint64(64) << 30));
    const QString braces = dir.filePath("braces.vistrelle");
    {
        QFile file(braces);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const QByteArray chunk(1 << 20, '{');
        for (int i = 0; i < 1024; ++i)
            ASSERT_EQ(file.write(chunk), chunk.size());
    }
    for (const QString& path : {sparse, braces}) {
        test_support::LogCapture log;
        const Result<VistrelleDocument> document = VistrelleDocument::readFile(path);
        ASSERT_FALSE(document);
        EXPECT_TRUE(document.error().description().startsWith(
            "Failed to read project file: The file is damaged or is not a Vistrelle project: it is "))
            << document.error().description().toStdString();
        EXPECT_TRUE(document.error().description().contains("and a project file is at most 128"))
            << document.error().description().toStdString();
        EXPECT_EQ(log.errorMessages(), QStringList{"Document file is larger than any project"});
    }
}

TEST(VistrelleErrorTest, DescriptionIsPrefixPlusDetail) {
    const VistrelleError error(VistrelleError::Case::validationError, QStringLiteral("No screens."));
    EXPECT_EQ(error.description(), "Validation error: No screens.");
    EXPECT_EQ(error.recoverySuggestion(), "Please correct the validation errors and try again.");
    EXPECT_EQ(error.identity(), "validationError");
    EXPECT_EQ(VistrelleError::fileWrite("x").description(), "Failed to save project file: x");
    EXPECT_EQ(VistrelleError(VistrelleError::Case::versionCompatibilityError, "v").description(),
              "Version compatibility error: v");
}

TEST(VistrelleDocumentTest, AbsurdButValidValuesAreReadAndWrittenBack) {
    KioskProject project;
    project.metadata.name = QString(10 * 1024 * 1024, QChar(u'é'));
    PlacedComponent huge;
    huge.position = {1e308, -1e308};
    huge.size = {-50, -0.5};
    project.screens[0].components.append(huge);
    const Result<VistrelleDocument> document = VistrelleDocument::read(documentBytes(project));
    ASSERT_TRUE(document);
    EXPECT_EQ(document->project.screens, project.screens);
    EXPECT_EQ(document->project.metadata.name.size(), project.metadata.name.size());
}
