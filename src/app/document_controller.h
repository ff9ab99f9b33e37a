#pragma once

#include "app/recovery_store.h"
#include "platform/scheduler.h"

#include <QObject>
#include <QSet>
#include <QStringList>

#include <memory>
#include <unordered_map>

class QMenu;
class QTimer;

namespace vistrelle {

class EditorWindow;

// The application's documents: one editor window each. Creates, opens, saves
// (always atomically), reverts and closes them, keeps the recent files, saves
// every changed document within 3 seconds of a change (in place when it has a
// file and automatic saving is on, else as a recovery copy) and offers the
// recovery copies a crash left behind.
class DocumentController : public QObject {
    Q_OBJECT

public:
    static constexpr int autosaveDelayMs = 3000;
    static constexpr int recentLimit = 10;

    // `recoveryFolder`: where recovery copies go (default: the application's data folder).
    explicit DocumentController(const QString& recoveryFolder = {}, QObject* parent = nullptr);
    ~DocumentController() override;

    EditorWindow* newDocument();
    // Shows the open dialog.
    void openDocument();
    // Opens `path` (or brings its window to the front); on failure says why in a message box.
    EditorWindow* openFile(const QString& path);
    bool save(EditorWindow& window);
    bool saveAs(EditorWindow& window);
    void revert(EditorWindow& window);
    // Closes every window; false as soon as one does not close: the user cancelled, or (with dialogs) its
    // question about unsaved changes is now open on it.
    bool closeAll();

    // Offers the recovery copies of an unclean quit; true when any was reopened. After a crash,
    // `crashNotice` says what happened in the same alert, even when no work needed recovering.
    bool offerRecovery(const std::optional<QString>& crashNotice = std::nullopt);

    QList<EditorWindow*> windows() const;
    QStringList recentFiles() const;
    RecoveryStore& recoveryStore() { return recovery_; }
    // Saves a changed document now, as the autosave timer would.
    void autosave(EditorWindow& window);

    // The clock of automatic saving (tests hand in one they move by hand).
    void setScheduler(std::unique_ptr<Scheduler> scheduler) { scheduler_ = std::move(scheduler); }

    // Without message boxes (tests): failures are only logged and questions answered by `answer`.
    enum class CloseAnswer { save, discard, cancel };
    void setQuietForTests(std::function<CloseAnswer(EditorWindow&)> answer);

    // Closes every document (asking about unsaved changes) and says quitRequested unless the user cancelled.
    void quit();

signals:
    // The last document window went away (not while quitting).
    void lastWindowClosed();
    // Every document is closed and the application should end.
    void quitRequested();
    void aboutRequested();

private:
    EditorWindow* addWindow(EditorWindow* window);
    void installFileMenu(EditorWindow& window);
    void fillRecentMenu(QMenu* menu);
    void noteRecentFile(const QString& path);
    bool confirmClose(EditorWindow& window);
    bool answerClose(EditorWindow& window, CloseAnswer answer);
    void askAboutClosing(EditorWindow& window);
    bool writeDocument(EditorWindow& window, const QString& path);
    void showCrashNotice(const QString& notice, int keptDocuments);
    void revertNow(EditorWindow& window);
    void showError(QWidget* parent, const QString& title, const QString& text, const QString& details = {});

    RecoveryStore recovery_;
    std::unique_ptr<Scheduler> scheduler_ = Scheduler::eventLoop();
    std::unordered_map<const EditorWindow*, std::unique_ptr<Scheduler::Timer>> autosaveTimers_;
    QList<EditorWindow*> windows_; // removed by address as each one is destroyed
    std::function<CloseAnswer(EditorWindow&)> quietAnswer_;
    bool quiet_ = false;
    bool quitting_ = false;
    bool quitWaitsForAWindow_ = false; // quitting goes on when a window asking before it closes is gone
    QSet<const EditorWindow*> askingToClose_; // windows whose close question is open
};

} // namespace vistrelle
