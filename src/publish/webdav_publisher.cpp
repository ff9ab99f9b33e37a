#include "publish/webdav_publisher.h"

#include "publish/channel_layout.h"
#include "publish/signing.h"

#include <QAuthenticator>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSet>
#include <QUuid>

namespace vistrelle {

namespace {

struct WebDavText {
    Q_DECLARE_TR_FUNCTIONS(WebDavText)
};

// A connection silent this long is given up (it measures silence, not the length of an upload).
constexpr int transferTimeoutMs = 60000;

class WebDav {
public:
    explicit WebDav(QUrl root)
        : root_(std::move(root)) {
        if (!root_.path().endsWith(u'/'))
            root_.setPath(root_.path() + u'/');
        QObject::connect(
            &network_, &QNetworkAccessManager::authenticationRequired, &network_,
            [user = root_.userName(), password = root_.password()](QNetworkReply*, QAuthenticator* a) {
                a->setUser(user);
                a->setPassword(password);
            });
    }

    QUrl url(const QString& relative) const { return root_.resolved(QUrl(relative)); }

    struct Answer {
        int status = 0;
        QByteArray body;
        QString error;
        qint64 length = -1;
    };

    Answer send(const QByteArray& verb, const QString& relative, QIODevice* body = nullptr,
                const QList<QPair<QByteArray, QByteArray>>& headers = {}) {
        QNetworkRequest request(url(relative));
        request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
        request.setTransferTimeout(transferTimeoutMs);
        for (const auto& [name, value] : headers)
            request.setRawHeader(name, value);
        // A HEAD answer has a length but no body: as a custom verb the reply would wait for that body.
        QNetworkReply* reply =
            verb == "HEAD" ? network_.head(request) : network_.sendCustomRequest(request, verb, body);
        QEventLoop wait;
        QObject::connect(reply, &QNetworkReply::finished, &wait, &QEventLoop::quit);
        wait.exec();
        Answer answer;
        answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        answer.body = reply->readAll();
        answer.length = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
        if (reply->error() != QNetworkReply::NoError && answer.status == 0)
            answer.error = reply->errorString();
        reply->deleteLater();
        return answer;
    }

    // Every folder of `relative`'s path, made if missing (servers answer 405 for one that exists).
    void makeFolders(const QString& relative) {
        const QStringList parts = relative.split(u'/');
        QString path;
        for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
            path += parts[i] + u'/';
            if (made_.contains(path))
                continue;
            const Answer answer = send("MKCOL", path);
            if (!answer.error.isEmpty())
                fail(path, answer);
            made_.insert(path);
        }
    }

    // `relative` written whole or not at all: PUT under a passing name, then MOVE into place.
    void put(const QString& relative, QIODevice& body) {
        makeFolders(relative);
        const QString passing =
            relative + QStringLiteral(".part-") + QUuid::createUuid().toString(QUuid::WithoutBraces).left(8);
        const Answer sent = send("PUT", passing, &body);
        if (sent.status < 200 || sent.status >= 300)
            fail(passing, sent);
        const Answer moved =
            send("MOVE", passing, nullptr,
                 {{"Destination", url(relative).toEncoded(QUrl::RemoveUserInfo)}, {"Overwrite", "T"}});
        if (moved.status < 200 || moved.status >= 300) {
            send("DELETE", passing);
            fail(relative, moved);
        }
    }

    void put(const QString& relative, const QByteArray& bytes) {
        QByteArray copy = bytes;
        QBuffer buffer(&copy);
        buffer.open(QIODevice::ReadOnly);
        put(relative, buffer);
    }

    [[noreturn]] void fail(const QString& relative, const Answer& answer) const {
        throw PublishError{
            answer.error.isEmpty()
                ? WebDavText::tr("The server refused “%1”: HTTP %2").arg(relative).arg(answer.status)
                : WebDavText::tr("The server cannot be reached for “%1”: %2").arg(relative, answer.error)};
    }

private:
    QUrl root_;
    QNetworkAccessManager network_;
    QSet<QString> made_;
};

} // namespace

namespace {

class WebDavStore final : public ChannelStore {
public:
    explicit WebDavStore(const QUrl& destination)
        : server_(destination) {}
    bool hasObject(const QString& path, qint64 size) override {
        const WebDav::Answer head = server_.send("HEAD", path);
        if (!head.error.isEmpty())
            server_.fail(path, head);
        return head.status == 200 && head.length == size;
    }
    qint64 putObject(const QString& path, const QString& sourceFile) override {
        QFile source(sourceFile);
        if (!source.open(QIODevice::ReadOnly))
            throw PublishError{
                WebDavText::tr("“%1” cannot be read: %2").arg(sourceFile, source.errorString())};
        server_.put(path, source);
        return source.size();
    }
    qint64 lastSequence(const QString& channel) override {
        const QString path = channel_layout::manifestPath(channel);
        const WebDav::Answer current = server_.send("GET", path);
        if (current.status == 404)
            return 0;
        if (current.status != 200)
            server_.fail(path, current);
        // Whatever answers instead of the manifest (a login page), the sequence must not start again.
        const auto parsed = parseChannelManifest(current.body);
        if (const auto* manifest = std::get_if<ChannelManifest>(&parsed))
            return manifest->sequence;
        throw PublishError{
            WebDavText::tr("The server's “%1” is no manifest, so the next sequence is not known: %2")
                .arg(path, std::get<QString>(parsed))};
    }
    void putAtomically(const QString& path, const QByteArray& bytes) override { server_.put(path, bytes); }

private:
    WebDav server_;
};

} // namespace

PublishOutcome publishToWebDav(const QString& bundleFolder, const QUrl& destination, const QString& channel,
                               const QByteArray& secretKey, const PublishLog& log) {
    checkPublishRequest(channel, secretKey);
    WebDavStore store(destination);
    return publishInto(store, bundleFolder, channel, secretKey, log);
}

PublishOutcome publishToDestination(const QString& bundleFolder, const QString& destination,
                                    const QString& channel, const QByteArray& secretKey,
                                    const PublishLog& log) {
    return isWebDestination(destination)
               ? publishToWebDav(bundleFolder, QUrl(destination), channel, secretKey, log)
               : publishToFolder(bundleFolder, destinationFolder(destination), channel, secretKey, log);
}

} // namespace vistrelle
