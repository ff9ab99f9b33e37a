#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

namespace vistrelle {

// One JSON line per screen shown, appended to "play.log" in a folder of its own: bundle name and
// fingerprint, screen id and name, start time, seconds shown. At 10 MB the file moves to play.log.1 (and
// so on, five kept). Logging never stops playback: a line that cannot be written (a full disk) is dropped
// and counted.
class PlayLog {
public:
    static constexpr qint64 rotateAtBytes = 10 * 1024 * 1024;
    static constexpr int keptFiles = 5;

    struct Entry {
        QString bundle;
        QString fingerprint;
        QString screenId;
        QString screenName;
        QDateTime start;
        double seconds = 0;
    };

    explicit PlayLog(QString folder);

    void append(const Entry& entry);
    qint64 droppedLines() const { return dropped_; }
    QString filePath() const;

    // The line written for `entry`, without its line feed.
    static QByteArray line(const Entry& entry);

private:
    void rotate();

    QString folder_;
    qint64 dropped_ = 0;
};

} // namespace vistrelle
