#include "app/update_checker.h"

#include <QNetworkReply>
#include <QNetworkRequest>

#include <utility>

namespace vistrelle {
namespace {

// The update file is a single line; anything longer is not one.
constexpr qsizetype kMaximumBodySize = 64 * 1024;

} // namespace

UpdateChecker::UpdateChecker(QUrl address, QObject* parent)
    : QObject(parent)
    , address_(std::move(address))
    , timeout_(std::chrono::seconds(10))
    , print_(printToStandardOutput)
    , network_(this)
    , deadline_(this) {
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, [this] { complete(std::nullopt); });
}

UpdateChecker::~UpdateChecker() {
    waiting_.clear();
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
    }
}

void UpdateChecker::setTimeout(std::chrono::milliseconds timeout) {
    timeout_ = timeout;
}

void UpdateChecker::setPrinter(Printer print) {
    print_ = std::move(print);
}

void UpdateChecker::checkForUpdates(Completion done) {
    waiting_.push_back(std::move(done));
    if (checking_)
        return;
    checking_ = true;
    body_.clear();

    if (!address_.isValid() || address_.scheme().isEmpty()) {
        // Still answered later, as every check is.
        QTimer::singleShot(0, this, [this] { complete(std::nullopt); });
        return;
    }
    QNetworkRequest request(address_);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(int(timeout_.count()));
    reply_ = network_.get(request);
    // Memory stays bounded whatever the server sends: nothing past the limit is wanted.
    reply_->setReadBufferSize(kMaximumBodySize + 1);
    connect(reply_, &QNetworkReply::readyRead, this, &UpdateChecker::readAvailable);
    connect(reply_, &QNetworkReply::finished, this, &UpdateChecker::replyFinished);
    // The transfer timeout only notices silence; a server that trickles data is stopped here.
    deadline_.start(timeout_);
}

void UpdateChecker::readAvailable() {
    if (!reply_)
        return;
    body_ += reply_->read(kMaximumBodySize + 1 - body_.size());
    if (body_.size() > kMaximumBodySize)
        complete(std::nullopt);
}

void UpdateChecker::replyFinished() {
    if (!reply_)
        return;
    if (reply_->error() != QNetworkReply::NoError) {
        complete(std::nullopt);
        return;
    }
    // Only HTTP answers carry a status; other schemes have none to check.
    const QVariant status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && (status.toInt() < 200 || status.toInt() > 299)) {
        complete(std::nullopt);
        return;
    }
    body_ += reply_->read(kMaximumBodySize + 1 - body_.size());
    if (body_.size() > kMaximumBodySize) {
        complete(std::nullopt);
        return;
    }
    complete(updateFromResponse(body_, print_ ? print_ : Printer([](const QString&) {})));
}

void UpdateChecker::complete(std::optional<UpdateInfo> update) {
    if (!checking_)
        return;
    checking_ = false;
    deadline_.stop();
    body_.clear();
    if (QNetworkReply* reply = reply_.data()) {
        reply_.clear();
        reply->disconnect(this);
        if (reply->isRunning())
            reply->abort();
        reply->deleteLater();
    }
    // The functions may start the next check or even destroy this checker.
    const QPointer<UpdateChecker> alive(this);
    const std::vector<Completion> waiting = std::exchange(waiting_, {});
    for (const Completion& done : waiting)
        if (done)
            done(update);
    if (alive)
        emit finished(update);
}

} // namespace vistrelle
