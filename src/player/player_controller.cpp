#include "player/player_controller.h"

#include "model/screen_sequence.h"
#include "model/uuid_text.h"
#include "platform/app_logger.h"
#include "player/display_power.h"
#include "player/feed_refresher.h"
#include "player/player_window.h"
#include "player/service_notifier.h"
#include "preview/preview_playback.h"

#include <QDir>
#include <QtConcurrent/QtConcurrentRun>

namespace vistrelle {

PlayerController::PlayerController(QString path, Services services, QObject* parent)
    : QObject(parent)
    , path_(std::move(path))
    , services_(std::move(services))
    , log_(services_.logFolder) {
    connect(services_.window, &PlayerWindow::screenSettled, this, &PlayerController::screenSettled);
}

PlayerController::~PlayerController() {
    stop();
}

QString PlayerController::statusFilePath() const {
    return QDir(services_.logFolder).filePath(QStringLiteral("status.json"));
}

void PlayerController::start() {
    startedAt_ = services_.scheduler->now();
    stopped_ = false;
    stamp_ = showStamp(path_);
    const ShowLoad load = loadShow(path_);
    if (load.show)
        play(*load.show);
    else
        standby(load.problem);
    if (services_.notifier)
        services_.notifier->ready();
    schedulePoll();
    scheduleStatus();
    scheduleWatchdog();
}

void PlayerController::stop() {
    if (stopped_)
        return;
    stopped_ = true;
    endScreen();
    pollTimer_.reset();
    if (loading_) {
        loading_->disconnect(this);
        loading_->waitForFinished();
        loading_.reset();
    }
    statusTimer_.reset();
    watchdogTimer_.reset();
    status_.state = QStringLiteral("stopped");
    writeStatus();
    if (services_.notifier)
        services_.notifier->stopping();
}

void PlayerController::play(const LoadedShow& show) {
    endScreen();
    pending_.reset();
    lastProblem_.clear();
    playing_ = show;
    noteFaults(show);
    status_.state = QStringLiteral("playing");
    if (services_.feeds)
        services_.feeds->follow(show.project);
    services_.window->play(show);
    writeStatus();
}

void PlayerController::standby(const QString& loadProblem) {
    endScreen();
    playing_.reset();
    pending_.reset();
    // Waiting for a channel's first show is no fault of an empty folder.
    const QString problem = waitingFor_.isEmpty() ? loadProblem : waitingFor_;
    if (problem != lastProblem_)
        AppLogger::logFailure(QStringLiteral("Nothing can play: "), problem);
    lastProblem_ = problem;
    status_.state = QStringLiteral("standby");
    services_.window->showStandby(problem, waitingForSource_.isEmpty() ? path_ : waitingForSource_);
    writeStatus();
}

void PlayerController::waitFor(const QString& what, const QString& source) {
    waitingFor_ = what;
    waitingForSource_ = source;
}

void PlayerController::noteFaults(const LoadedShow& show) {
    // Once per bundle, not on every loop of the show.
    if (reportedFingerprints_.contains(show.fingerprint))
        return;
    reportedFingerprints_.insert(show.fingerprint);
    for (const QString& fault : show.faults)
        AppLogger::logFailure(QStringLiteral("Player: ") + show.name + QStringLiteral(": "), fault);
}

void PlayerController::follow(const QString& path) {
    if (path == path_)
        return;
    path_ = path;
    waitingFor_.clear();
    waitingForSource_.clear();
    if (loading_) {
        // The reading under way is of the old path: its answer is dropped, the new path read after it.
        loading_->disconnect(this);
        loading_->waitForFinished();
        loading_.reset();
    }
    stamp_.clear();
    poll();
}

void PlayerController::setChannelSequence(qint64 sequence) {
    status_.sequence = sequence;
    writeStatus();
}

void PlayerController::setOfflineSince(const QDateTime& since) {
    status_.offlineSince = since;
    writeStatus();
}

void PlayerController::poll() {
    if (loading_)
        return; // the next look comes after this one's answer
    const QByteArray stamp = showStamp(path_);
    if (stamp == stamp_)
        return;
    stamp_ = stamp;
    if (!services_.loadsInBackground) {
        takeLoaded(loadShow(path_));
        return;
    }
    loading_ = std::make_unique<QFutureWatcher<ShowLoad>>();
    connect(loading_.get(), &QFutureWatcher<ShowLoad>::finished, this, [this] {
        const ShowLoad load = loading_->result();
        loading_.release()->deleteLater();
        takeLoaded(load);
    });
    loading_->setFuture(QtConcurrent::run([path = path_] { return loadShow(path); }));
}

void PlayerController::takeLoaded(const ShowLoad& load) {
    if (stopped_)
        return;
    if (!load.show) {
        if (!playing_) {
            standby(load.problem);
        } else if (load.problem != lastProblem_) {
            // Deleted or being rewritten under the show: what is held keeps playing.
            AppLogger::logFailure(QStringLiteral("The show keeps playing as it was: "), load.problem);
            lastProblem_ = load.problem;
            writeStatus();
        }
        return;
    }
    if (!playing_) {
        play(*load.show);
        return;
    }
    lastProblem_.clear();
    if (load.show->path == playing_->path && load.show->fingerprint == playing_->fingerprint) {
        pending_.reset();
        return;
    }
    // A new show waits for the end of the screen on view; with nothing on view (closed) it goes up at once.
    KioskPreviewView* view = services_.window->view();
    if (view && view->playback().currentScreenIndex() < 0) {
        pending_.reset();
        play(*load.show);
        return;
    }
    pending_ = *load.show;
}

void PlayerController::screenSettled(qint64 index) {
    endScreen();
    if (pending_) {
        const LoadedShow next = *std::exchange(pending_, std::nullopt);
        play(next); // its first screen reports itself when it is up
        return;
    }
    if (playing_ && services_.displayPower)
        services_.displayPower->setOn(index >= 0 || isOpenAt(playing_->project.settings, services_.now()));
    if (!playing_ || index < 0 || index >= playing_->project.screens.size()) {
        writeStatus();
        return;
    }
    screen_ = index;
    screenStart_ = services_.now();
    screenStartedAt_ = services_.scheduler->now();
    // A screen that plays on after its hold (a show of one, or the only one scheduled at the time) never
    // changes screens: the end of each hold is its boundary (for the log and for a newer deploy to take
    // over). Started after the playback's own timer for the same moment, so a screen that does change goes
    // first.
    loopTimer_ = services_.scheduler->singleShot(
        PreviewPlayback::holdSeconds(&playing_->project.screens[index]), [this, index] {
            KioskPreviewView* view = services_.window->view();
            if (view && view->playback().currentScreenIndex() == index && !view->playback().isTransitioning())
                screenSettled(index);
        });
    writeStatus();
}

void PlayerController::endScreen() {
    loopTimer_.reset();
    if (screen_ && playing_ && *screen_ < playing_->project.screens.size()) {
        const KioskScreen& screen = playing_->project.screens[*screen_];
        log_.append({playing_->name, playing_->fingerprint, uuidText(screen.id), screen.name, screenStart_,
                     services_.scheduler->now() - screenStartedAt_});
    }
    screen_.reset();
}

void PlayerController::writeStatus() {
    if (stopped_ && status_.state != QLatin1StringView("stopped"))
        return;
    status_.bundle = playing_ ? playing_->name : QString();
    status_.fingerprint = playing_ ? playing_->fingerprint : QString();
    status_.path = playing_ ? playing_->path : path_;
    const KioskScreen* screen = playing_ && screen_ && *screen_ < playing_->project.screens.size()
                                    ? &playing_->project.screens[*screen_]
                                    : nullptr;
    status_.screenId = screen ? uuidText(screen->id) : QString();
    status_.screenName = screen ? screen->name : QString();
    status_.since = screen ? screenStart_ : QDateTime();
    status_.uptimeSeconds = services_.scheduler->now() - startedAt_;
    status_.faults = playing_ ? playing_->faults : QStringList();
    if (!lastProblem_.isEmpty())
        status_.faults.append(lastProblem_);
    status_.droppedLogLines = log_.droppedLines();
    status_.warnings.clear();
    // Schedules go by the local clock: one that never got the time plays the wrong screens.
    if (const QDateTime now = services_.now(); now.toLocalTime().date().year() < 2020)
        status_.warnings.append(
            QStringLiteral("The system clock reads %1: schedules play at the wrong times until it is set.")
                .arg(now.toLocalTime().toString(Qt::ISODate)));
    QDir().mkpath(services_.logFolder);
    writeStatusFile(statusFilePath(), status_);
    // What `systemctl --user status` shows.
    if (services_.notifier)
        services_.notifier->status(
            status_.state == QLatin1StringView("playing")
                ? QStringLiteral("Playing %1, screen “%2”").arg(status_.bundle, status_.screenName)
                : status_.state);
}

void PlayerController::schedulePoll() {
    pollTimer_ = services_.scheduler->singleShot(pollSeconds, [this] {
        poll();
        schedulePoll();
    });
}

void PlayerController::scheduleStatus() {
    statusTimer_ = services_.scheduler->singleShot(statusSeconds, [this] {
        writeStatus();
        scheduleStatus();
    });
}

void PlayerController::scheduleWatchdog() {
    // Fed from the event loop that draws the frames: a player stuck anywhere stops feeding it.
    if (!services_.notifier || !services_.notifier->watchdogEnabled())
        return;
    watchdogTimer_ = services_.scheduler->singleShot(services_.notifier->feedIntervalSeconds(), [this] {
        services_.notifier->alive();
        scheduleWatchdog();
    });
}

} // namespace vistrelle
