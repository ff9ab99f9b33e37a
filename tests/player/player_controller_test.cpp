#include "player/player_controller.h"

#include "model/component_factory.h"
#include "player/display_power.h"
#include "player/player_fixture.h"
#include "player/player_window.h"
#include "player/service_notifier.h"
#include "player/status_reporter.h"
#include "publish/channel_follower.h"
#include "publish/channel_publisher.h"
#include "publish/signing.h"
#include "support/local_nginx.h"
#include "support/manual_scheduler.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QTest>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace vistrelle;
using namespace vistrelle::test_support;

namespace {

class PlayerControllerTest : public PlayerTest {
protected:
    void SetUp() override {
        PlayerTest::SetUp();
        openDisplay();
    }
    // A display in a window on the virtual clock; with `wallClock` its local time, with `power` its
    // display's power saving.
    void openDisplay(std::function<QDateTime()> wallClock = {}, DisplayPower* power = nullptr) {
        controller.reset();
        window.reset();
        PlayerWindow::Options options;
        options.windowed = true;
        options.scheduler = [this] { return std::make_unique<ManualScheduler>(clock); };
        options.wallClock = wallClock;
        window = std::make_unique<PlayerWindow>(options);
        window->resize(640, 360);
        window->show();
        PlayerController::Services services;
        services.scheduler = &clock;
        services.window = window.get();
        services.logFolder = home.filePath("log");
        if (wallClock)
            services.now = wallClock;
        services.displayPower = power;
        controller = std::make_unique<PlayerController>(destination, services);
    }
    void TearDown() override {
        controller.reset();
        window.reset();
        PlayerTest::TearDown();
    }

    // Two screens of 3 and 4 seconds, cut without a transition; `name` is the first screen's.
    KioskProject show(const QString& name) {
        KioskProject project;
        project.metadata.name = name;
        project.settings.deployPassword = "secret";
        project.screens[0].name = name;
        project.screens[0].duration = 3;
        project.screens.append(KioskScreen("Second"));
        project.screens[1].duration = 4;
        project.screens[1].components = {makeComponent(ComponentType::label, {10, 10})};
        return project;
    }
    // A deploy a few seconds after the last one: its files carry a later time.
    QString deployLater(const KioskProject& project) {
        const QString bundle = deploy(project);
        laterBy_ += 5;
        const QDateTime later = QDateTime::currentDateTime().addSecs(laterBy_);
        for (const QString& path :
             {bundle + "/Contents/Resources/VistrelleData.xml", destination + "/README.txt"}) {
            QFile file(path);
            EXPECT_TRUE(file.open(QIODevice::ReadWrite));
            file.setFileTime(later, QFileDevice::FileModificationTime);
        }
        return bundle;
    }
    void advance(double seconds) {
        for (double t = 0; t < seconds; t += 0.25) {
            clock.advanceBy(0.25);
            QApplication::processEvents();
        }
    }
    QString playingScreen() const {
        const auto& show = controller->playing();
        return show ? show->project.screens[window->view()->playback().currentScreenIndex()].name : QString();
    }
    QStringList logLines() const {
        QFile file(controller->playLog().filePath());
        return file.open(QIODevice::ReadOnly)
                   ? QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)
                   : QStringList();
    }
    QJsonObject statusFile() const {
        QFile file(controller->statusFilePath());
        return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object()
                                              : QJsonObject();
    }

    ManualScheduler clock;
    std::unique_ptr<PlayerWindow> window;
    std::unique_ptr<PlayerController> controller;

private:
    int laterBy_ = 0;
};

} // namespace

