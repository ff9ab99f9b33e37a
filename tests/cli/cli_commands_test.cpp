#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "support/small_file_system.h"
#include "support/sparse_file.h"

#include <gtest/gtest.h>

namespace {

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

CliRun runCli(const QStringList& arguments, const QString& home = {}) {
    QProcess process;
    if (!home.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home);
        environment.insert("XDG_CONFIG_HOME", home + "/.config");
        process.setProcessEnvironment(environment);
    }
    process.start(QStringLiteral(VISTRELLE_CLI_PATH), arguments);
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

const QString sample = QStringLiteral(VISTRELLE_EXAMPLES_DIR "/harbour-library-lobby.vistrelle");

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(CliTest, CheckPrintsNameScreensAndComponents) {
    const CliRun run = runCli({"check", sample});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Harbour Library Lobby: 5 screens, 15 components\n");
    EXPECT_EQ(run.err, "");
}

TEST(CliTest, CheckOfABrokenFileFailsWithTheDescriptionOnly) {
    QTemporaryDir dir;
    const QString broken = dir.filePath("broken.vistrelle");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contentsOf(sample).left(300));
    file.close();
    // 64 GiB that begin like a project, as `truncate` makes them: refused before they are read.
    const QString huge = dir.filePath("huge.vistrelle");
    ASSERT_TRUE(vistrelle::test_support::writeSparseFile(huge, "{\"screens\": [", qint64(64) << 30));

    for (const QString& path : {broken, dir.path(), dir.filePath("missing.vistrelle"), huge}) {
        const CliRun run = runCli({"check", path});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.startsWith("Failed to read project file: ")) << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    }
}

TEST(CliTest, ResaveWritesAReadableCopyAndLeavesOutputAloneOnFailure) {
    QTemporaryDir dir;
    const QString copy = dir.filePath("copy.vistrelle");
    CliRun run = runCli({"resave", sample, copy});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(runCli({"check", copy}).out, "Harbour Library Lobby: 5 screens, 15 components\n");

    const QString notJson = dir.filePath("notes.txt");
    QFile file(notJson);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("shopping list");
    file.close();
    const QByteArray before = contentsOf(copy);
    run = runCli({"resave", notJson, copy});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(contentsOf(copy), before);

    run = runCli({"resave", sample, dir.filePath("no/such/folder/out.vistrelle")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith("Failed to save project file: ")) << run.err.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(), 2);
}

TEST(CliTest, ResaveOntoAFullDiskFailsAndKeepsTheDocumentThatWasThere) {
    vistrelle::test_support::SmallFileSystem disk(64);
    if (!disk.isMounted())
        GTEST_SKIP() << disk.skipReason();
    const QString document = disk.filePath("lobby.vistrelle");
    ASSERT_TRUE(QFile::copy(sample, document));
    QFile filler(disk.filePath("filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    ASSERT_EQ(filler.write(QByteArray(40 * 1024, 'x')),
              40 * 1024); // leaves less room than a second copy needs
    filler.close();

    const CliRun run = runCli({"resave", sample, document});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Failed to save project file: No space left on device\n");
    EXPECT_EQ(contentsOf(document), contentsOf(sample));
    EXPECT_EQ(QDir(disk.filePath(".")).entryList(QDir::Files | QDir::Hidden).size(),
              2); // no temporary file left
}

TEST(CliTest, OutputThatCannotBeWrittenIsAFailure) {
    if (!QFile::exists("/dev/full"))
        GTEST_SKIP() << "this system has no /dev/full";
    QProcess process;
    process.setStandardOutputFile("/dev/full");
    process.start(QStringLiteral(VISTRELLE_CLI_PATH), {"xml", sample});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_EQ(process.readAllStandardError(), "vistrelle-cli: No space left on device\n");
}

TEST(CliTest, VersionHelpAndUsageErrors) {
    EXPECT_EQ(runCli({"--version"}).out, "vistrelle-cli 3.5.0\n");
    const CliRun help = runCli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("check FILE"));
    EXPECT_EQ(runCli({}).exitCode, 2);
    EXPECT_EQ(runCli({"frobnicate", sample}).exitCode, 2);
    EXPECT_EQ(runCli({"check"}).exitCode, 2);
    EXPECT_EQ(runCli({"--bogus"}).exitCode, 2);
}

namespace {

// A home folder holding the sample's media where the sample project expects them.
// `root` written as a project file at `path`.
QString writtenJson(const QString& path, const QJsonObject& root) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QJsonDocument(root).toJson());
    return path;
}

QString homeWithSampleMedia(const QTemporaryDir& dir) {
    const QString media = dir.filePath("home/vistrelle-examples");
    QDir().mkpath(media);
    for (const QString& name : QDir(VISTRELLE_EXAMPLES_DIR "/media").entryList(QDir::Files))
        QFile::copy(QStringLiteral(VISTRELLE_EXAMPLES_DIR "/media/") + name, media + "/" + name);
    return dir.filePath("home");
}

} // namespace

