#include "editor/show_check_runner.h"

#include "editing/document_session.h"
#include "editor/active_session.h"
#include "media/image_cache.h"
#include "media/path_resolver.h"

#include <QGuiApplication>
#include <QtConcurrent/QtConcurrentMap>
#include <QtConcurrent/QtConcurrentRun>

namespace vistrelle {

ShowCheckRunner& ShowCheckRunner::shared() {
    static ShowCheckRunner* runner = [] {
        auto* shared = new ShowCheckRunner(Scheduler::eventLoop(), qApp);
        shared->setSession(ActiveSession::shared().session());
        connect(&ActiveSession::shared(), &ActiveSession::sessionChanged, shared,
                &ShowCheckRunner::setSession);
        return shared;
    }();
    return *runner;
}

ShowCheckRunner::ShowCheckRunner(std::unique_ptr<Scheduler> scheduler, QObject* parent)
    : QObject(parent)
    , scheduler_(std::move(scheduler))
    , media_(std::make_unique<MediaProbe>(PathResolver::shared(), ImageCache::shared())) {
    connect(&running_, &QFutureWatcher<Outcome>::finished, this, &ShowCheckRunner::finish);
    // Back from another program, the files may have been put right: look again.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            recheckAll();
    });
    documentChanged();
}

ShowCheckRunner::~ShowCheckRunner() {
    running_.waitForFinished();
}

void ShowCheckRunner::setSession(DocumentSession* session) {
    // None again after a window closed: its pointer is already gone, yet what it showed must go too.
    if (session_ == session && session)
        return;
    if (session_)
        disconnect(session_, nullptr, this, nullptr);
    session_ = session;
    checked_.clear(); // another document: nothing carries over
    if (session)
        connect(session, &DocumentSession::changed, this, [this](const DocumentChange& change) {
            if (change.edited())
                documentChanged(); // the check waits for a pause in the editing
        });
    documentChanged();
    emit sessionChanged();
}

void ShowCheckRunner::setHighPerformance(bool on) {
    if (options_.highPerformance == on)
        return;
    options_.highPerformance = on;
    emit highPerformanceChanged();
    recheckAll();
}

void ShowCheckRunner::recheckAll() {
    checked_.clear();
    documentChanged();
}

void ShowCheckRunner::documentChanged() {
    settle_ = scheduler_->singleShot(settleSeconds, [this] {
        settle_.reset();
        start();
    });
}

void ShowCheckRunner::start() {
    if (checking_) {
        pending_ = true;
        return;
    }
    pending_ = false;
    if (!session_) {
        checked_.clear();
        if (!findings_.isEmpty()) {
            findings_.clear();
            emit findingsChanged();
        }
        return;
    }
    checking_ = true;
    running_.setFuture(
        QtConcurrent::run(&ShowCheckRunner::run, session_->project(), checked_, std::ref(*media_), options_));
    emit checkingChanged();
}

ShowCheckRunner::Outcome ShowCheckRunner::run(const KioskProject& project, CheckedScreens checked,
                                              MediaProbe& media, const CheckOptions& options) {
    QList<qsizetype> changed;
    for (qsizetype i = 0; i < project.screens.size(); ++i) {
        const auto known = checked.constFind(project.screens[i].id);
        if (known == checked.cend() || !(known->screen == project.screens[i]))
            changed.append(i);
    }
    const QList<QList<CheckFinding>> fresh = QtConcurrent::blockingMapped(
        changed, [&](qsizetype index) { return checkScreen(project, index, media, options); });

    Outcome outcome;
    outcome.findings = checkProjectSettings(project, media, options);
    qsizetype next = 0;
    for (qsizetype i = 0; i < project.screens.size(); ++i) {
        const KioskScreen& screen = project.screens[i];
        CheckedScreen current;
        if (next < changed.size() && changed[next] == i) {
            current = {screen, fresh[next++]};
        } else {
            current = checked.value(screen.id);
            for (CheckFinding& finding : current.findings)
                finding.screenNumber = int(i + 1); // the screen may have moved
        }
        outcome.findings.append(current.findings);
        outcome.checked.insert(screen.id, std::move(current));
    }
    return outcome;
}

void ShowCheckRunner::finish() {
    Outcome outcome = running_.result();
    checking_ = false;
    checked_ = std::move(outcome.checked);
    const bool changed = outcome.findings != findings_;
    findings_ = std::move(outcome.findings);
    emit checkingChanged();
    if (changed)
        emit findingsChanged();
    if (pending_)
        start();
}

} // namespace vistrelle
