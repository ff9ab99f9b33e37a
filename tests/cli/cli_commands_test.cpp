#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

CliRun runCli(const QStringList& arguments) {
    QProcess process;
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
    EXPECT_EQ(run.out, "Harbour Library Lobby: 3 screens, 8 components\n");
    EXPECT_EQ(run.err, "");
}

TEST(CliTest, CheckOfABrokenFileFailsWithTheDescriptionOnly) {
    QTemporaryDir dir;
    const QString broken = dir.filePath("broken.vistrelle");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contentsOf(sample).left(300));
    file.close();

    for (const QString& path : {broken, dir.path(), dir.filePath("missing.vistrelle")}) {
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
    EXPECT_EQ(runCli({"check", copy}).out, "Harbour Library Lobby: 3 screens, 8 components\n");

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