TEST_F(PlayerControllerTest, ANewDeployTakesOverAtAScreenBoundaryAndEveryScreenShownIsLogged) {
    deployLater(show("Morning"));
    controller->start();
    ASSERT_TRUE(controller->playing());
    EXPECT_EQ(playingScreen(), "Morning");
    EXPECT_EQ(statusFile().value("state").toString(), "playing");
    EXPECT_EQ(statusFile().value("screen").toString(), "Morning");

    advance(3.0);
    EXPECT_EQ(playingScreen(), "Second");
    ASSERT_EQ(logLines().size(), 1);
    const QJsonObject line = QJsonDocument::fromJson(logLines().first().toUtf8()).object();
    EXPECT_EQ(line.value("screenName").toString(), "Morning");
    EXPECT_DOUBLE_EQ(line.value("seconds").toDouble(), 3.0);
    EXPECT_EQ(line.value("bundle").toString(), "Morning.bundle");
    EXPECT_EQ(line.value("fingerprint").toString().size(), 16);

    const QString evening = deployLater(show("Evening"));
    advance(3.0); // the next look finds it, and waits for the end of the screen on view
    ASSERT_TRUE(controller->pending());
    EXPECT_EQ(controller->pending()->path, evening);
    EXPECT_EQ(playingScreen(), "Second");
    advance(1.5);
    EXPECT_EQ(controller->playing()->path, evening);
    EXPECT_EQ(playingScreen(), "Evening");
    EXPECT_EQ(statusFile().value("bundle").toString(), "Evening.bundle");
    EXPECT_EQ(logLines().size(), 2);
}

TEST_F(PlayerControllerTest, AShowOfOneScreenStillLetsANewDeployTakeOverAtTheEndOfItsHold) {
    KioskProject poster = show("Poster");
    poster.screens.removeLast();
    poster.screens[0].duration = 5;
    deployLater(poster);
    controller->start();
    advance(5.0);
    EXPECT_EQ(logLines().size(), 1) << "each hold of the one screen is a screen shown";
    const QString evening = deployLater(show("Evening"));
    advance(PlayerController::pollSeconds + 2.5);
    EXPECT_EQ(controller->playing()->path, evening);
    EXPECT_EQ(playingScreen(), "Evening");
}