TEST(CliTest, DeployPrintsEveryStepAndWritesTheBundle) {
    QTemporaryDir dir;
    const QString out = dir.filePath("out");
    QDir().mkpath(out);
    const CliRun run = runCli({"deploy", sample, out}, homeWithSampleMedia(dir));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 14) << run.out.toStdString();
    EXPECT_EQ(lines[0], "[ 10%] Validating project...");
    EXPECT_EQ(lines[2], "[ 30%] Bundle created: Harbour Library Lobby.bundle");
    EXPECT_EQ(lines[7], "[ 75%] Found 3 resources to copy");
    EXPECT_EQ(lines[8], "[ 76%] Copied: harbour.jpg");
    EXPECT_EQ(lines[13], "[100%] Deployment completed successfully!");
    const QString resources = out + "/Harbour Library Lobby.bundle/Contents/Resources/";
    EXPECT_EQ(contentsOf(resources + "welcome.mp4"), contentsOf(VISTRELLE_EXAMPLES_DIR "/media/welcome.mp4"));

    // The XML command writes what the bundle holds, without a trailing newline.
    const CliRun xml = runCli({"xml", sample}, dir.filePath("home"));
    EXPECT_EQ(xml.out.toUtf8(), contentsOf(resources + "VistrelleData.xml"));
    EXPECT_TRUE(xml.out.endsWith("</KioskProject>"));
}

TEST(CliTest, DeployFailuresGoToStandardError) {
    QTemporaryDir dir;
    const CliRun missingMedia = runCli({"deploy", sample, dir.path()}, dir.filePath("empty-home"));
    EXPECT_EQ(missingMedia.exitCode, 1);
    EXPECT_EQ(missingMedia.err, "Deployment failed: Resource not found: harbour.jpg\n");
    EXPECT_EQ(missingMedia.out, "[ 10%] Validating project...\n");

    EXPECT_EQ(runCli({"deploy", "--format", "gif", sample, dir.path()}).exitCode, 2);
}

TEST(CliTest, ScreensTravelAsTemplates) {
    QTemporaryDir dir;
    const CliRun exported = runCli({"export-screen", sample, "1"});
    ASSERT_EQ(exported.exitCode, 0);
    EXPECT_TRUE(exported.out.contains("<Screen id=\"") && exported.out.contains("name=\"Events\""));
    const QString templateFile = dir.filePath("events.xml");
    QFile file(templateFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(exported.out.toUtf8());
    file.close();

    const QString result = dir.filePath("result.vistrelle");
    ASSERT_EQ(runCli({"import-screen", sample, "2", templateFile, result}).exitCode, 0);
    const CliRun check = runCli({"check", result});
    EXPECT_EQ(check.out, "Harbour Library Lobby: 5 screens, 16 components\n"); // 4 + 4 + 4 + 2 + 2
    EXPECT_EQ(runCli({"export-screen", result, "2"}).out.count("<component "), 4);

    file.open(QIODevice::WriteOnly);
    file.write("<Screen><oops></Screen>");
    file.close();
    const CliRun broken = runCli({"import-screen", sample, "0", templateFile, dir.filePath("x.vistrelle")});
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_TRUE(broken.err.startsWith("Failed to import screen: ")) << broken.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("x.vistrelle")));
    EXPECT_EQ(runCli({"export-screen", sample, "5"}).exitCode, 1);
}

TEST(CliTest, HighPerformanceModeWritesSlides) {
    QTemporaryDir dir;
    const QString home = homeWithSampleMedia(dir);
    const CliRun optimized =
        runCli({"deploy", "--optimized", "--format", "png", sample, dir.filePath("out")}, home);
    ASSERT_EQ(optimized.exitCode, 0) << optimized.err.toStdString();
    const QDir resources(dir.filePath("out/Harbour Library Lobby.bundle/Contents/Resources"));
    QStringList files = resources.entryList(QDir::Files);
    files.sort();
    EXPECT_EQ(files, (QStringList{"Optimized", "VistrelleData.xml", "durations.json", "screen001.png",
                                  "screen002.png", "screen003.png", "screen004.png", "screen005.png"}));
    EXPECT_TRUE(optimized.out.contains("[ 61%] Rendered: screen001.png\n"));

    const CliRun flat = runCli({"deploy", "--optimized", "--flat", sample, dir.filePath("flat")}, home);
    ASSERT_EQ(flat.exitCode, 0) << flat.err.toStdString();
    EXPECT_EQ(QDir(dir.filePath("flat")).entryList(QDir::Files),
              (QStringList{"screen001_8.jpg", "screen002_12.jpg", "screen003_6.jpg", "screen004_8.jpg",
                           "screen005_8.jpg"}));

    const QString png = dir.filePath("slide.png");
    ASSERT_EQ(runCli({"render", sample, "1", png}, home).exitCode, 0);
    EXPECT_EQ(QImage(png).size(), QSize(1920, 1080));
    ASSERT_EQ(runCli({"render-transition", sample, "2", "0.5", png}, home).exitCode, 0);
    EXPECT_EQ(runCli({"render-transition", sample, "2", "1.5", png}, home).exitCode, 2);
}

