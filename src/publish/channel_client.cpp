#include "publish/channel_client.h"

#include "publish/channel_layout.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <memory>

namespace vistrelle {

namespace {

struct ClientText {
    Q_DECLARE_TR_FUNCTIONS(ClientText)
};

constexpr qint64 largestSignature = 1024;
// A connection silent this long is given up, so a poll always ends (it measures silence, not duration).
constexpr int transferTimeoutMs = 60000;

std::optional<double> retryAfter(const QNetworkReply& reply) {
    const QByteArray value = reply.rawHeader("Retry-After").trimmed();
    if (value.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double seconds = value.toDouble(&ok);
    if (ok && seconds >= 0)
        return seconds;
    const QDateTime when = QDateTime::fromString(QString::fromLatin1(value), Qt::RFC2822Date);
    return when.isValid()
               ? std::optional<double>(std::max<qint64>(0, QDateTime::currentDateTimeUtc().secsTo(when)))
               : std::nullopt;
}

int statusOf(const QNetworkReply& reply) {
    return reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

QString failureOf(const QNetworkReply& reply, const QString& what) {
    const int status = statusOf(reply);
    return status > 0 ? ClientText::tr("%1: HTTP %2").arg(what).arg(status)
                      : ClientText::tr("%1: %2").arg(what, reply.errorString());
}

// Reads a body of at most `limit` bytes; a longer one is cut off and reported.
void readBounded(QNetworkReply* reply, qint64 limit, std::shared_ptr<QByteArray> body,
                 std::shared_ptr<bool> tooLarge) {
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, limit, body, tooLarge] {
        const QByteArray chunk = reply->readAll();
        if (body->size() + chunk.size() > limit) {
            *tooLarge = true;
            reply->abort();
            return;
        }
        body->append(chunk);
    });
}

} // namespace

ChannelClient::ChannelClient(QUrl channel, QNetworkAccessManager& network, QObject* parent)
    : QObject(parent)
    , channel_(std::move(channel))
    , network_(network) {
    if (!channel_.path().endsWith(u'/'))
        channel_.setPath(channel_.path() + u'/');
}

QUrl ChannelClient::objectUrl(const QByteArray& sha256) const {
    return channel_.resolved(QUrl(QStringLiteral("../../") + channel_layout::objectPath(sha256)));
}

void ChannelClient::forgetManifest() {
    etag_.clear();
    lastModified_.clear();
    lastManifest_.clear();
}

void ChannelClient::fetchManifest(std::function<void(const ManifestAnswer&)> done) {
    QNetworkRequest request(channel_.resolved(QUrl(QStringLiteral("manifest.json"))));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setTransferTimeout(transferTimeoutMs);
    if (!etag_.isEmpty())
        request.setRawHeader("If-None-Match", etag_);
    if (!lastModified_.isEmpty())
        request.setRawHeader("If-Modified-Since", lastModified_);
    ++requests_;
    QNetworkReply* reply = network_.get(request);
    auto body = std::make_shared<QByteArray>();
    auto tooLarge = std::make_shared<bool>(false);
    readBounded(reply, ChannelManifest::largestBytes, body, tooLarge);
    connect(reply, &QNetworkReply::finished, this, [this, reply, body, tooLarge, done = std::move(done)] {
        reply->deleteLater();
        body->append(reply->readAll());
        received_ += body->size();
        ManifestAnswer answer;
        answer.status = statusOf(*reply);
        if (*tooLarge || body->size() > ChannelManifest::largestBytes) {
            answer.error = ClientText::tr("The manifest is larger than 10 MB.");
            done(answer);
            return;
        }
        if (answer.status == 304) {
            answer.kind = ManifestAnswer::Kind::unchanged;
            done(answer);
            return;
        }
        if (reply->error() != QNetworkReply::NoError) {
            answer.retryAfterSeconds = retryAfter(*reply);
            answer.error = failureOf(*reply, ClientText::tr("The manifest could not be fetched"));
            done(answer);
            return;
        }
        if (channel_.isLocalFile() && *body == lastManifest_ && !lastManifest_.isEmpty()) {
            answer.kind = ManifestAnswer::Kind::unchanged;
            done(answer);
            return;
        }
        const QByteArray etag = reply->rawHeader("ETag");
        const QByteArray modified = reply->rawHeader("Last-Modified");
        answer.manifest = *body;
        // The signature of these bytes, fetched unconditionally: it changes with every manifest.
        QNetworkRequest signatureRequest(channel_.resolved(QUrl(QStringLiteral("manifest.json.sig"))));
        signatureRequest.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                                      QNetworkRequest::AlwaysNetwork);
        signatureRequest.setTransferTimeout(transferTimeoutMs);
        ++requests_;
        QNetworkReply* signatureReply = network_.get(signatureRequest);
        auto signature = std::make_shared<QByteArray>();
        auto signatureTooLarge = std::make_shared<bool>(false);
        readBounded(signatureReply, largestSignature, signature, signatureTooLarge);
        connect(signatureReply, &QNetworkReply::finished, this,
                [this, signatureReply, signature, signatureTooLarge, answer, etag, modified, done]() mutable {
                    signatureReply->deleteLater();
                    signature->append(signatureReply->readAll());
                    received_ += signature->size();
                    if (signatureReply->error() != QNetworkReply::NoError || *signatureTooLarge) {
                        answer.status = statusOf(*signatureReply);
                        answer.retryAfterSeconds = retryAfter(*signatureReply);
                        answer.error =
                            failureOf(*signatureReply, ClientText::tr("The signature could not be fetched"));
                        done(answer);
                        return;
                    }
                    answer.kind = ManifestAnswer::Kind::changed;
                    answer.signature = *signature;
                    // Remembered only now: a manifest whose signature did not come is fetched again.
                    etag_ = etag;
                    lastModified_ = modified;
                    lastManifest_ = answer.manifest;
                    done(answer);
                });
    });
}

