#include "player/feed_refresher.h"

#include "export/feed_text.h"
#include "platform/app_logger.h"
#include "render/live_components.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace vistrelle {

namespace {

constexpr qint64 largestFeed = 2 * 1024 * 1024;

} // namespace

FeedRefresher::FeedRefresher(Scheduler& scheduler, QNetworkAccessManager& network, QObject* parent)
    : QObject(parent)
    , scheduler_(scheduler)
    , network_(network) {}

FeedRefresher::~FeedRefresher() {
    // Aborting finishes a reply at once, and its handler takes it out of `pending_`: go over a copy.
    const QList<QPointer<QNetworkReply>> replies = pending_.values();
    for (const QPointer<QNetworkReply>& reply : replies)
        if (reply) {
            reply->disconnect(this);
            reply->abort();
        }
}

void FeedRefresher::follow(const KioskProject& project) {
    const QStringList addresses = feedAddresses(project);
    if (addresses == addresses_)
        return;
    addresses_ = addresses;
    timer_.reset();
    if (!addresses_.isEmpty())
        refreshAll();
}

void FeedRefresher::refreshAll() {
    for (const QString& address : std::as_const(addresses_))
        fetch(address);
    timer_ = scheduler_.singleShot(refreshSeconds, [this] { refreshAll(); });
}

void FeedRefresher::fetch(const QString& address) {
    if (pending_.value(address))
        return; // the last question is still out
    const QUrl url(address);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1StringView("https") && scheme != QLatin1StringView("http")))
        return;
    QNetworkRequest request(url);
    request.setTransferTimeout(60000);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    const Cached cached = cache_.value(address);
    if (!cached.etag.isEmpty())
        request.setRawHeader("If-None-Match", cached.etag);
    if (!cached.lastModified.isEmpty())
        request.setRawHeader("If-Modified-Since", cached.lastModified);
    QNetworkReply* reply = network_.get(request);
    pending_.insert(address, reply);
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
        if (received > largestFeed)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, address] {
        reply->deleteLater();
        pending_.remove(address);
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->error() != QNetworkReply::NoError || status == 304)
            return; // offline, or nothing new: what is shown stays
        QString why;
        const std::optional<QString> text = feedPlainText(reply->readAll(), &why);
        if (!text) {
            AppLogger::logError(QStringLiteral("The feed %1 cannot be read: %2").arg(address, why));
            return;
        }
        cache_.insert(address, {reply->rawHeader("ETag"), reply->rawHeader("Last-Modified")});
        setFetchedFeedText(address, *text);
    });
}

} // namespace vistrelle
