#pragma once

#include "publish/channel_manifest.h"

#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>
#include <optional>

class QNetworkAccessManager;

namespace vistrelle {

// Fetches a channel's files over HTTP(S) or from a file:// folder: the manifest and its signature with
// conditional requests (an unchanged manifest costs one request answered 304 without a body), and objects
// into a passing file, resuming it with a Range request, never reading more than the manifest says and
// checking the SHA-256 before anything uses it. HTTPS is checked against the system's certificates. Main
// thread.
class ChannelClient : public QObject {
    Q_OBJECT

public:
    // `channel`: the channel's folder, "https://example.org/signage/channels/lobby/" or
    // "file:///srv/…/lobby/".
    ChannelClient(QUrl channel, QNetworkAccessManager& network, QObject* parent = nullptr);

    struct ManifestAnswer {
        enum class Kind { changed, unchanged, failed };
        Kind kind = Kind::failed;
        QByteArray manifest;
        QByteArray signature;
        int status = 0;                          // the HTTP status, 0 without one
        std::optional<double> retryAfterSeconds; // asked by 429 or 503
        QString error;
    };
    // The manifest and its signature, unless the manifest is as at the last answer.
    void fetchManifest(std::function<void(const ManifestAnswer&)> done);
    // Forgets what the last manifest was (its next fetch is unconditional).
    void forgetManifest();

    // Downloads `file`'s object into `partPath` (resuming what is there) and checks it: `done` gets an empty
    // error when `partPath` holds exactly the object.
    void fetchObject(const ChannelFile& file, const QString& partPath,
                     std::function<void(const QString& error)> done);

    QUrl objectUrl(const QByteArray& sha256) const;
    int requestsMade() const { return requests_; }
    // The bytes of the bodies received so far.
    qint64 bytesReceived() const { return received_; }

private:
    QUrl channel_;
    QNetworkAccessManager& network_;
    QByteArray etag_;
    QByteArray lastModified_;
    QByteArray lastManifest_; // for file:// (no conditional requests): the bytes last answered
    int requests_ = 0;
    qint64 received_ = 0;
};

} // namespace vistrelle
