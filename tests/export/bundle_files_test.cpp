#include "export/bundle_files.h"
#include "media/file_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <algorithm>
#include <utility>

#include "support/qt_printers.h"

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

using Entries = QList<std::pair<QString, QString>>;

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A property list as the player reads it back.
struct PropertyList {
    QString xmlVersion;
    QString plistVersion;
    Entries entries; // the top dictionary sorted by key; a value that is not a string as "<type>"
    QString error;
};

PropertyList readPropertyList(const QByteArray& bytes) {
    PropertyList plist;
    QXmlStreamReader xml(bytes);
    if (xml.readNext() == QXmlStreamReader::StartDocument)
        plist.xmlVersion = xml.documentVersion().toString();
    if (xml.readNextStartElement() && xml.name() == u"plist") {
        plist.plistVersion = xml.attributes().value(QLatin1StringView("version")).toString();
        if (xml.readNextStartElement() && xml.name() == u"dict") {
            while (xml.readNextStartElement()) {
                if (xml.name() != u"key") {
                    xml.raiseError(QStringLiteral("a value without a key"));
                    break;
                }
                const QString key = xml.readElementText();
                if (!xml.readNextStartElement()) {
                    xml.raiseError(QStringLiteral("a key without a value"));
                    break;
                }
                const QString type = xml.name().toString();
                const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                plist.entries.append({key, type == u"string" ? text : QStringLiteral("<%1>").arg(type)});
            }
        }
    }
    while (!xml.atEnd() && !xml.hasError())
        xml.readNext();
    if (xml.hasError())
        plist.error = xml.errorString();
    std::sort(plist.entries.begin(), plist.entries.end());
    return plist;
}

} // namespace

TEST(BundleFilesTest, TheInfoPlistHoldsFiveStringEntriesWithTheBaseNameInEveryBundle) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ProjectMetadata metadata;
    metadata.name = "  Lobby   Show: Floor 1/2 ";
    metadata.version = "2.0 <beta> & more";
    const Entries expected{{"CFBundleIdentifier", "com.quendrix.vistrelle.bundle"},
                           {"CFBundleName", "Lobby Show- Floor 1-2"},
                           {"CFBundlePackageType", "BNDL"},
                           {"CFBundleShortVersionString", "2.0 <beta> & more"},
                           {"CFBundleVersion", "2.0 <beta> & more"}};
    for (const char* bundleName : {"Lobby Show- Floor 1-2.bundle", "Lobby Show- Floor 1-2-2.bundle"}) {
        const BundleLocation location = createBundle(metadata, folder.path());
        EXPECT_EQ(QFileInfo(location.bundleFolder).fileName(), bundleName);
        const PropertyList plist =
            readPropertyList(contentsOf(location.bundleFolder + "/Contents/Info.plist"));
        EXPECT_EQ(plist.error, "");
        EXPECT_EQ(plist.xmlVersion, "1.0");
        EXPECT_EQ(plist.plistVersion, "1.0");
        EXPECT_EQ(plist.entries, expected);
    }
}

TEST(BundleFilesTest, ABlankNameFallsBackAndWideSpacesCollapse) {
    EXPECT_EQ(sanitizedBundleName(" \t\n "), "KioskProject");
    EXPECT_EQ(sanitizedBundleName(QStringLiteral("My\u00A0\u00A0Show")), "My Show");
}

TEST(BundleFilesTest, ControlCharactersNeverReachAFolderName) {
    EXPECT_EQ(sanitizedBundleName(QStringLiteral("Lobby") + QChar(0) + QStringLiteral("Show")), "LobbyShow");
    EXPECT_EQ(sanitizedBundleName(QStringLiteral("\x1b[31mRed\x1b[0m \x7f\u0085Show")), "[31mRed[0m Show");
    EXPECT_EQ(sanitizedBundleName(QString(QChar(0))), "KioskProject");
    EXPECT_FALSE(bundleNameIsCut("Lobby: Show 1/2")); // the documented rules are no surprise
    EXPECT_TRUE(bundleNameIsCut(QStringLiteral("Lobby") + QChar(0)));

    // A deploy into the same folder a second time takes the next name and never loops.
    QTemporaryDir folder;
    ProjectMetadata metadata;
    metadata.name = QStringLiteral("Lobby") + QChar(0) + QStringLiteral("Show");
    EXPECT_EQ(QFileInfo(createBundle(metadata, folder.path()).bundleFolder).fileName(), "LobbyShow.bundle");
    EXPECT_EQ(QFileInfo(createBundle(metadata, folder.path()).bundleFolder).fileName(), "LobbyShow-2.bundle");
}

