#include "model/vistrelle_document.h"
#include "player/player_fixture.h"

#include <QProcess>

using namespace vistrelle;
using namespace vistrelle::test_support;

namespace {

struct PlayerRun {
    int status = -1;
    QString out;
    QString err;
};

PlayerRun runPlayer(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(VISTRELLE_PLAYER_PATH), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

class PlayerCommandTest : public PlayerTest {};

} // namespace

TEST_F(PlayerCommandTest, HelpVersionAndUsageErrors) {
    const PlayerRun help = runPlayer({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(
        help.out.startsWith("Usage: vistrelle-player [--windowed] [--screen N] [--rotate 0|90|180|270] "
                            "[--log-dir DIR] PATH\n"));
    EXPECT_TRUE(help.out.contains("Ctrl+Alt+Q"));
    EXPECT_EQ(runPlayer({"--version"}).out, "vistrelle-player " VISTRELLE_VERSION_TEXT "\n");
    for (const QStringList& wrong :
         {QStringList{}, QStringList{"--rotate", "45", "x"}, QStringList{"--frobnicate", "x"},
          QStringList{"--screen"}, QStringList{"a", "b"}}) {
        const PlayerRun run = runPlayer(wrong);
        EXPECT_EQ(run.status, 2) << wrong.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("vistrelle-player: ")) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

TEST_F(PlayerCommandTest, CheckSaysWhatWouldPlayWithoutADisplay) {
    provideSampleMedia();
    const Result<VistrelleDocument> document = VistrelleDocument::readFile(
        QStringLiteral(VISTRELLE_SOURCE_DIR "/examples/harbour-library-lobby.vistrelle"));
    ASSERT_TRUE(document.hasValue());
    const QString bundle = deploy(document.value().project);
    QFile::remove(bundle + "/Contents/Resources/harbour.jpg");
    const PlayerRun run = runPlayer({"--check", destination});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines[0], "Show: Harbour Library Lobby (Harbour Library Lobby.bundle, bundle)");
    EXPECT_EQ(lines[2], "Screen 1 “Welcome”: 8 s, Cross Fade 1 s");
    EXPECT_TRUE(run.out.contains("Left out: Resources/harbour.jpg (missing)")) << run.out.toStdString();
    EXPECT_TRUE(lines.last().startsWith("Plays 5 screens, "));

    const PlayerRun nothing = runPlayer({"--check", home.filePath("nowhere")});
    EXPECT_EQ(nothing.status, 1);
    EXPECT_EQ(nothing.out, "Nothing can play: Nothing is there: " + home.filePath("nowhere") + "\n");
}