TEST(CliTest, PreflightOfTheSampleIsCleanWithItsMedia) {
    QTemporaryDir dir;
    const CliRun run = runCli({"preflight", sample}, homeWithSampleMedia(dir));
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    EXPECT_EQ(run.out, "0 errors, 0 warnings\n");
}

TEST(CliTest, PreflightListsEachFindingAsTextAndAsTheSameJson) {
    QTemporaryDir dir;
    const QString emptyHome = dir.filePath("empty-home");
    const CliRun text = runCli({"preflight", "--optimized", sample}, emptyHome);
    EXPECT_EQ(text.exitCode, 1); // the media are missing
    QStringList lines = text.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.takeLast(),
              "3 errors, 2 warnings"); // in that mode the video and the web view cannot play
    EXPECT_EQ(lines.first(),
              "error: screen 1 \"Welcome\": The picture “harbour.jpg” is missing: put the file back "
              "or choose another.");

    const CliRun json = runCli({"preflight", sample, "--json", "--optimized"}, emptyHome);
    EXPECT_EQ(json.exitCode, 1);
    const QJsonArray findings = QJsonDocument::fromJson(json.out.toUtf8()).array();
    ASSERT_EQ(findings.size(), lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QJsonObject finding = findings[i].toObject();
        EXPECT_EQ(lines[i], QStringLiteral("%1: screen %2 \"%3\": %4")
                                .arg(finding["severity"].toString())
                                .arg(finding["screen"].toInt())
                                .arg(finding["screenName"].toString(), finding["message"].toString()));
    }
    EXPECT_EQ(findings[3].toObject()["component"].toObject()["type"].toString(), "Video");
    EXPECT_TRUE(findings[0].toObject()["deployFails"].toBool());

    EXPECT_EQ(runCli({"preflight"}).exitCode, 2);
    EXPECT_EQ(runCli({"preflight", dir.filePath("none.vistrelle")}).exitCode, 1);
}

TEST(CliTest, PreflightWritesOneLinePerFindingWhateverTheNames) {
    QTemporaryDir dir;
    QJsonObject root = QJsonDocument::fromJson(contentsOf(sample)).object();
    QJsonObject metadata = root["metadata"].toObject();
    metadata["name"] = "Harbour \"Lobby\"\nerror: project \"x\": forged";
    root["metadata"] = metadata;
    QJsonObject settings = root["settings"].toObject();
    settings["deployPassword"] = "   ";
    root["settings"] = settings;
    QJsonArray screens = root["screens"].toArray();
    QJsonObject first = screens[0].toObject();
    first["name"] = QStringLiteral("Welcome\x1b[2J\nwarning: screen 5 \"Fake\": nothing");
    screens[0] = first;
    root["screens"] = screens;
    const QString project = writtenJson(dir.filePath("hostile.vistrelle"), root);

    const CliRun text = runCli({"preflight", project}, dir.filePath("empty-home"));
    EXPECT_EQ(text.exitCode, 1);
    EXPECT_FALSE(text.out.contains(QChar(0x1b)));
    const QStringList lines = text.out.split('\n', Qt::SkipEmptyParts);
    const CliRun json = runCli({"preflight", project, "--json"}, dir.filePath("empty-home"));
    ASSERT_EQ(lines.size(), QJsonDocument::fromJson(json.out.toUtf8()).array().size() + 1)
        << text.out.toStdString();
    EXPECT_EQ(lines.first(),
              "error: project \"Harbour \\\"Lobby\\\"\\nerror: project \\\"x\\\": forged\": Deploy "
              "password is required. Set one in the project settings.");
    EXPECT_TRUE(
        lines.contains("error: screen 1 \"Welcome\\u001b[2J\\nwarning: screen 5 \\\"Fake\\\": nothing\": The "
                       "picture “harbour.jpg” is missing: put the file back or choose another."))
        << text.out.toStdString();
}