TEST_F(PlayerControllerTest, ANewDeployIsReadBesideTheShowOnViewWhenReadingInTheBackground) {
    PlayerController::Services services;
    services.scheduler = &clock;
    services.window = window.get();
    services.logFolder = home.filePath("log");
    services.loadsInBackground = true;
    controller = std::make_unique<PlayerController>(destination, services);
    deployLater(show("Morning"));
    controller->start();
    ASSERT_TRUE(controller->playing()) << "the first show is read before the first frame";

    const QString evening = deployLater(show("Evening"));
    controller->poll();
    EXPECT_TRUE(controller->isLoading());
    EXPECT_FALSE(controller->pending()) << "nothing changes until the reading is done";
    controller->poll(); // a look while reading neither starts a second reading nor loses the first
    QElapsedTimer waited;
    waited.start();
    while (controller->isLoading() && waited.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_TRUE(controller->pending());
    EXPECT_EQ(controller->pending()->path, evening);

    deployLater(show("Night"));
    controller->poll();
    controller->stop(); // quitting while a bundle is being read waits for it and stays quiet
    EXPECT_FALSE(controller->isLoading());
    QApplication::processEvents();
    EXPECT_EQ(controller->pending()->path, evening);
}

TEST_F(PlayerControllerTest, ADisplayWaitingForItsChannelSaysSoUntilTheFirstShowArrives) {
    controller->waitFor("Waiting for the channel's first show.", "http://example.org/channels/lobby/");
    controller->start();
    ASSERT_TRUE(window->showsStandby());
    EXPECT_EQ(statusFile().value("faults").toArray().first().toString(),
              "Waiting for the channel's first show.");
    const QString bundle = deployLater(show("Morning"));
    controller->follow(bundle);
    EXPECT_FALSE(window->showsStandby());
    EXPECT_EQ(playingScreen(), "Morning");
}

TEST_F(PlayerControllerTest, NothingToPlayShowsTheStandbyCardUntilADeployArrives) {
    controller->start();
    EXPECT_TRUE(window->showsStandby());
    EXPECT_FALSE(window->view());
    EXPECT_EQ(statusFile().value("state").toString(), "standby");
    EXPECT_TRUE(
        statusFile().value("faults").toArray().first().toString().startsWith("No show in the folder"));

    deployLater(show("Morning"));
    advance(PlayerController::pollSeconds);
    EXPECT_FALSE(window->showsStandby());
    EXPECT_EQ(playingScreen(), "Morning");
}

TEST_F(PlayerControllerTest, ABundleDeletedWhileItPlaysKeepsPlayingWhatIsHeld) {
    const QString bundle = deployLater(show("Morning"));
    controller->start();
    ASSERT_TRUE(QDir(bundle).removeRecursively());
    QFile::remove(destination + "/README.txt");
    advance(5.0);
    EXPECT_FALSE(window->showsStandby());
    EXPECT_EQ(playingScreen(), "Second") << "the show goes on";
    EXPECT_EQ(statusFile().value("state").toString(), "playing");
    EXPECT_TRUE(statusFile().value("faults").toArray().last().toString().startsWith("No show in the folder"));
    advance(3.0);
    EXPECT_EQ(playingScreen(), "Morning");
    EXPECT_EQ(logLines().size(), 2);
}

TEST(PlayLog, RotatesAtTenMegabytesKeepingFiveAndCountsWhatItCannotWrite) {
    QTemporaryDir folder;
    PlayLog log(folder.path());
    const PlayLog::Entry entry{
        "Lobby.bundle", "0123456789abcdef", "ID", "Welcome", QDateTime::currentDateTimeUtc(), 8};
    for (int round = 0; round < 7; ++round) {
        QFile file(log.filePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(PlayLog::rotateAtBytes - 10, 'x')); // nearly full
        file.close();
        log.append(entry);
    }
    EXPECT_TRUE(QFileInfo::exists(log.filePath() + ".5"));
    EXPECT_FALSE(QFileInfo::exists(log.filePath() + ".6"));
    QFile last(log.filePath());
    ASSERT_TRUE(last.open(QIODevice::ReadOnly));
    EXPECT_EQ(last.readAll(), PlayLog::line(entry) + '\n');
    EXPECT_EQ(log.droppedLines(), 0);

    // A folder that cannot be made (a file stands in its way): the line is dropped and counted.
    QFile blocker(folder.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    PlayLog blocked(folder.filePath("blocked/log"));
    blocked.append(entry);
    blocked.append(entry);
    EXPECT_EQ(blocked.droppedLines(), 2);
}

TEST_F(PlayerControllerTest, TheServiceManagerHearsReadyAndAWatchdogFedFromTheEventLoop) {
    // A stand-in for the service manager's notification socket.
    const QByteArray socketPath = home.filePath("notify.socket").toUtf8();
    const int manager = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    ASSERT_GE(manager, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.constData(), sizeof(address.sun_path) - 1);
    ASSERT_EQ(::bind(manager, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    qputenv("NOTIFY_SOCKET", socketPath);
    qputenv("WATCHDOG_USEC", "2000000");
    ServiceNotifier notifier;
    qunsetenv("NOTIFY_SOCKET");
    qunsetenv("WATCHDOG_USEC");
    ASSERT_TRUE(notifier.watchdogEnabled());
    EXPECT_DOUBLE_EQ(notifier.feedIntervalSeconds(), 1.0);

    PlayerController::Services services;
    services.scheduler = &clock;
    services.window = window.get();
    services.notifier = &notifier;
    services.logFolder = home.filePath("log");
    PlayerController supervised(destination, services);
    QStringList heard;
    // Read as the manager does: a datagram socket holds only a few unread messages.
    const auto listen = [&] {
        char buffer[256];
        for (ssize_t n; (n = ::recv(manager, buffer, sizeof(buffer), 0)) > 0;)
            heard.append(QString::fromUtf8(buffer, int(n)));
    };
    qputenv("NOTIFY_SOCKET", socketPath); // sd_notify reads it on every message
    supervised.start();
    for (int second = 0; second < 10; ++second) {
        advance(1.0);
        listen();
    }
    supervised.stop();
    listen();
    qunsetenv("NOTIFY_SOCKET");
    ::close(manager);
    ASSERT_TRUE(heard.contains("READY=1"));
    EXPECT_LT(heard.indexOf("READY=1"), heard.indexOf("WATCHDOG=1"));
    EXPECT_EQ(heard.count("WATCHDOG=1"), 10) << "one feed a second over ten seconds";
    EXPECT_TRUE(heard.contains("STATUS=standby")) << heard.join(" | ").toStdString();
    EXPECT_EQ(heard.last(), "STOPPING=1");
}

namespace {

// Two displays following one channel published into a folder.
class ChannelPlaybackTest : public PlayerControllerTest {
protected:
    struct Display {
        std::unique_ptr<PlayerWindow> window;
        std::unique_ptr<PlayerController> controller;
        std::unique_ptr<ChannelFollower> follower;
    };
    std::unique_ptr<Display> display(const QString& name) {
        auto d = std::make_unique<Display>();
        PlayerWindow::Options options;
        options.windowed = true;
        options.scheduler = [this] { return std::make_unique<ManualScheduler>(clock); };
        d->window = std::make_unique<PlayerWindow>(options);
        d->window->resize(320, 180);
        d->window->show();
        ChannelFollower::Options channel;
        channel.channel = nginx.url("/channels/lobby/");
        channel.trustedKey = keys.publicKey;
        channel.stateFolder = home.filePath(name);
        d->follower = std::make_unique<ChannelFollower>(channel, clock, network);
        PlayerController::Services services;
        services.scheduler = &clock;
        services.window = d->window.get();
        services.logFolder = home.filePath(name + "/log");
        d->controller = std::make_unique<PlayerController>(channel.stateFolder, services);
        QObject::connect(d->follower.get(), &ChannelFollower::showReady, d->controller.get(),
                         &PlayerController::follow);
        d->controller->start();
        d->follower->start();
        return d;
    }
    void publish(const KioskProject& project) {
        QDir(destination).removeRecursively();
        const QString bundle = deploy(project);
        publishToFolder(bundle, home.filePath("web"), "lobby", keys.secretKey);
    }
    void settle(Display& d) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !d.follower->isBusy(); }, 10000));
    }

    SigningKeys keys = generateSigningKeys();
    QNetworkAccessManager network;
    test::LocalNginx nginx{home.filePath("web")}; // serves the folder the show is published into
};

} // namespace

