#pragma once

#include "model/project_model.h"

#include <QFuture>
#include <QObject>
#include <QStringList>
#include <QUrl>

namespace vistrelle {

class PathResolver;

// Where a deployment stands.
struct DeployStatus {
    enum class Kind { idle, deploying, success, failed };

    Kind kind = Kind::idle;
    QString message; // failed: the error's description

    bool operator==(const DeployStatus&) const = default;
};

// Runs a deployment: validates the project, creates the bundle, writes the
// player XML, copies the media and writes the README, publishing a progress
// value and a log line per step. The file work runs on the thread pool; the
// published state changes only on the thread that owns the manager.
class KioskDeployManager : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isDeploying READ isDeploying NOTIFY isDeployingChanged)
    Q_PROPERTY(double deployProgress READ deployProgress NOTIFY deployProgressChanged)
    Q_PROPERTY(QStringList deployLog READ deployLog NOTIFY deployLogChanged)
    Q_PROPERTY(QUrl destinationURL READ destinationURL NOTIFY destinationURLChanged)

public:
    explicit KioskDeployManager(QObject* parent = nullptr);
    // Waits for a running deployment: its worker reports to this object.
    ~KioskDeployManager() override;

    bool isDeploying() const { return isDeploying_; }
    double deployProgress() const { return deployProgress_; }
    const DeployStatus& deployStatus() const { return deployStatus_; }
    const QStringList& deployLog() const { return deployLog_; }
    QUrl destinationURL() const { return destinationURL_; }

    // Starts a deployment into the folder `destination` and returns at once;
    // the outcome shows in the published state (and `finished`).
    void deploy(const KioskProject& project, const QString& destination, bool exportOptimized = false,
                const QString& optimizedFormat = QStringLiteral("jpg"), bool exportFlat = false);

    // The deployment started last, to wait for (tests, the command line).
    QFuture<void> runningDeployment() const { return running_.isEmpty() ? QFuture<void>() : running_.last(); }

signals:
    void isDeployingChanged();
    void deployProgressChanged();
    void deployStatusChanged();
    void deployLogChanged();
    void destinationURLChanged();
    // One step: the progress value and the message just appended to the log.
    void stepReached(double progress, const QString& message);
    void finished();

private:
    void updateProgress(double value, const QString& message);
    void setDeploying(bool deploying);
    void setStatus(const DeployStatus& status);
    void finishWithSuccess(const QString& destination);
    void finishWithFailure(const QString& message);

    // Runs on the worker; reports through queued calls.
    void runPipeline(const KioskProject& project, const QString& destination, bool exportOptimized,
                     const QString& optimizedFormat, bool exportFlat);
    void report(double value, const QString& message);

    bool isDeploying_ = false;
    double deployProgress_ = 0;
    DeployStatus deployStatus_;
    QStringList deployLog_;
    QUrl destinationURL_;
    // Every deployment started: their workers report to this object, so it waits for all of them.
    QList<QFuture<void>> running_;
};

} // namespace vistrelle