void ChannelClient::fetchObject(const ChannelFile& file, const QString& partPath,
                                std::function<void(const QString& error)> done) {
    auto part = std::make_shared<QFile>(partPath);
    if (!part->open(QIODevice::ReadWrite)) {
        done(ClientText::tr("“%1” cannot be written: %2").arg(partPath, part->errorString()));
        return;
    }
    // What an interrupted download left is kept and hashed again; only the rest is asked for.
    auto hash = std::make_shared<QCryptographicHash>(QCryptographicHash::Sha256);
    qint64 have = part->size();
    if (have > file.size) {
        part->resize(0);
        have = 0;
    }
    hash->addData(part.get());
    part->seek(have);
    if (have == file.size && hash->result().toHex() == file.sha256) {
        done(QString());
        return;
    }
    // A whole but wrong leftover (a power cut, a server's error page), or one from a folder (read whole, with
    // no ranges): fetched again from the start.
    if (have == file.size || (have > 0 && channel_.isLocalFile())) {
        part->resize(0);
        part->seek(0);
        hash->reset();
        have = 0;
    }
    QNetworkRequest request(objectUrl(file.sha256));
    request.setTransferTimeout(transferTimeoutMs);
    if (have > 0 && !channel_.isLocalFile())
        request.setRawHeader("Range", "bytes=" + QByteArray::number(have) + '-');
    ++requests_;
    QNetworkReply* reply = network_.get(request);
    auto written = std::make_shared<qint64>(have);
    auto tooLarge = std::make_shared<bool>(false);
    auto restarted = std::make_shared<bool>(false);
    auto diskFailed = std::make_shared<bool>(false);
    const auto take = [reply, part, hash, written, tooLarge, restarted, diskFailed, file] {
        // Only an object's own bytes go into it, never an error page.
        const int status = statusOf(*reply);
        if (status != 0 && status != 200 && status != 206) {
            reply->readAll();
            return;
        }
        // A server that ignores the Range sends the whole object: start over.
        if (!*restarted && *written > 0 && statusOf(*reply) == 200) {
            *restarted = true;
            part->resize(0);
            part->seek(0);
            hash->reset();
            *written = 0;
        }
        *restarted = true;
        const QByteArray chunk = reply->readAll();
        if (*written + chunk.size() > file.size) {
            *tooLarge = true;
            reply->abort();
            return;
        }
        if (part->write(chunk) != chunk.size()) {
            *diskFailed = true; // a full disk must not pass for a whole object
            reply->abort();
            return;
        }
        hash->addData(chunk);
        *written += chunk.size();
    };
    const qint64 before = have;
    connect(reply, &QNetworkReply::readyRead, this, take);
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, part, hash, written, tooLarge, diskFailed, file, take, done, before] {
                reply->deleteLater();
                if (!*tooLarge && !*diskFailed && reply->bytesAvailable() > 0)
                    take();
                received_ += std::max<qint64>(0, *written - before);
                if (*diskFailed || !part->flush()) {
                    part->resize(0);
                    done(ClientText::tr("“%1” cannot be stored: %2").arg(file.path, part->errorString()));
                    return;
                }
                if (*tooLarge) {
                    part->resize(0);
                    done(ClientText::tr("“%1” is larger than the manifest says.").arg(file.path));
                    return;
                }
                if (reply->error() != QNetworkReply::NoError) {
                    done(failureOf(*reply, ClientText::tr("“%1” could not be fetched").arg(file.path)));
                    return;
                }
                if (*written != file.size || hash->result().toHex() != file.sha256) {
                    part->resize(0);
                    done(ClientText::tr("“%1” arrived with another SHA-256 than the manifest says.")
                             .arg(file.path));
                    return;
                }
                done(QString());
            });
}

} // namespace vistrelle
