#include "player/player_window.h"

#include "export/slide_export.h"
#include "media/image_cache.h"
#include "model/vistrelle_document.h"
#include "player/player_fixture.h"
#include "render/image_source.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

using namespace vistrelle;
using namespace vistrelle::test_support;

namespace {

class PlayerWindowTest : public PlayerTest {};

} // namespace

TEST_F(PlayerWindowTest, TheFirstFrameOfADeployedSampleIsItsRenderedSlide) {
    provideSampleMedia();
    const Result<VistrelleDocument> document = VistrelleDocument::readFile(
        QStringLiteral(VISTRELLE_SOURCE_DIR "/examples/harbour-library-lobby.vistrelle"));
    ASSERT_TRUE(document.hasValue());
    const KioskProject& project = document.value().project;
    const ShowLoad load = loadShow(deploy(project));
    ASSERT_TRUE(load.show) << load.problem.toStdString();

    PlayerWindow window({});
    const QSize size(int(project.settings.defaultResolution.width),
                     int(project.settings.defaultResolution.height));
    window.resize(size);
    window.show();
    window.play(*load.show);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.view() && window.view()->firstFrameMs(); }, 10000));
    const QImage frame = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    BlockingImageSource images(ImageCache::shared());
    const QImage slide =
        renderSlide(project, project.screens.first(), images).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(frame.size(), slide.size());
    EXPECT_EQ(frame, slide);
}

TEST_F(PlayerWindowTest, FullScreenOnlyTheTechniciansChordQuitsAndInAWindowEscapeDoes) {
    PlayerWindow fullScreen({});
    fullScreen.show();
    QSignalSpy quit(&fullScreen, &PlayerWindow::quitRequested);
    QTest::keyClick(&fullScreen, Qt::Key_Escape);
    QTest::keyClick(&fullScreen, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(quit.count(), 0) << "a passer-by's keys do nothing";
    QTest::keyClick(&fullScreen, Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(quit.count(), 1);

    PlayerWindow::Options windowed;
    windowed.windowed = true;
    PlayerWindow inAWindow(windowed);
    inAWindow.show();
    QSignalSpy escape(&inAWindow, &PlayerWindow::quitRequested);
    QTest::keyClick(&inAWindow, Qt::Key_Escape);
    EXPECT_EQ(escape.count(), 1);
}
