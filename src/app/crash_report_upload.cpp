#include "app/crash_report_upload.h"

#include "app/crash_report_text.h"
#include "export/deploy_constants.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUuid>

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

QStringList takePendingCrashReports(const QString& reportFolder) {
    const QString own = crashReportFileName(QCoreApplication::applicationPid());
    const QFileInfoList files =
        QDir(reportFolder)
            .entryInfoList({QStringLiteral("crash-*.log")}, QDir::Files, QDir::Time | QDir::Reversed);
    QStringList reports;
    for (const QFileInfo& info : files) {
        if (info.fileName() == own)
            continue;
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = file.read(maxReportBytes);
        file.close();
        if (bytes.isEmpty()) {
            if (!processRuns(processIdOf(info.fileName())))
                file.remove();
            continue;
        }
        if (file.remove())
            reports.append(QString::fromUtf8(bytes));
    }
    return reports;
}

QByteArray crashReportBody(const QString& report, const QString& boundary) {
    const QByteArray delimiter = "--" + boundary.toUtf8();
    return delimiter + "\r\n" + "Content-Disposition: form-data; name=\"crashlog\"\r\n" + "\r\n" +
           report.toUtf8() + "\r\n" + delimiter + "--" + "\r\n";
}

QUrl crashReportEndpoint() {
    static const QUrl endpoint(DeployConstants::siteRoot + QStringLiteral("/crash_reports/index.php"));
    return endpoint;
}

CrashReportUploader::CrashReportUploader(QUrl endpoint, QObject* parent)
    : QObject(parent)
    , endpoint_(std::move(endpoint)) {}

void CrashReportUploader::send(const QString& report, const QString& appName, const QString& appVersion) {
    const QString boundary = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    QNetworkRequest request(endpoint_);
    request.setTransferTimeout(transferTimeoutMs);
    request.setRawHeader("Content-Type", "multipart/form-data; boundary=" + boundary.toUtf8());
    request.setRawHeader("User-Agent", (appName + QLatin1Char('-') + appVersion).toUtf8());
    QNetworkReply* reply = network_.post(request, crashReportBody(report, boundary));
    ++pending_;
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        reply->deleteLater();
        if (--pending_ == 0)
            emit finished();
    });
}

} // namespace vistrelle
