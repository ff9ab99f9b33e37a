#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace vistrelle {

// What a monitoring system reads about a player: a JSON file, replaced atomically on every change and
// every 10 seconds.
struct PlayerStatus {
    QString state; // "playing" or "standby"
    QString bundle;
    QString fingerprint;
    QString path;
    QString screenId;
    QString screenName;
    QDateTime since; // the screen's start
    double uptimeSeconds = 0;
    QStringList faults;
    QStringList warnings; // what may make the show play other than meant (a clock that was never set)
    qint64 droppedLogLines = 0;
    // Following a channel: since when it has not answered (invalid while it does, or without a channel), and
    // the sequence of the show accepted last (0 without a channel).
    QDateTime offlineSince;
    qint64 sequence = 0;
    // The display's name in reports to the operator (the computer's host name).
    QString display;
    // When the status was last sent to the operator (only in what is sent).
    QDateTime reportedAt;

    QByteArray json() const;
};

// Writes `status` to `path`; false when it could not be (the reason is not the player's concern).
bool writeStatusFile(const QString& path, const PlayerStatus& status);

} // namespace vistrelle
