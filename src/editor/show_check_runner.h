#pragma once

#include "editing/document_session.h"
#include "export/media_probe.h"
#include "export/show_check.h"
#include "platform/scheduler.h"

#include <QFutureWatcher>
#include <QHash>
#include <QObject>
#include <QPointer>

#include <memory>

namespace vistrelle {

// The show check of a session's document (the active window's), kept current while it is edited: a moment
// after the editing pauses the document is checked on the thread pool, and only the screens that changed
// since the last check are checked again. Main thread only.
class ShowCheckRunner : public QObject {
    Q_OBJECT

public:
    // How long the editing must pause before a check starts.
    static constexpr double settleSeconds = 0.3;

    static ShowCheckRunner& shared();
    explicit ShowCheckRunner(std::unique_ptr<Scheduler> scheduler = Scheduler::eventLoop(),
                             QObject* parent = nullptr);
    // Waits for a check still running.
    ~ShowCheckRunner() override;

    const QList<CheckFinding>& findings() const { return findings_; }
    CheckCounts counts() const { return countFindings(findings_); }
    // From the start of a check until its findings are taken (a little after its thread is done).
    bool isChecking() const { return checking_; }
    // Whether findings_ describe the document as it is now (no change waiting, nothing running).
    bool isCurrent() const { return !isChecking() && !settle_ && !pending_; }

    bool highPerformance() const { return options_.highPerformance; }
    // What the check knows of media files (safe from any thread).
    MediaProbe& media() { return *media_; }
    void setHighPerformance(bool on);

    // Checks everything again at once (the media on disk may have changed, which no edit shows).
    void recheckAll();

    // The session checked: the active window's (the shared runner follows it), or one given.
    DocumentSession* session() const { return session_; }
    void setSession(DocumentSession* session);

signals:
    void findingsChanged();
    void checkingChanged();
    void highPerformanceChanged();
    void sessionChanged();

private:
    struct CheckedScreen {
        KioskScreen screen;
        QList<CheckFinding> findings;
    };
    using CheckedScreens = QHash<QUuid, CheckedScreen>;
    struct Outcome {
        QList<CheckFinding> findings;
        CheckedScreens checked;
    };

    void documentChanged();
    void start();
    void finish();
    static Outcome run(const KioskProject& project, CheckedScreens checked, MediaProbe& media,
                       const CheckOptions& options);

    std::unique_ptr<Scheduler> scheduler_;
    std::unique_ptr<Scheduler::Timer> settle_;
    std::unique_ptr<MediaProbe> media_;
    CheckOptions options_;
    CheckedScreens checked_;
    QPointer<DocumentSession> session_;
    QList<CheckFinding> findings_;
    QFutureWatcher<Outcome> running_;
    bool pending_ = false; // a change arrived while a check was running
    bool checking_ = false;
};

} // namespace vistrelle
