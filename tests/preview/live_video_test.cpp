#include "preview/live_media.h"
#include "preview/live_media_loader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

TEST(LiveVideoTest, ARealVideoFilePlaysThroughTheMediaFramework) {
    LiveMediaFactory* factory = liveMediaFactory();
    ASSERT_NE(factory, nullptr) << "the live media plugin is built next to the program";

    int frames = 0;
    QStringList failures;
    LiveVideo::Options options;
    const QString sample = QStringLiteral(VISTRELLE_SOURCE_DIR "/examples/media/welcome.mp4");
    ASSERT_TRUE(QFileInfo::exists(sample));
    options.file = QUrl::fromLocalFile(sample);
    options.frameArrived = [&] { ++frames; };
    options.log = [&](const QString& line) { failures.append(line); };
    std::unique_ptr<LiveVideo> video = factory->createVideo(options);
    EXPECT_FALSE(video->isPlaying());
    video->play();

    QImage first;
    QElapsedTimer waited;
    waited.start();
    while (frames < 30 && failures.isEmpty() && waited.elapsed() < 20000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (first.isNull())
            first = video->currentFrame();
    }
    // Only a machine without the decoders (gstreamer1.0-libav, which scripts/install-deps.sh installs) may
    // skip; any other failure to play is a fault.
    const QString failure = failures.join(QStringLiteral("; "));
    if (frames == 0 && (failure.contains(QStringLiteral("plug-in"), Qt::CaseInsensitive) ||
                        failure.contains(QStringLiteral("plugin"), Qt::CaseInsensitive) ||
                        failure.contains(QStringLiteral("decoder"), Qt::CaseInsensitive)))
        GTEST_SKIP() << "no decoder for the sample video: " << failure.toStdString();
    ASSERT_GE(frames, 30) << failure.toStdString();
    EXPECT_TRUE(video->isPlaying());
    const QImage later = video->currentFrame();
    ASSERT_EQ(later.size(), QSize(640, 360));
    EXPECT_NE(later, first); // it moves
    const QColor sky = later.pixelColor(20, 20);
    EXPECT_GT(sky.blue(), sky.red()); // the sample's blue, decoded in the right colours
    video.reset();                    // stops with frames still on their way
    QCoreApplication::processEvents();
}

} // namespace