TEST(BundleFilesTest, ALongNameIsCutBetweenCharactersToFitWithItsSuffix) {
    // 200 characters of two bytes each and one of four: cut at 243 bytes, whole characters only.
    const QString name = QString(200, u'é') + QStringLiteral("\U0001F600");
    const QString base = sanitizedBundleName(name);
    EXPECT_TRUE(bundleNameIsCut(name));
    EXPECT_EQ(base, QString(121, u'é'));
    QTemporaryDir folder;
    ProjectMetadata metadata;
    metadata.name = name;
    for (const char* suffix : {"", "-2"}) {
        const BundleLocation location = createBundle(metadata, folder.path());
        EXPECT_EQ(QFileInfo(location.bundleFolder).fileName(), base + suffix + ".bundle");
        EXPECT_TRUE(QFileInfo(location.resourcesFolder).isDir());
    }
    // The largest suffix still fits a file name.
    EXPECT_LE(QFile::encodeName(base + "-" + QString::number(largestBundleSuffix) + ".bundle").size(), 255);
}

TEST(BundleFilesTest, TheSearchForAFreeNameEnds) {
    QTemporaryDir folder;
    ProjectMetadata metadata;
    metadata.name = "Show";
    QDir(folder.path()).mkdir("Show.bundle");
    for (int n = 2; n <= largestBundleSuffix; ++n)
        ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Show-%1.bundle").arg(n)));
    try {
        createBundle(metadata, folder.path());
        ADD_FAILURE() << "a bundle was created past the bound";
    } catch (const FileError& error) {
        EXPECT_TRUE(error.description.contains("already holds 9999 bundles named “Show”"))
            << error.description.toStdString();
    }
}

TEST(BundleFilesTest, TheReadmeBesideTheBundleIsTheFixedTextInUtf8) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile older(folder.filePath("README.txt"));
    ASSERT_TRUE(older.open(QIODevice::WriteOnly));
    older.write(QByteArray(4096, 'x')); // longer than the new text, so leftovers would show
    older.close();

    KioskProject project;
    project.metadata.name = "Lobby: Spring";
    writeReadme(project, folder.filePath("Lobby- Spring-2.bundle"));

    // Escapes for every character outside ASCII: U+2013 en dash, U+201C/U+201D quotes, U+2011
    // non-breaking hyphen, U+2318 command key, U+2325 option key.
    const QString expected = QStringLiteral(
        "Vistrelle Player \u2013 Deployment Instructions\n"
        "=======================================\n"
        "\n"
        "Project: Lobby: Spring\n"
        "Bundle:  Lobby- Spring-2.bundle\n"
        "\n"
        "1) Download the Vistrelle Player\n"
        "   - In Vistrelle, open the Help menu and choose \u201CDownload Vistrelle Player\u201D\n"
        "   - Or download directly: https://downloads.quendrix.com/vistrelle/VistrellePlayer.dmg\n"
        "\n"
        "2) Place the project bundle next to the Player\n"
        "   - Put \u201CLobby- Spring-2.bundle\u201D in the same folder as the \u201CVistrelle Player\u201D "
        "application\n"
        "   - The Player will automatically detect any .bundle in the same folder and load either\n"
        "     optimized slides (if present) or Contents/Resources/VistrelleData.xml and media\n"
        "\n"
        "3) Launch the Player\n"
        "   - Double\u2011click \u201CVistrelle Player\u201D to start the slideshow\n"
        "\n"
        "4) Exit the Player (password protected)\n"
        "   - Press Command (\u2318) + Option (\u2325) + P to open the exit dialog\n"
        "   - Enter the deployment password you set in the project settings\n"
        "   - Backup/secret password (if needed): KeeperMarquela\n"
        "\n"
        "5) Notes\n"
        "   - Keep the .bundle and the Player application together when copying to a display computer\n"
        "\n"
        "Support : support@quendrix.com\n"
        "Website: https://www.quendrix.com/vistrelle\n");
    const QByteArray written = contentsOf(folder.filePath("README.txt"));
    EXPECT_EQ(QString::fromUtf8(written), expected);
    EXPECT_EQ(written, expected.toUtf8());
}
