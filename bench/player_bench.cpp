// The player on a display: start to first frame, the worst frame of every transition with a video playing,
// a bundle switch, what a still screen costs, and memory over a day of screen changes in virtual time.
#include "export/kiosk_deploy_manager.h"
#include "model/component_factory.h"
#include "model/component_properties.h"
#include "model/vistrelle_document.h"
#include "player/player_window.h"
#include "player/show_loader.h"
#include "preview/live_component_ticks.h"
#include "preview/live_media_loader.h"
#include "support/manual_scheduler.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

using namespace vistrelle;

namespace {

// The sample's media where its document looks for them, and the sample deployed once per run.
struct DeployedSample {
    QTemporaryDir home;
    QString destination;
    QString bundle;
    KioskProject project;

    DeployedSample() {
        // A day of screen changes loads thousands of films: their chatter is not what is measured.
        QLoggingCategory::setFilterRules(
            QStringLiteral("com.quendrix.vistrelle.debug=false\nqt.multimedia.*=false"));
        qputenv("HOME", home.path().toUtf8());
        const QDir media(QStringLiteral(VISTRELLE_SOURCE_DIR "/examples/media"));
        QDir().mkpath(home.filePath("vistrelle-examples"));
        for (const QString& name : media.entryList(QDir::Files))
            QFile::copy(media.filePath(name), home.filePath("vistrelle-examples/" + name));
        project = VistrelleDocument::readFile(
                      QStringLiteral(VISTRELLE_SOURCE_DIR "/examples/harbour-library-lobby.vistrelle"))
                      .value()
                      .project;
        destination = home.filePath("Signage");
        QDir().mkpath(destination);
        bundle = deploy(project);
    }

    QString deploy(const KioskProject& show) {
        KioskDeployManager manager;
        QEventLoop wait;
        QObject::connect(&manager, &KioskDeployManager::finished, &wait, &QEventLoop::quit);
        const QStringList before = QDir(destination).entryList({"*.bundle"}, QDir::Dirs);
        manager.deploy(show, destination);
        wait.exec();
        for (const QString& name : QDir(destination).entryList({"*.bundle"}, QDir::Dirs))
            if (!before.contains(name))
                return QDir(destination).filePath(name);
        return {};
    }
};

DeployedSample& sample() {
    static DeployedSample deployed;
    return deployed;
}

double processCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

qint64 residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return 0;
}