TEST(CliTest, ANameWithControlCharactersDeploysIntoAFolderOfItsOwnAgainAndAgain) {
    QTemporaryDir dir;
    const QString home = homeWithSampleMedia(dir);
    QJsonObject root = QJsonDocument::fromJson(contentsOf(sample)).object();
    QJsonObject metadata = root["metadata"].toObject();
    metadata["name"] = QStringLiteral("Lobby\x1b[31m") + QChar(0) + QStringLiteral("Show");
    root["metadata"] = metadata;
    const QString project = writtenJson(dir.filePath("control.vistrelle"), root);

    const QString out = dir.filePath("out");
    for (const char* bundle : {"Lobby[31mShow.bundle", "Lobby[31mShow-2.bundle"}) {
        const CliRun run = runCli({"deploy", project, out}, home);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(run.out.contains(QStringLiteral("Bundle created: ") + bundle)) << run.out.toStdString();
        EXPECT_FALSE(run.out.contains(QChar(0x1b)));
    }
    EXPECT_EQ(QDir(out).entryList({"*.bundle"}, QDir::Dirs),
              (QStringList{"Lobby[31mShow-2.bundle", "Lobby[31mShow.bundle"}));
}

TEST(CliTest, KeygenAndPublishPutTheSampleIntoAChannelThatARepublishOnlyAdvances) {
    QTemporaryDir dir;
    const QString home = homeWithSampleMedia(dir);
    const QString key = dir.filePath("channel.key");
    const CliRun keygen = runCli({"keygen", key}, home);
    ASSERT_EQ(keygen.exitCode, 0) << keygen.err.toStdString();
    const QStringList keyLines = keygen.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(keyLines.size(), 1);
    EXPECT_EQ(QByteArray::fromBase64(keyLines.first().toLatin1()).size(), 32) << "the public key, base64";
    EXPECT_EQ(QFile::permissions(key) & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
              QFileDevice::Permissions());
    EXPECT_EQ(runCli({"keygen", key}, home).exitCode, 1) << "never over an existing key";

    const QString web = dir.filePath("web");
    const CliRun publish = runCli({"publish", sample, web, "--channel", "lobby", "--key", key}, home);
    ASSERT_EQ(publish.exitCode, 0) << publish.err.toStdString();
    EXPECT_TRUE(publish.out.contains("[ 60%] Deployment completed successfully!\n"))
        << publish.out.toStdString();
    EXPECT_TRUE(publish.out.endsWith(
        "[100%] Published “Harbour Library Lobby” as 1 in channel “lobby”: 5 of 5 files uploaded.\n"))
        << publish.out.toStdString();
    EXPECT_TRUE(QFile::exists(web + "/channels/lobby/manifest.json.sig"));
    const CliRun again =
        runCli({"publish", sample, web, "--channel", "lobby", "--key", key, "--prune", "1"}, home);
    EXPECT_TRUE(again.out.contains("as 2 in channel “lobby”: 0 of 5 files uploaded."))
        << again.out.toStdString();
    EXPECT_TRUE(again.out.contains("Pruned 0 objects"));

    EXPECT_EQ(runCli({"publish", sample, web, "--key", key}, home).exitCode, 2) << "no channel";
    EXPECT_EQ(runCli({"publish", sample, web, "--channel", "lobby", "--key", sample}, home).exitCode, 1)
        << "a document is no key";
}

TEST(CliTest, FleetListsTheDisplaysThatReportIntoAFolder) {
    QTemporaryDir dir;
    const auto report = [&](const QString& name, const QJsonObject& status) {
        QDir().mkpath(dir.filePath("reports/displays/" + name));
        QFile file(dir.filePath("reports/displays/" + name + "/status.json"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(status).toJson());
    };
    report("lobby-pc", {{"display", "lobby-pc"},
                        {"bundle", "Harbour Library Lobby.bundle"},
                        {"sequence", 12},
                        {"reportedAt", "2026-12-08T09:40:00Z"},
                        {"faults", QJsonArray()},
                        {"state", "playing"}});
    report("cafe", {{"display", "cafe"},
                    {"bundle", "Menu.bundle"},
                    {"sequence", 3},
                    {"reportedAt", "2026-12-08T08:00:00Z"},
                    {"faults", QJsonArray{"Channel: HTTP 503"}},
                    {"state", "playing"}});
    const CliRun table = runCli({"fleet", dir.filePath("reports")});
    ASSERT_EQ(table.exitCode, 0) << table.err.toStdString();
    const QStringList lines = table.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("NAME")) << table.out.toStdString();
    EXPECT_TRUE(lines[1].startsWith("cafe ") && lines[1].contains("Menu") && lines[1].contains(" 3 ") &&
                lines[1].endsWith("1 (Channel: HTTP 503)"))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[2].contains("Harbour Library Lobby") && lines[2].contains("2026-12-08T09:40:00Z"));

    const CliRun json = runCli({"fleet", dir.filePath("reports"), "--json"});
    const QJsonArray rows = QJsonDocument::fromJson(json.out.toUtf8()).array();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[1].toObject().value("sequence").toInt(), 12);
    EXPECT_EQ(runCli({"fleet", dir.filePath("nothing")}).exitCode, 1);
}
