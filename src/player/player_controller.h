#pragma once

#include "platform/scheduler.h"
#include "player/play_log.h"
#include "player/player_options.h"
#include "player/show_loader.h"
#include "player/status_file.h"

#include <QDateTime>
#include <QFutureWatcher>
#include <QObject>
#include <QSet>

#include <memory>
#include <optional>

namespace vistrelle {

class DisplayPower;
class FeedRefresher;

class PlayerWindow;
class ServiceNotifier;

// Runs a display: loads the show the path holds, plays it in the player window (or shows the standby card),
// looks again every few seconds for a newer complete bundle or a change of the one playing and switches at a
// screen boundary, logs every screen shown, keeps the status file current and feeds the service manager's
// watchdog. Everything that waits runs on `scheduler`, so tests step through hours without sleeping.
class PlayerController : public QObject {
    Q_OBJECT

public:
    static constexpr double pollSeconds = 3.0;
    static constexpr double statusSeconds = 10.0;

    struct Services {
        Scheduler* scheduler = nullptr;
        PlayerWindow* window = nullptr;
        ServiceNotifier* notifier = nullptr; // none: no service manager
        QString logFolder;
        std::function<QDateTime()> now = [] { return QDateTime::currentDateTimeUtc(); };
        // Reading a changed bundle (its XML and a look at each medium) on a worker thread keeps the frames of
        // the show on view coming; tests read at once.
        bool loadsInBackground = false;
        // The display's power saving while the show is closed; none: the black frame only.
        DisplayPower* displayPower = nullptr;
        // Where the tickers' feeds are fetched again from while online; none: the bundle's snapshots stay.
        FeedRefresher* feeds = nullptr;
    };

    PlayerController(QString path, Services services, QObject* parent = nullptr);
    ~PlayerController() override;

    // Loads and shows what the path holds, and starts looking for changes.
    void start();
    // Writes the last play-log line and the status ("stopped").
    void stop();

    const std::optional<LoadedShow>& playing() const { return playing_; }
    const std::optional<LoadedShow>& pending() const { return pending_; }
    const PlayerStatus& status() const { return status_; }
    QString statusFilePath() const;
    PlayLog& playLog() { return log_; }

    // Looks at the path now (the poll does it every `pollSeconds`).
    void poll();
    // Plays what `path` holds from now on (a channel's newly built show), switching at the next screen
    // boundary as for a new deploy.
    void follow(const QString& path);
    // Following a channel: since when it has not answered, for the status file.
    void setOfflineSince(const QDateTime& since);
    // The channel's sequence of the show playing, and the display's name, for the status.
    void setChannelSequence(qint64 sequence);
    void setDisplayName(const QString& name) { status_.display = name; }
    // Until the first `follow`, the standby card says what the display waits for and where from, instead of
    // what the path lacks.
    void waitFor(const QString& what, const QString& source);
    // A look whose reading has not finished yet.
    bool isLoading() const { return loading_ != nullptr; }

private:
    void play(const LoadedShow& show);
    void standby(const QString& problem);
    void takeLoaded(const ShowLoad& load);
    void screenSettled(qint64 index);
    void endScreen();
    void noteFaults(const LoadedShow& show);
    void writeStatus();
    void schedulePoll();
    void scheduleStatus();
    void scheduleWatchdog();

    QString path_;
    Services services_;
    PlayLog log_;
    PlayerStatus status_;
    double startedAt_ = 0;
    std::optional<LoadedShow> playing_;
    std::optional<LoadedShow> pending_;
    QString lastProblem_;
    QString waitingFor_;
    QString waitingForSource_;
    QByteArray stamp_; // what the path looked like at the last look
    QSet<QString> reportedFingerprints_;
    // The screen on view: its place, when it came, and its start on the scheduler's clock.
    std::optional<qint64> screen_;
    QDateTime screenStart_;
    double screenStartedAt_ = 0;
    std::unique_ptr<Scheduler::Timer> pollTimer_;
    std::unique_ptr<Scheduler::Timer> statusTimer_;
    std::unique_ptr<Scheduler::Timer> watchdogTimer_;
    std::unique_ptr<Scheduler::Timer> loopTimer_; // the end of a one-screen show's hold
    std::unique_ptr<QFutureWatcher<ShowLoad>> loading_;
    bool stopped_ = false;
};

} // namespace vistrelle
