#pragma once

#include "model/project_model.h"
#include "platform/scheduler.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <memory>

class QNetworkAccessManager;
class QNetworkReply;

namespace vistrelle {

// Fetches the feeds of the show on view again while the display is online: at once and then every
// `refreshSeconds`, asking only for what changed (the answer's ETag and Last-Modified), and hands each new
// text to the tickers. Offline, the text last fetched (or the bundle's snapshot) stays. Only the feeds' own
// addresses are fetched; nothing a feed names is.
class FeedRefresher : public QObject {
    Q_OBJECT

public:
    static constexpr double refreshSeconds = 15 * 60;

    FeedRefresher(Scheduler& scheduler, QNetworkAccessManager& network, QObject* parent = nullptr);
    ~FeedRefresher() override;

    // Follows the feeds of `project`'s tickers, and no others.
    void follow(const KioskProject& project);
    QStringList addresses() const { return addresses_; }

private:
    struct Cached {
        QByteArray etag;
        QByteArray lastModified;
    };
    void refreshAll();
    void fetch(const QString& address);

    Scheduler& scheduler_;
    QNetworkAccessManager& network_;
    QStringList addresses_;
    QHash<QString, Cached> cache_;
    QHash<QString, QPointer<QNetworkReply>> pending_;
    std::unique_ptr<Scheduler::Timer> timer_;
};

} // namespace vistrelle
