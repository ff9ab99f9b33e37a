#include "player/status_reporter.h"

#include "platform/app_logger.h"
#include "platform/file_writing.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace vistrelle {

namespace {

// A display name as one path segment.
QString segment(const QString& name) {
    QString safe;
    for (const QChar c : name)
        safe += c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u'.' ? c : QChar(u'_');
    return safe.isEmpty() || safe.startsWith(u'.') ? QStringLiteral("display") : safe;
}

} // namespace

StatusReporter::StatusReporter(QUrl report, QString displayName, std::function<QByteArray()> status,
                               QString playLog, Scheduler& scheduler, QNetworkAccessManager& network,
                               QObject* parent)
    : QObject(parent)
    , report_(std::move(report))
    , name_(segment(displayName))
    , status_(std::move(status))
    , playLog_(std::move(playLog))
    , scheduler_(scheduler)
    , network_(network) {
    if (!report_.path().endsWith(u'/'))
        report_.setPath(report_.path() + u'/');
}

StatusReporter::~StatusReporter() = default;

void StatusReporter::start() {
    reportNow();
}

void StatusReporter::schedule() {
    next_ = scheduler_.singleShot(intervalSeconds, [this] { reportNow(); });
}

void StatusReporter::put(const QString& relative, const QByteArray& bytes, std::function<void()> sent) {
    if (report_.isLocalFile()) {
        const QString path = QDir(report_.toLocalFile()).filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        if (const std::optional<QString> failure = saveFileAtomically(path, bytes)) {
            if (*failure != lastFailure_)
                AppLogger::logFailure(QStringLiteral("The report could not be written: "), *failure);
            lastFailure_ = *failure;
            return;
        }
        ++sent_;
        if (sent)
            sent();
        return;
    }
    QNetworkRequest request(report_.resolved(QUrl(relative)));
    request.setTransferTimeout(60000); // a silent connection must not hold the reports up for good
    ++pending_;
    QNetworkReply* reply = network_.put(request, bytes);
    connect(reply, &QNetworkReply::finished, this, [this, reply, sent = std::move(sent)] {
        reply->deleteLater();
        --pending_;
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status >= 200 && status < 300) {
            ++sent_;
            lastFailure_.clear();
            if (sent)
                sent();
            return;
        }
        const QString failure = status > 0 ? QStringLiteral("HTTP %1").arg(status) : reply->errorString();
        if (failure != lastFailure_)
            AppLogger::logFailure(QStringLiteral("The report could not be sent: "), failure);
        lastFailure_ = failure;
    });
}

void StatusReporter::reportNow() {
    const QString folder = QStringLiteral("displays/%1/").arg(name_);
    const bool idle = pending_ == 0; // a batch still on its way is not sent twice
    if (!foldersMade_ && !report_.isLocalFile()) {
        // Servers that do not make a PUT's folders themselves are asked for them, until they answer (the
        // network may not be up yet at boot): 201 made, 405 already there.
        for (const QString& path : {QStringLiteral("displays/"), folder, folder + QStringLiteral("log/")}) {
            QNetworkRequest request(report_.resolved(QUrl(path)));
            request.setTransferTimeout(60000);
            QNetworkReply* reply = network_.sendCustomRequest(request, "MKCOL");
            const bool last = path.endsWith(QLatin1StringView("log/"));
            connect(reply, &QNetworkReply::finished, this, [this, reply, last] {
                reply->deleteLater();
                const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
                if (last && (status == 201 || status == 405))
                    foldersMade_ = true;
            });
        }
    }
    put(folder + QStringLiteral("status.json"), status_());
    QFile log(playLog_);
    if (log.open(QIODevice::ReadOnly)) {
        if (log.size() < logOffset_)
            logOffset_ = 0; // rotated
        log.seek(logOffset_);
        const QByteArray lines = log.read(4 * 1024 * 1024);
        const qsizetype end = lines.lastIndexOf('\n') + 1; // whole lines only
        // A batch that does not arrive is sent again, with what came since, at the next report.
        if (end > 0 && idle) {
            const qint64 through = logOffset_ + end;
            put(folder + QStringLiteral("log/%1.jsonl")
                             .arg(QDateTime::currentDateTimeUtc().toString(
                                 QStringLiteral("yyyyMMdd'T'hhmmsszzz'Z'"))),
                lines.left(end), [this, through] { logOffset_ = std::max(logOffset_, through); });
        }
    }
    schedule();
}

} // namespace vistrelle
