// vistrelle-player PATH: plays a deployed show full screen on a display computer.
#include "platform/app_logger.h"
#include "platform/scheduler.h"
#include "player/cursor_auto_hider.h"
#include "player/display_power.h"
#include "player/feed_refresher.h"
#include "player/player_controller.h"
#include "player/player_options.h"
#include "player/player_window.h"
#include "player/screen_saver_inhibitor.h"
#include "player/service_notifier.h"
#include "player/show_summary.h"
#include "player/status_reporter.h"
#include "player/termination_signals.h"
#include "preview/live_media_loader.h"
#include "publish/channel_follower.h"
#include "publish/signing.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QScreen>
#include <QSysInfo>

#include <cstdio>

using namespace vistrelle;

namespace {

void print(FILE* stream, const QString& text) {
    std::fputs(qPrintable(text), stream);
    std::fflush(stream);
}

// $XDG_STATE_HOME/vistrelle-player, else ~/.local/state/vistrelle-player.
QString defaultLogFolder() {
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    const QString base = !state.isEmpty() && QDir::isAbsolutePath(state)
                             ? state
                             : QDir::home().filePath(QStringLiteral(".local/state"));
    return QDir(base).filePath(QStringLiteral("vistrelle-player"));
}

// The public key given with --trust: its base64 text, or a file holding it on its first line.
std::optional<QByteArray> trustedKey(const QString& given) {
    if (const std::optional<QByteArray> key = parsePublicKey(given))
        return key;
    QFile file(given);
    if (file.open(QIODevice::ReadOnly))
        return parsePublicKey(QString::fromLatin1(file.readLine(1024)));
    return std::nullopt;
}

int check(int argc, char** argv, const QString& path) {
    // No display is needed to judge pictures and films.
    QCoreApplication app(argc, argv);
    const ShowLoad load = loadShow(path);
    for (const QString& line : showSummary(load))
        print(stdout, line + u'\n');
    return load.show ? playerExitSuccess : playerExitNothingPlays;
}

int play(int argc, char** argv, const PlayerOptions& options) {
    // The web pages' engine shares the window's graphics context.
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vistrelle-player"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vistrelle Player"));
    QGuiApplication::setDesktopFileName(QStringLiteral("com.quendrix.VistrellePlayer"));

    PlayerWindow::Options windowOptions;
    windowOptions.windowed = options.windowed;
    windowOptions.rotation = options.rotation;
    windowOptions.liveMedia = [](const KioskProject& project) {
        return needsLiveMedia(project) ? liveMediaFactory() : nullptr;
    };
    PlayerWindow window(windowOptions);
    const QList<QScreen*> screens = QGuiApplication::screens();
    QScreen* output = options.screen && *options.screen < screens.size() ? screens[*options.screen]
                                                                         : QGuiApplication::primaryScreen();
    if (options.screen && *options.screen >= screens.size())
        print(stderr, QStringLiteral("vistrelle-player: there is no output %1; playing on the first.\n")
                          .arg(*options.screen));
    if (options.windowed) {
        window.resize(1280, 720);
        if (output)
            window.move(output->geometry().center() - window.rect().center());
        window.show();
    } else {
        if (output)
            window.setGeometry(output->geometry());
        window.showFullScreen();
    }

    std::unique_ptr<Scheduler> scheduler = Scheduler::eventLoop();
    ServiceNotifier notifier;
    ScreenSaverInhibitor inhibitor;
    if (!inhibitor.isInhibiting())
        qCInfo(AppLogger::general()).noquote() << "The screen saver is not held off:" << inhibitor.reason();
    std::unique_ptr<CursorAutoHider> cursor;
    if (!options.windowed)
        cursor = std::make_unique<CursorAutoHider>(*scheduler);
    PlayerController::Services services;
    services.scheduler = scheduler.get();
    services.window = &window;
    services.notifier = &notifier;
    services.logFolder = options.logDir.isEmpty() ? defaultLogFolder() : options.logDir;
    services.loadsInBackground = true;
    services.displayPower = &DisplayPower::session();

    // A channel: its shows are built in a folder of the state, named after the address, and each new one is
    // followed; until the first, the standby card says what the player waits for.
    QNetworkAccessManager network;
    std::unique_ptr<ChannelFollower> follower;
    QString path = QDir(options.path).absolutePath();
    if (!options.channel.isEmpty()) {
        ChannelFollower::Options channel;
        channel.channel = QUrl(options.channel);
        channel.trustedKey = *trustedKey(options.trust);
        const QByteArray name =
            QCryptographicHash::hash(options.channel.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
        channel.stateFolder =
            QDir(defaultLogFolder()).filePath(QStringLiteral("channels/") + QString::fromLatin1(name));
        follower = std::make_unique<ChannelFollower>(channel, *scheduler, network);
        path = follower->currentBundle().isEmpty() ? channel.stateFolder : follower->currentBundle();
    }
    FeedRefresher feeds(*scheduler, network);
    services.feeds = &feeds;
    PlayerController controller(path, services);
    controller.setDisplayName(QSysInfo::machineHostName());
    if (follower && follower->currentBundle().isEmpty())
        controller.waitFor(QCoreApplication::translate("Player", "Waiting for the channel's first show."),
                           options.channel);
    if (follower) {
        QObject::connect(follower.get(), &ChannelFollower::showReady, &controller,
                         [&](const QString& bundle) {
                             controller.setChannelSequence(follower->sequence());
                             controller.follow(bundle);
                         });
        QObject::connect(follower.get(), &ChannelFollower::offlineChanged, &controller,
                         [&] { controller.setOfflineSince(follower->offlineSince().value_or(QDateTime())); });
    }
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &app, [] { QCoreApplication::quit(); });
    QObject::connect(&window, &PlayerWindow::quitRequested, &app, [] { QCoreApplication::quit(); });
    // For the start-up benchmark: out as soon as the first frame is drawn.
    if (qEnvironmentVariableIsSet("VISTRELLE_PLAYER_EXIT_AFTER_FIRST_FRAME"))
        QObject::connect(
            &window, &PlayerWindow::framePainted, &app, [] { QCoreApplication::exit(0); },
            Qt::QueuedConnection);
    std::unique_ptr<StatusReporter> reporter;
    if (!options.report.isEmpty())
        reporter = std::make_unique<StatusReporter>(
            QUrl(options.report), QSysInfo::machineHostName(),
            [&] {
                PlayerStatus status = controller.status();
                status.reportedAt = QDateTime::currentDateTimeUtc();
                return status.json();
            },
            controller.playLog().filePath(), *scheduler, network);
    controller.start();
    if (follower)
        follower->start();
    if (reporter)
        reporter->start();
    const int status = app.exec();
    controller.stop();
    return status;
}

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const auto parsed = parsePlayerArguments(arguments);
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        print(stderr,
              QStringLiteral("vistrelle-player: %1\nTry 'vistrelle-player --help'.\n").arg(error->message));
        return playerExitUsage;
    }
    const PlayerOptions& options = std::get<PlayerOptions>(parsed);
    switch (options.action) {
    case PlayerOptions::Action::help:
        print(stdout, playerUsageText());
        return playerExitSuccess;
    case PlayerOptions::Action::version:
        print(stdout, QStringLiteral("vistrelle-player %1\n").arg(QStringLiteral(VISTRELLE_VERSION)));
        return playerExitSuccess;
    case PlayerOptions::Action::check:
        return check(argc, argv, options.path);
    case PlayerOptions::Action::play:
        if (!options.trust.isEmpty() && !trustedKey(options.trust)) {
            print(stderr,
                  QStringLiteral("vistrelle-player: --trust needs the channel's public key: the base64 line "
                                 "keygen printed, or a file holding it.\nTry 'vistrelle-player --help'.\n"));
            return playerExitUsage;
        }
        break;
    }
    return play(argc, argv, options);
}
