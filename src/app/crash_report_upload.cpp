#include "app/crash_report_upload.h"

#include "app/crash_report_text.h"
#include "export/deploy_constants.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUuid>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <limits>

#include <sys/types.h>

namespace vistrelle {
namespace {

constexpr qint64 maxReportBytes = qint64(1) << 20;
constexpr int transferTimeoutMs = 5000;

// The process id in "crash-<pid>.log" (or "crash-<pid>-<n>.log", an earlier report kept aside), or 0.
qint64 processIdOf(const QString& fileName) {
    const QString prefix = QStringLiteral("crash-");
    qsizetype end = prefix.size();
    while (end < fileName.size() && fileName.at(end) >= QLatin1Char('0') &&
           fileName.at(end) <= QLatin1Char('9'))
        ++end;
    bool ok = false;
    const qint64 pid = fileName.mid(prefix.size(), end - prefix.size()).toLongLong(&ok);
    return ok ? pid : 0;
}

bool processRuns(qint64 pid) {
    // Never 0 or a negative number: to kill() those name process groups, not a process.
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno != ESRCH;
}

} // namespace

PendingCrashReports collectPendingCrashReports(const QString& reportFolder) {
    const QDir folder(reportFolder);
    const QString own = crashReportFileName(QCoreApplication::applicationPid());
    PendingCrashReports pending;
    const QString stamp = QString::number(QDateTime::currentMSecsSinceEpoch());
    int moved = 0;
    for (const QFileInfo& info :
         folder.entryInfoList({QStringLiteral("crash-*.log")}, QDir::Files, QDir::Time | QDir::Reversed)) {
        if (info.fileName() == own)
            continue;
        if (info.size() == 0) {
            if (!processRuns(processIdOf(info.fileName())))
                QFile::remove(info.filePath());
            continue;
        }
        // Numbered in the order of the crashes, after every report queued before.
        const QString queued = folder.filePath(
            QStringLiteral("unsent-%1-%2.log").arg(stamp).arg(moved, 4, 10, QLatin1Char('0')));
        if (QFile::rename(info.filePath(), queued)) {
            ++moved;
            ++pending.newCrashes;
        }
    }
    QStringList queue = folder.entryList({QStringLiteral("unsent-*.log")}, QDir::Files, QDir::Name);
    std::sort(queue.begin(), queue.end(), [](const QString& a, const QString& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b; // the times have as many digits for ages
    });
    while (queue.size() > keptCrashReportCount)
        QFile::remove(folder.filePath(queue.takeFirst()));
    for (const QString& name : std::as_const(queue))
        pending.files.append(folder.filePath(name));
    return pending;
}

QString readCrashReport(const QString& file) {
    QFile report(file);
    return report.open(QIODevice::ReadOnly) ? QString::fromUtf8(report.read(maxReportBytes)) : QString();
}

bool newReportsAccepted(const PendingCrashReports& reports, const CrashReportUploader& uploader) {
    const QStringList newest =
        reports.files.mid(std::max<qsizetype>(0, reports.files.size() - reports.newCrashes));
    return std::all_of(newest.cbegin(), newest.cend(),
                       [&uploader](const QString& file) { return uploader.wasAccepted(file); });
}

QByteArray crashReportBody(const QString& report, const QString& boundary) {
    const QByteArray delimiter = "--" + boundary.toUtf8();
    return delimiter + "\r\n" + "Content-Disposition: form-data; name=\"crashlog\"\r\n" + "\r\n" +
           report.toUtf8() + "\r\n" + delimiter + "--" + "\r\n";
}

QUrl crashReportEndpoint() {
    const QString overridden = qEnvironmentVariable("VISTRELLE_CRASH_REPORT_URL");
    return QUrl(!overridden.isEmpty()
                    ? overridden
                    : DeployConstants::siteRoot + QStringLiteral("/crash_reports/index.php"));
}

CrashReportUploader::CrashReportUploader(QUrl endpoint, QObject* parent)
    : QObject(parent)
    , endpoint_(std::move(endpoint)) {}

void CrashReportUploader::send(const QString& file, const QString& appName, const QString& appVersion) {
    const QString report = readCrashReport(file);
    const QString boundary = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    QNetworkRequest request(endpoint_);
    request.setTransferTimeout(transferTimeoutMs);
    request.setRawHeader("Content-Type", "multipart/form-data; boundary=" + boundary.toUtf8());
    request.setRawHeader("User-Agent", (appName + QLatin1Char('-') + appVersion).toUtf8());
    QNetworkReply* reply = network_.post(request, crashReportBody(report, boundary));
    ++pending_;
    connect(reply, &QNetworkReply::finished, this, [this, reply, file] {
        reply->deleteLater();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->error() == QNetworkReply::NoError && status >= 200 && status < 300) {
            QFile::remove(file);
            accepted_.insert(file);
        } else {
            ++refused_;
        }
        if (--pending_ == 0)
            emit finished();
    });
}

} // namespace vistrelle