TEST_F(ChannelPlaybackTest, TwoDisplaysPlayAPublishedShowSwitchTogetherAndRefuseTamperingAndReplays) {
    ASSERT_TRUE(nginx.error().isEmpty()) << nginx.error().toStdString();
    KioskProject morning = show("Morning");
    publish(morning);
    auto first = display("first");
    auto second = display("second");
    for (Display* d : {first.get(), second.get()}) {
        settle(*d);
        QApplication::processEvents();
        ASSERT_TRUE(d->controller->playing()) << d->follower->lastRefusal().toStdString();
        EXPECT_EQ(d->controller->playing()->project.screens[0].name, "Morning");
    }
    const auto readChannel = [&](const QString& name) {
        QFile file(home.filePath("web/channels/lobby/" + name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray oldManifest = readChannel("manifest.json");
    const QByteArray oldSignature = readChannel("manifest.json.sig");
    ASSERT_FALSE(oldSignature.isEmpty());

    // The first screen renamed: only the player data changes, one object. (A second later: the server's
    // ETag counts seconds.)
    QTest::qWait(1100);
    KioskProject evening = morning;
    evening.screens[0].name = "Evening";
    publish(evening);
    for (Display* d : {first.get(), second.get()}) {
        const int requests = d->follower->client().requestsMade();
        d->follower->poll();
        settle(*d);
        EXPECT_EQ(d->follower->client().requestsMade() - requests, 3) << "manifest, signature, one object";
    }
    advance(PlayerController::pollSeconds + 4.0); // the screen on view ends, the new show takes over
    for (Display* d : {first.get(), second.get()})
        EXPECT_EQ(d->controller->playing()->project.screens[0].name, "Evening");

    // The old show replayed with its valid signature, then a tampered manifest: both refused, Evening plays.
    const auto put = [&](const QString& name, const QByteArray& bytes) {
        QFile::remove(home.filePath("web/channels/lobby/" + name));
        QFile f(home.filePath("web/channels/lobby/" + name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    QTest::qWait(1100);
    put("manifest.json", oldManifest);
    put("manifest.json.sig", oldSignature);
    first->follower->poll();
    settle(*first);
    EXPECT_TRUE(first->follower->lastRefusal().contains("older"));
    QTest::qWait(1100);
    QByteArray tampered = oldManifest;
    tampered.replace("\"sequence\": 1", "\"sequence\": 7");
    put("manifest.json", tampered);
    second->follower->poll();
    settle(*second);
    EXPECT_TRUE(second->follower->lastRefusal().contains("not signed"));
    advance(PlayerController::pollSeconds + 4.0);
    for (Display* d : {first.get(), second.get()})
        EXPECT_EQ(d->controller->playing()->project.screens[0].name, "Evening");
}

TEST_F(PlayerControllerTest, TheStatusAndThePlayLogReachTheOperatorOverWebDavEveryMinute) {
    test::LocalNginx nginx(home.filePath("reports"));
    ASSERT_TRUE(nginx.error().isEmpty()) << nginx.error().toStdString();
    deployLater(show("Morning"));
    controller->setDisplayName("lobby-pc");
    controller->start();
    advance(3.0); // one screen shown: one play-log line
    QNetworkAccessManager network;
    StatusReporter reporter(
        nginx.url("/"), "lobby-pc", [&] { return controller->status().json(); },
        controller->playLog().filePath(), clock, network);
    reporter.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !reporter.isSending() && reporter.reportsSent() == 2; }, 10000));
    QFile status(home.filePath("reports/displays/lobby-pc/status.json"));
    ASSERT_TRUE(status.open(QIODevice::ReadOnly));
    EXPECT_EQ(QJsonDocument::fromJson(status.readAll()).object().value("display").toString(), "lobby-pc");
    const QStringList batches = QDir(home.filePath("reports/displays/lobby-pc/log")).entryList(QDir::Files);
    ASSERT_EQ(batches.size(), 1);

    // A minute later: the status again, and only the lines written since.
    advance(4.0);
    clock.advanceBy(StatusReporter::intervalSeconds);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !reporter.isSending() && reporter.reportsSent() == 4; }, 10000));
    QStringList lines;
    for (const QString& batch : QDir(home.filePath("reports/displays/lobby-pc/log")).entryList(QDir::Files)) {
        QFile file(home.filePath("reports/displays/lobby-pc/log/" + batch));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        lines += QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }
    // The minute also played on: the batch holds the lines written until it was taken, each once, in order.
    EXPECT_GT(lines.size(), 2);
    EXPECT_EQ(lines, logLines().mid(0, lines.size())) << "every line once";
}

