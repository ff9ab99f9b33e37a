#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace vistrelle {

// The reports that earlier processes left in `reportFolder` (every "crash-*.log" but this process's
// own), oldest first. Each file is removed as it is taken, so that a report is offered once even when
// this run crashes while sending it; a file that cannot be removed is not offered. A report is read up
// to 1 MiB, invalid UTF-8 replaced. Empty files are not reports: those of processes that no longer run
// are removed, those of running processes (another window of ours) left alone.
QStringList takePendingCrashReports(const QString& reportFolder);

// The multipart form that carries `report` in its one field, "crashlog".
QByteArray crashReportBody(const QString& report, const QString& boundary);

// Where reports are sent: our web site's crash collector.
QUrl crashReportEndpoint();

// Posts crash reports without waiting for them. The answer is not read and every failure is ignored.
class CrashReportUploader : public QObject {
    Q_OBJECT

public:
    explicit CrashReportUploader(QUrl endpoint = crashReportEndpoint(), QObject* parent = nullptr);

    // Starts sending `report`, as `appName`-`appVersion`; it gives up after 5 seconds without progress.
    void send(const QString& report, const QString& appName, const QString& appVersion);
    bool isSending() const { return pending_ > 0; }

signals:
    // When the last report being sent is done with, sent or not.
    void finished();

private:
    QUrl endpoint_;
    QNetworkAccessManager network_;
    int pending_ = 0;
};

} // namespace vistrelle
