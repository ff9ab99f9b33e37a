#pragma once

#include "platform/scheduler.h"
#include "publish/channel_client.h"

#include <QDateTime>
#include <QObject>

#include <memory>
#include <optional>

class QNetworkAccessManager;

namespace vistrelle {

// Follows a channel for a display: polls its manifest (every `pollSeconds`, ±20 % so that many displays do
// not ask in step; after an error sooner or later by exponential backoff, and never before a Retry-After),
// accepts only a manifest signed by the trusted key with a higher sequence than any accepted before (kept
// across restarts), fetches the objects its store lacks (a few at a time, each checked), builds the new
// bundle from the store with hard links and announces it. The previous good show is kept for rollback;
// objects no kept show uses are deleted. A refusal is one log line, and whatever plays goes on.
class ChannelFollower : public QObject {
    Q_OBJECT

public:
    struct Options {
        QUrl channel;
        QByteArray trustedKey;
        QString stateFolder; // the store, the shows built and what was accepted
        double pollSeconds = 30;
        int parallelDownloads = 4;
        double jitter = 0.2;
    };

    ChannelFollower(Options options, Scheduler& scheduler, QNetworkAccessManager& network,
                    QObject* parent = nullptr);
    ~ChannelFollower() override;

    // Announces the last good show kept from an earlier run at once, then polls now and on.
    void start();
    // Polls now (tests; start's first poll).
    void poll();

    // The bundle of the show accepted last (empty before the first), its sequence, and since when the
    // channel has not answered (none while it does).
    const QString& currentBundle() const { return currentBundle_; }
    qint64 sequence() const { return sequence_; }
    const std::optional<QDateTime>& offlineSince() const { return offlineSince_; }
    const QString& lastRefusal() const { return lastRefusal_; }
    ChannelClient& client() { return client_; }
    bool isBusy() const { return busy_; }

    // Seconds until the next poll after `failures` failures in a row (0: the regular interval).
    double delayAfter(int failures, std::optional<double> retryAfter) const;

signals:
    void showReady(const QString& bundlePath);
    void offlineChanged();

private:
    void answered(const ChannelClient::ManifestAnswer& answer);
    void accept(const ChannelManifest& manifest, const QByteArray& bytes);
    void fetchNext();
    void finishFetching();
    void refuse(const QString& reason);
    void scheduleNext(std::optional<double> retryAfter = std::nullopt);
    void collectGarbage();
    QString objectPath(const QByteArray& sha256) const;
    void loadAccepted();
    qint64 highestKeptSequence() const;

    Options options_;
    Scheduler& scheduler_;
    ChannelClient client_;
    std::unique_ptr<Scheduler::Timer> next_;
    QString currentBundle_;
    qint64 sequence_ = 0;
    std::optional<QDateTime> offlineSince_;
    QString lastRefusal_;
    int failures_ = 0;
    bool busy_ = false;
    // The manifest being fetched.
    std::optional<ChannelManifest> pending_;
    QByteArray pendingBytes_;
    QList<ChannelFile> toFetch_;
    int inFlight_ = 0;
    QString fetchError_;
};

} // namespace vistrelle