namespace {

// A display whose local time starts at `wallOrigin` and runs with the virtual clock.
class ScheduledPlayerTest : public PlayerControllerTest {
protected:
    void SetUp() override {
        PlayerControllerTest::SetUp();
        const double origin = clock.now();
        openDisplay([this, origin] { return wallOrigin.addMSecs(qint64((clock.now() - origin) * 1000)); },
                    &power);
    }

    struct RecordedPower : DisplayPower {
        void setOn(bool on) override { switches.append(on); }
        QList<bool> switches;
    } power;
    QDateTime wallOrigin = QDateTime(QDate(2026, 12, 7), QTime(5, 59, 50));
};

} // namespace

TEST_F(ScheduledPlayerTest, TheBreakfastScreenComesUpAtSixAndTheDisplaySleepsAfterClosingTime) {
    KioskProject project = show("Welcome");
    project.screens[1].name = "Breakfast";
    project.screens[1].duration = 60;
    project.screens[1].schedule = ScreenSchedule{{}, {}, {}, {{6 * 60, 10 * 60}}};
    project.settings.openingHours = ScreenSchedule{{}, {}, {}, {{6 * 60, 22 * 60}}};
    deploy(project);
    controller->start();
    EXPECT_EQ(window->view()->playback().currentScreenIndex(), -1) << "closed before six";
    advance(10.25); // 06:00 is a boundary: up at once
    EXPECT_EQ(playingScreen(), "Welcome");
    advance(3.0);
    EXPECT_EQ(playingScreen(), "Breakfast");
    ASSERT_FALSE(power.switches.isEmpty());
    EXPECT_FALSE(power.switches.first());
    EXPECT_TRUE(power.switches.last());
    EXPECT_TRUE(statusFile().value("warnings").toArray().isEmpty());
}

TEST_F(ScheduledPlayerTest, AClockThatWasNeverSetIsWarnedOfInTheStatusFile) {
    wallOrigin = QDateTime(QDate(1970, 1, 1), QTime(0, 0, 30), Qt::UTC); // read by the clocks from now on
    deploy(show("Welcome"));
    controller->start();
    const QJsonArray warnings = statusFile().value("warnings").toArray();
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].toString().startsWith("The system clock reads 1970-01-01T"));
}
