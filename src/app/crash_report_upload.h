#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace vistrelle {

// The reports earlier runs left in the report folder, waiting to be sent.
struct PendingCrashReports {
    int newCrashes = 0; // reports of crashes since the last start: the user is told about these
    QStringList files;  // every report the crash collector has not accepted yet, oldest first
};

// At most this many reports wait to be sent; the oldest go first.
inline constexpr int keptCrashReportCount = 20;

// Moves the reports of crashed processes ("crash-<pid>.log" of other processes, and "crash-<pid>-<n>.log"
// kept aside) into the queue of reports to send ("unsent-<time>-<n>.log"), drops the oldest beyond
// `keptCrashReportCount`, and lists the queue. A report stays queued until the collector accepts it, so a
// computer without a network sends it at a later start. Empty files are not reports: those of processes
// that no longer run are removed, those of running processes (another window of ours) left alone.
PendingCrashReports collectPendingCrashReports(const QString& reportFolder);

// A queued report's text: read up to 1 MiB, invalid UTF-8 replaced.
QString readCrashReport(const QString& file);

// The multipart form that carries `report` in its one field, "crashlog".
QByteArray crashReportBody(const QString& report, const QString& boundary);

// Where reports are sent: our web site's crash collector, or the address in the environment variable
// VISTRELLE_CRASH_REPORT_URL (to watch it work against a local server).
QUrl crashReportEndpoint();

// Posts queued crash reports without waiting for them. A report's file is removed once the collector
// accepted it (a 2xx answer); any other outcome leaves it queued for the next start.
class CrashReportUploader : public QObject {
    Q_OBJECT

public:
    explicit CrashReportUploader(QUrl endpoint = crashReportEndpoint(), QObject* parent = nullptr);

    // Starts sending the report in `file`, as `appName`-`appVersion`; it gives up after 5 seconds without
    // progress.
    void send(const QString& file, const QString& appName, const QString& appVersion);
    bool isSending() const { return pending_ > 0; }
    // Whether every report sent so far was accepted (true before any).
    bool allAccepted() const { return refused_ == 0; }
    // Whether the collector accepted the report in `file`.
    bool wasAccepted(const QString& file) const { return accepted_.contains(file); }

signals:
    // When the last report being sent is done with, accepted or not.
    void finished();

private:
    QUrl endpoint_;
    QNetworkAccessManager network_;
    int pending_ = 0;
    int refused_ = 0;
    QSet<QString> accepted_;
};

// Whether the reports of the crashes since the last start (the newest in the queue) all reached the
// collector; older ones it keeps refusing say nothing of them.
bool newReportsAccepted(const PendingCrashReports& reports, const CrashReportUploader& uploader);

} // namespace vistrelle
