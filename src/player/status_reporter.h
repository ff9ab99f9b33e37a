#pragma once

#include "platform/scheduler.h"

#include <QObject>
#include <QUrl>

#include <functional>
#include <memory>

class QNetworkAccessManager;

namespace vistrelle {

// Sends a display's status and its play log to the operator (--report URL): every minute the status as
// `displays/<name>/status.json`, and the play-log lines written since the last batch as
// `displays/<name>/log/<time>.jsonl`, by WebDAV PUT to an http(s) address or written into a file:// folder.
// A report that cannot be sent is tried again at the next; playback never waits for it.
class StatusReporter : public QObject {
    Q_OBJECT

public:
    static constexpr double intervalSeconds = 60;

    StatusReporter(QUrl report, QString displayName, std::function<QByteArray()> status, QString playLog,
                   Scheduler& scheduler, QNetworkAccessManager& network, QObject* parent = nullptr);
    ~StatusReporter() override;

    // Reports now, then every interval.
    void start();
    void reportNow();
    int reportsSent() const { return sent_; }
    bool isSending() const { return pending_ > 0; }

private:
    // `sent` runs once the bytes are there.
    void put(const QString& relative, const QByteArray& bytes, std::function<void()> sent = {});
    void schedule();

    QUrl report_;
    QString name_;
    std::function<QByteArray()> status_;
    QString playLog_;
    Scheduler& scheduler_;
    QNetworkAccessManager& network_;
    std::unique_ptr<Scheduler::Timer> next_;
    qint64 logOffset_ = 0;
    int sent_ = 0;
    int pending_ = 0;
    bool foldersMade_ = false;
    QString lastFailure_;
};

} // namespace vistrelle