// From starting the program to its first frame on the display, the sample's 1080p bundle.
void BM_PlayerStartToFirstFrame(benchmark::State& state) {
    const QString bundle = sample().bundle;
    for (auto _ : state) {
        QProcess player;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("VISTRELLE_PLAYER_EXIT_AFTER_FIRST_FRAME", "1");
        player.setProcessEnvironment(environment);
        QElapsedTimer clock;
        clock.start();
        player.start(QStringLiteral(VISTRELLE_PLAYER_PATH),
                     {"--log-dir", sample().home.filePath("log"), bundle});
        if (!player.waitForFinished(20000) || player.exitCode() != 0) {
            state.SkipWithError("the player did not draw its first frame");
            return;
        }
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
    state.SetLabel("process start to first frame, sample bundle");
}

// The worst frame while the screen with the film changes to the next with effect `range(0)`, at 1080p.
void BM_PlayerTransitionWorstFrame(benchmark::State& state) {
    const auto effect = TransitionEffect(state.range(0));
    LoadedShow show = *loadShow(sample().bundle).show;
    for (KioskScreen& screen : show.project.screens)
        screen.transition = {effect, 1.0};
    ManualScheduler clock;
    PlayerWindow::Options options;
    options.windowed = true;
    options.scheduler = [&] { return std::make_unique<ManualScheduler>(clock); };
    options.liveMedia = [](const KioskProject& project) {
        return needsLiveMedia(project) ? liveMediaFactory() : nullptr;
    };
    PlayerWindow window(options);
    window.resize(1920, 1080);
    window.show();
    window.play(show);
    // The programme screen holds the film; it changes to the welcome screen.
    window.view()->playback().jumpToScreen(2);
    QImage frame(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 1500) // the film is playing
        QApplication::processEvents();
    double worst = 0;
    for (auto _ : state) {
        window.view()->playback().advanceToNextScreen();
        worst = 0;
        while (window.view()->playback().isTransitioning()) {
            QElapsedTimer paint;
            paint.start();
            clock.advanceBy(0.016);
            QApplication::processEvents();
            window.view()->render(&frame);
            worst = std::max(worst, double(paint.nsecsElapsed()) / 1e9);
        }
        state.SetIterationTime(worst);
        window.view()->playback().jumpToScreen(2);
        QApplication::processEvents();
    }
    state.SetLabel(storedString(effect).toStdString() + ", worst frame");
}

// The worst frame of two seconds of a full-width ticker scrolling over the sample's welcome screen, at 1080p:
// each frame draws the ticker's strip into the screen's layer again and composes the frame.
void BM_PlayerTickerWorstFrame(benchmark::State& state) {
    LoadedShow show = *loadShow(sample().bundle).show;
    show.project.screens = {show.project.screens.first()};
    PlacedComponent ticker = makeComponent(ComponentType::ticker, {0, 990});
    ticker.size = {1920, 90};
    ticker.properties[PropertyKey::fontSize] = QStringLiteral("48");
    ticker.properties[PropertyKey::text] = QStringLiteral(
        "Story time for children on Monday at 10:00 · Repair café on Wednesday at 14:00 · Film "
        "night in the reading room on Friday at 19:30 · Harbour history walk on Saturday at 11:00");
    show.project.screens.first().components.append(ticker);
    ManualScheduler clock;
    PlayerWindow::Options options;
    options.windowed = true;
    options.scheduler = [&] { return std::make_unique<ManualScheduler>(clock); };
    PlayerWindow window(options);
    window.resize(1920, 1080);
    window.show();
    window.play(show);
    QImage frame(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (int i = 0; i < 30; ++i) { // the layer is drawn
        clock.advanceBy(LiveComponentTicks::frameSeconds);
        QApplication::processEvents();
        window.view()->render(&frame);
    }
    for (auto _ : state) {
        double worst = 0;
        for (int i = 0; i < 120; ++i) {
            QElapsedTimer paint;
            paint.start();
            clock.advanceBy(LiveComponentTicks::frameSeconds);
            QApplication::processEvents();
            window.view()->render(&frame);
            worst = std::max(worst, double(paint.nsecsElapsed()) / 1e9);
        }
        state.SetIterationTime(worst);
    }
    state.SetLabel("ticker 1920 x 90, worst of 120 frames");
}

// A new deploy taking over: the longest frame from the switch to the new show's first frame on view.
void BM_PlayerBundleSwitch(benchmark::State& state) {
    const LoadedShow show = *loadShow(sample().bundle).show;
    PlayerWindow window({});
    window.resize(1920, 1080);
    window.show();
    window.play(show);
    QImage frame(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    window.view()->render(&frame);
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        window.play(show);
        window.view()->render(&frame);
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        state.PauseTiming();
        QApplication::processEvents(); // the old show goes
        state.ResumeTiming();
    }
    state.SetLabel("load of the next show's view and its first frame, 1080p");
}

// A screen that does not change: repaints and processor time over 10 s of real time.
void BM_PlayerStillScreen(benchmark::State& state) {
    LoadedShow show = *loadShow(sample().bundle).show;
    show.project.screens = {show.project.screens[0]}; // no film, no page, held
    show.project.screens[0].duration = 3600;
    PlayerWindow window({});
    window.resize(1920, 1080);
    window.show();
    window.play(show);
    for (auto _ : state) {
        int frames = 0;
        QObject::connect(&window, &PlayerWindow::framePainted, &window, [&frames] { ++frames; });
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 500)
            QApplication::processEvents();
        frames = 0;
        const double cpuBefore = processCpuSeconds();
        QElapsedTimer clock;
        clock.start();
        QEventLoop idle;
        QTimer::singleShot(10000, &idle, &QEventLoop::quit);
        idle.exec();
        const double wall = double(clock.nsecsElapsed()) / 1e9;
        state.counters["cpu_percent"] = 100 * (processCpuSeconds() - cpuBefore) / wall;
        state.counters["repaints"] = frames;
        state.SetIterationTime(wall);
    }
}

// 10,000 screen changes through 20 screens with pictures, a film and a web page, in virtual time: resident
// memory after the first loop and at the end.
void BM_PlayerMemoryOverADay(benchmark::State& state) {
    LoadedShow show = *loadShow(sample().bundle).show;
    QList<KioskScreen> twenty;
    for (int i = 0; i < 20; ++i) {
        KioskScreen screen = show.project.screens[i % show.project.screens.size()];
        screen.id = QUuid::createUuid();
        screen.transition = {TransitionEffect(1 + i % 13), 0.5};
        twenty.append(screen);
    }
    show.project.screens = twenty;
    ManualScheduler clock;
    PlayerWindow::Options options;
    options.scheduler = [&] { return std::make_unique<ManualScheduler>(clock); };
    if (state.range(1)) // films and pages play
        options.liveMedia = [](const KioskProject& project) {
            return needsLiveMedia(project) ? liveMediaFactory() : nullptr;
        };
    PlayerWindow window(options);
    window.resize(960, 540);
    window.show();
    window.play(show);
    QImage frame(960, 540, QImage::Format_ARGB32_Premultiplied);
    const int changes = int(state.range(0));
    for (auto _ : state) {
        qint64 afterFirstLoop = 0;
        for (int change = 0; change < changes; ++change) {
            window.view()->playback().advanceToNextScreen();
            while (window.view()->playback().isTransitioning()) {
                clock.advanceBy(0.1);
                QApplication::processEvents();
            }
            window.view()->render(&frame);
            // What an event loop of its own deletes after each turn (pages and players that went).
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (change == 20)
                afterFirstLoop = residentKilobytes();
        }
        QApplication::processEvents();
        state.counters["rss_first_loop_mb"] = double(afterFirstLoop) / 1024;
        state.counters["rss_growth_mb"] = double(residentKilobytes() - afterFirstLoop) / 1024;
    }
}

} // namespace

BENCHMARK(BM_PlayerStartToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PlayerTransitionWorstFrame)
    ->DenseRange(0, 13)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_PlayerTickerWorstFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PlayerBundleSwitch)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PlayerStillScreen)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_PlayerMemoryOverADay)->Args({10000, 1})->Unit(benchmark::kSecond)->Iterations(1);
