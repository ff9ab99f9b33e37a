#pragma once

#include "model/project_model.h"

#include <QFuture>
#include <QObject>
#include <QStringList>
#include <QUrl>

#include <atomic>
#include <memory>

namespace vistrelle {

class PathResolver;

// Where a deployment stands.
struct DeployStatus {
    enum class Kind { idle, deploying, success, failed, cancelled };

    Kind kind = Kind::idle;
    QString message;            // failed: the error's description
    QString detail;             // failed: how to find what caused it (where a missing file is used), if known
    bool needsPassword = false; // failed because the project has no deploy password

    bool operator==(const DeployStatus&) const = default;
};

// What a deployment writes: the bundle with the media (the default), or with
// pre-rendered slides in `optimizedFormat` ("jpg", "png"); both optimized and
// flat: slides alone, straight into the destination folder.
struct DeployOptions {
    bool exportOptimized = false;
    QString optimizedFormat = QStringLiteral("jpg");
    bool exportFlat = false;
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
    // Cancels a running deployment and waits for it (at most a moment: the
    // worker stops at its next file, slide or 64 MB of a large file).
    ~KioskDeployManager() override;

    bool isDeploying() const { return isDeploying_; }
    double deployProgress() const { return deployProgress_; }
    // The slides written so far of a deployment that renders slides, and their number (0 before the first
    // and for a bundle of media); a change is announced with deployProgressChanged.
    struct SlideCount {
        qsizetype written = 0;
        qsizetype total = 0;
    };
    SlideCount slideCount() const { return slideCount_; }
    const DeployStatus& deployStatus() const { return deployStatus_; }
    const QStringList& deployLog() const { return deployLog_; }
    QUrl destinationURL() const { return destinationURL_; }

    // Starts a deployment into the folder `destination` and returns at once;
    // the outcome shows in the published state (and `finished`).
    void deploy(const KioskProject& project, const QString& destination, const DeployOptions& options = {});

    // Stops the running deployment at its next file or slide and removes what
    // it created (its bundle folder, or the slides of a flat export; nothing
    // else); the log then says "Deployment cancelled".
    void cancel();

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
    void finishWithFailure(const DeployStatus& status);
    void finishCancelled();

    // Runs on the worker; reports through queued calls.
    void runPipeline(const KioskProject& project, const QString& destination, const DeployOptions& options,
                     const std::shared_ptr<std::atomic_bool>& cancelled);
    void report(double value, const QString& message);

    bool isDeploying_ = false;
    double deployProgress_ = 0;
    SlideCount slideCount_;
    DeployStatus deployStatus_;
    QStringList deployLog_;
    QUrl destinationURL_;
    // Every deployment started: their workers report to this object, so it waits for all of them.
    QList<QFuture<void>> running_;
    std::shared_ptr<std::atomic_bool> cancelled_; // the running deployment's
};

} // namespace vistrelle
