#include "app/document_controller.h"

#include "app/crash_report_text.h"
#include "app/window_manager.h"
#include "app/window_position_observer.h"
#include "editor/editor_window.h"
#include "editor/vistrelle_commands.h"
#include "platform/app_logger.h"
#include "platform/preferences.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace vistrelle {
namespace {

const QString recentFilesKey = QStringLiteral("recentDocuments");

// A reason as a sentence of its own inside a longer message.
QString sentence(QString reason) {
    reason = reason.trimmed();
    if (!reason.isEmpty() && !reason.endsWith(u'.'))
        reason += u'.';
    return reason;
}

QString fileFilter() {
    return DocumentController::tr("Vistrelle Projects (*.vistrelle)");
}

} // namespace

DocumentController::DocumentController(const QString& recoveryFolder, QObject* parent)
    : QObject(parent)
    , recovery_(recoveryFolder) {}

DocumentController::~DocumentController() = default;

QList<EditorWindow*> DocumentController::windows() const {
    return windows_;
}

void DocumentController::setQuietForTests(std::function<CloseAnswer(EditorWindow&)> answer) {
    quiet_ = true;
    quietAnswer_ = std::move(answer);
}

void DocumentController::showError(QWidget* parent, const QString& title, const QString& text,
                                   const QString& details) {
    AppLogger::logError(title + QStringLiteral(": ") + text);
    if (quiet_)
        return;
    auto* box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setInformativeText(details);
    if (parent) {
        // A sheet on its window: told, not asked, and the rest of the application stays usable.
        box->open();
        return;
    }
    // With no window yet (a file from the command line), it must be read before windows cover it.
    box->exec();
}

// --- windows

EditorWindow* DocumentController::addWindow(EditorWindow* window) {
    windows_.append(window);
    window->setCloseGuard([this](EditorWindow& closing) { return confirmClose(closing); });
    installFileMenu(*window);
    addVistrelleCommands(*window);

    // Started by the first change after a save and not restarted by later ones: a long run of edits (a
    // drag, typing) is still saved every few seconds, so a crash never costs more than the delay.
    connect(window, &EditorWindow::documentChanged, this, [this, window] {
        if (autosaveTimers_.count(window) != 0)
            return;
        autosaveTimers_[window] = scheduler_->singleShot(autosaveDelayMs / 1000.0, [this, window] {
            autosaveTimers_.erase(window);
            autosave(*window);
        });
    });

    connect(window, &EditorWindow::saveAsRequested, this, [this, window] { saveAs(*window); });
    connect(window, &EditorWindow::aboutRequested, this, &DocumentController::aboutRequested);
    connect(window, &EditorWindow::quitRequested, this, &DocumentController::quit);
    // A window that put off closing to ask first (a deployment to stop) and was told no: no quitting.
    connect(window, &EditorWindow::closeDeclined, this, [this] { quitting_ = false; });

    const QUuid id = window->windowId();
    // `destroyed` comes from inside the window's destructor: the window is compared by address only,
    // never used (it is no EditorWindow any more, and a guarded pointer to it is not yet cleared).
    connect(window, &QObject::destroyed, this, [this, window, id] {
        // A window that closed normally leaves no recovery copy behind.
        recovery_.remove(id);
        autosaveTimers_.erase(window);
        askingToClose_.remove(window);
        windows_.removeOne(window);
        if (quitting_ && std::exchange(quitWaitsForAWindow_, false)) {
            // The window that asked first is gone: quitting goes on with the others.
            QMetaObject::invokeMethod(this, &DocumentController::quit, Qt::QueuedConnection);
            return;
        }
        if (windows_.isEmpty() && !quitting_)
            emit lastWindowClosed();
    });

    // Where the last document window was, else beside the palettes; a second window cascades.
    const EditorWindow* beside = windows_.size() > 1 ? windows_.at(windows_.size() - 2) : nullptr;
    WindowManager::shared().restoreDocumentWindow(*window, beside);
    new WindowPositionObserver(*window, WindowManager::documentIdentifier);
    window->show();
    // The title bar is known once shown; then the whole screen is fitted into the canvas.
    QTimer::singleShot(0, window, [window] {
        WindowManager::keepOnScreen(*window);
        window->zoomToFitUpToActualSize();
    });
    return window;
}

EditorWindow* DocumentController::newDocument() {
    return addWindow(new EditorWindow(VistrelleDocument()));
}

void DocumentController::openDocument() {
    const QStringList paths =
        QFileDialog::getOpenFileNames(QApplication::activeWindow(), tr("Open"), QString(), fileFilter());
    for (const QString& path : paths)
        openFile(path);
}

EditorWindow* DocumentController::openFile(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (EditorWindow* window : windows()) {
        if (!window->filePath().isEmpty() && QFileInfo(window->filePath()) == QFileInfo(absolute)) {
            window->show();
            window->raise();
            window->activateWindow();
            return window;
        }
    }
    Result<VistrelleDocument> document = VistrelleDocument::readFile(absolute);
    if (!document) {
        showError(QApplication::activeWindow(),
                  tr("The document “%1” could not be opened.").arg(QFileInfo(absolute).fileName()),
                  document.error().description(), document.error().recoverySuggestion());
        return nullptr;
    }
    auto* window = new EditorWindow(std::move(document).value());
    window->setFilePath(absolute);
    noteRecentFile(absolute);
    return addWindow(window);
}

// --- saving

bool DocumentController::writeDocument(EditorWindow& window, const QString& path) {
    window.session().reportChangeNow(); // the window is marked modified before it is marked saved
    const std::optional<VistrelleError> error = window.currentDocument().writeFile(path);
    if (error) {
        showError(&window, tr("The document “%1” could not be saved.").arg(QFileInfo(path).fileName()),
                  error->description(), error->recoverySuggestion());
        return false;
    }
    window.setModified(false);
    window.clearSaveProblem();
    recovery_.remove(window.windowId());
    return true;
}

bool DocumentController::save(EditorWindow& window) {
    if (window.filePath().isEmpty())
        return saveAs(window);
    return writeDocument(window, window.filePath());
}

bool DocumentController::saveAs(EditorWindow& window) {
    const QString folder =
        window.filePath().isEmpty() ? QDir::homePath() : QFileInfo(window.filePath()).absolutePath();
    QString path = QFileDialog::getSaveFileName(
        &window, tr("Save As"), QDir(folder).filePath(window.displayName() + QStringLiteral(".vistrelle")),
        fileFilter());
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().compare(QStringLiteral("vistrelle"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".vistrelle");
    if (!writeDocument(window, path))
        return false;
    window.setFilePath(QFileInfo(path).absoluteFilePath());
    noteRecentFile(window.filePath());
    return true;
}

void DocumentController::autosave(EditorWindow& window) {
    window.session().reportChangeNow(); // an edit of this turn counts
    if (!window.isModified())
        return;
    const VistrelleDocument document = window.currentDocument();
    std::optional<QString> inPlaceFailure;
    if (!window.filePath().isEmpty() && document.project.settings.autoSave) {
        const std::optional<VistrelleError> error = document.writeFile(window.filePath());
        if (!error) {
            window.setModified(false);
            window.clearSaveProblem();
            recovery_.remove(window.windowId());
            return;
        }
        AppLogger::logFailure(QStringLiteral("Failed to autosave document: "), error->description());
        inPlaceFailure = error->detail();
    }
    const std::optional<QString> copyFailure = recovery_.save(window.windowId(), document, window.filePath());
    if (copyFailure)
        AppLogger::logFailure(QStringLiteral("Failed to write the recovery copy: "), *copyFailure);

    // The user did not ask for this save, so no dialog; but work that is not safe must not go unnoticed.
    const QString name = window.displayName();
    if (copyFailure)
        window.showSaveProblem(tr("Your changes to “%1” are not saved anywhere: %2 Choose Save As… to save "
                                  "them in another place.")
                                   .arg(name, sentence(inPlaceFailure.value_or(*copyFailure))));
    else if (inPlaceFailure)
        window.showSaveProblem(tr("“%1” could not be saved automatically: %2 Your changes are kept in a "
                                  "recovery copy for now. Choose Save As… to save them in another place.")
                                   .arg(name, sentence(*inPlaceFailure)));
}

void DocumentController::revert(EditorWindow& window) {
    if (window.filePath().isEmpty())
        return;
    if (quiet_ || !window.isModified()) {
        revertNow(window);
        return;
    }
    auto* box =
        new QMessageBox(QMessageBox::Question, tr("Revert to Saved"),
                        tr("Do you want to revert “%1” to the last saved version?").arg(window.displayName()),
                        QMessageBox::NoButton, &window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setInformativeText(tr("Your current changes will be lost."));
    QPushButton* revertButton = box->addButton(tr("Revert"), QMessageBox::DestructiveRole);
    box->addButton(QMessageBox::Cancel);
    // The box is the window's child: it cannot outlive the window it would revert.
    connect(box, &QMessageBox::buttonClicked, this,
            [this, revertButton, target = &window](QAbstractButton* clicked) {
                if (clicked == revertButton)
                    revertNow(*target);
            });
    box->open();
}

void DocumentController::revertNow(EditorWindow& window) {
    Result<VistrelleDocument> document = VistrelleDocument::readFile(window.filePath());
    if (!document) {
        showError(&window,
                  tr("The document “%1” could not be opened.").arg(QFileInfo(window.filePath()).fileName()),
                  document.error().description(), document.error().recoverySuggestion());
        return;
    }
    window.replaceDocument(std::move(document).value());
    window.setModified(false);
    recovery_.remove(window.windowId());
}

// --- closing

bool DocumentController::confirmClose(EditorWindow& window) {
    if (!window.isModified())
        return true;
    if (quiet_)
        return answerClose(window, quietAnswer_ ? quietAnswer_(window) : CloseAnswer::cancel);
    askAboutClosing(window);
    return false; // the answer closes the window, if it should
}

bool DocumentController::answerClose(EditorWindow& window, CloseAnswer answer) {
    switch (answer) {
    case CloseAnswer::save:
        return save(window);
    case CloseAnswer::discard:
        return true;
    case CloseAnswer::cancel:
        return false;
    }
    return false;
}

void DocumentController::askAboutClosing(EditorWindow& window) {
    window.show();
    window.raise();
    window.activateWindow();
    if (askingToClose_.contains(&window))
        return; // its question is already on the window
    askingToClose_.insert(&window);
    auto* box = new QMessageBox(
        QMessageBox::Warning, tr("Vistrelle"),
        tr("Do you want to save the changes made to the document “%1”?").arg(window.displayName()),
        QMessageBox::NoButton, &window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setInformativeText(tr("Your changes will be lost if you don’t save them."));
    QPushButton* saveButton = box->addButton(tr("Save"), QMessageBox::AcceptRole);
    QPushButton* discardButton = box->addButton(tr("Don’t Save"), QMessageBox::DestructiveRole);
    box->addButton(QMessageBox::Cancel);
    box->setDefaultButton(saveButton);
    // A sheet on the window, answered when the user likes; while quitting, the next changed document is
    // asked about once this one is settled.
    connect(box, &QMessageBox::finished, this, [this, box, saveButton, discardButton, target = &window] {
        askingToClose_.remove(target);
        const CloseAnswer answer = box->clickedButton() == saveButton      ? CloseAnswer::save
                                   : box->clickedButton() == discardButton ? CloseAnswer::discard
                                                                           : CloseAnswer::cancel;
        if (!answerClose(*target, answer)) {
            quitting_ = false;
            return;
        }
        target->closeWithoutAsking();
        if (quitting_)
            QMetaObject::invokeMethod(this, &DocumentController::quit, Qt::QueuedConnection);
    });
    box->open();
}

void DocumentController::quit() {
    quitting_ = true;
    if (closeAll()) {
        quitWaitsForAWindow_ = false;
        emit quitRequested();
        return;
    }
    // A document asks first: its answer goes on with quitting, or cancels it. A window stopping a
    // deployment first closes once it has stopped, and quitting goes on then.
    const QList<EditorWindow*> open = windows();
    quitWaitsForAWindow_ = std::any_of(open.cbegin(), open.cend(), [](const EditorWindow* window) {
        return window->isAskingBeforeClosing();
    });
    if (askingToClose_.isEmpty() && !quitWaitsForAWindow_)
        quitting_ = false;
}

bool DocumentController::closeAll() {
    for (EditorWindow* window : windows())
        if (!window->close())
            return false;
    return true;
}

// --- recovery

bool DocumentController::offerRecovery(const std::optional<QString>& crashNotice) {
    const QList<RecoveryStore::Entry> leftovers = recovery_.leftovers();
    if (crashNotice && !quiet_)
        showCrashNotice(*crashNotice, int(leftovers.size()));
    if (leftovers.isEmpty())
        return false;
    bool restore = true;
    if (!quiet_ && !crashNotice) {
        QMessageBox box(QMessageBox::Question, tr("Restore Unsaved Changes"),
                        tr("Vistrelle did not quit properly last time."), QMessageBox::NoButton);
        box.setInformativeText(tr("Unsaved changes of %n document(s) were kept. Do you want to restore them?",
                                  "", int(leftovers.size())));
        QPushButton* restoreButton = box.addButton(tr("Restore"), QMessageBox::AcceptRole);
        box.addButton(tr("Discard"), QMessageBox::DestructiveRole);
        box.setDefaultButton(restoreButton);
        box.exec();
        restore = box.clickedButton() == restoreButton;
    }
    bool reopened = false;
    for (const RecoveryStore::Entry& entry : leftovers) {
        if (restore) {
            Result<VistrelleDocument> document = VistrelleDocument::readFile(entry.documentPath);
            if (!document) {
                AppLogger::logFailure(QStringLiteral("Failed to read recovery copy: "),
                                      document.error().description());
                continue; // an unreadable copy stays where it is, for a person to look at
            }
            auto* window = new EditorWindow(std::move(document).value());
            if (!entry.originalPath.isEmpty())
                window->setFilePath(entry.originalPath);
            window->setModified(true);
            // The restored work is safe under the new window's name before the old copy goes.
            if (recovery_.save(window->windowId(), window->currentDocument(), entry.originalPath)
                    .has_value()) {
                delete window;
                continue;
            }
            addWindow(window);
            reopened = true;
        }
        recovery_.discard(entry);
    }
    return reopened;
}

void DocumentController::showCrashNotice(const QString& notice, int keptDocuments) {
    // One alert tells both: what happened, and that the work was kept (it is reopened right after).
    QMessageBox box(QMessageBox::Information, crashAlertTitle(), crashAlertTitle(), QMessageBox::Ok);
    QString text = notice;
    if (keptDocuments > 0)
        text += QStringLiteral("\n\n") + tr("Your unsaved changes were kept and are reopened now.");
    box.setInformativeText(text);
    box.exec();
}

// --- menu

void DocumentController::installFileMenu(EditorWindow& window) {
    QMenu* file = window.menuBar()->addMenu(tr("&File"));
    EditorWindow* target = &window;
    file->addAction(tr("&New"), QKeySequence::New, this, [this] { newDocument(); });
    file->addAction(tr("&Open…"), QKeySequence::Open, this, [this] { openDocument(); });
    QMenu* recent = file->addMenu(tr("Open &Recent"));
    connect(recent, &QMenu::aboutToShow, this, [this, recent] { fillRecentMenu(recent); });
    file->addSeparator();
    file->addAction(tr("&Save"), QKeySequence::Save, this, [this, target] { save(*target); });
    file->addAction(tr("Save &As…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this,
                    [this, target] { saveAs(*target); });
    QAction* revertAction =
        file->addAction(tr("Re&vert to Saved"), this, [this, target] { revert(*target); });
    connect(file, &QMenu::aboutToShow, revertAction, [revertAction, target] {
        revertAction->setEnabled(!target->filePath().isEmpty() && target->isModified());
    });
    file->addSeparator();
    file->addAction(tr("&Close"), QKeySequence(Qt::CTRL | Qt::Key_W), target, &QWidget::close);
    QAction* quit =
        file->addAction(tr("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), this, &DocumentController::quit);
    quit->setMenuRole(QAction::QuitRole);
}

QStringList DocumentController::recentFiles() const {
    return Preferences::value(recentFilesKey).toStringList();
}

void DocumentController::noteRecentFile(const QString& path) {
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > recentLimit)
        files.removeLast();
    if (const std::optional<QString> failure = Preferences::setValue(recentFilesKey, files))
        Preferences::reportWriteFailure(tr("Could not save the list of recent projects: %1"), *failure);
}

void DocumentController::fillRecentMenu(QMenu* menu) {
    menu->clear();
    const QStringList files = recentFiles();
    for (const QString& path : files) {
        QAction* entry = menu->addAction(QFileInfo(path).fileName(), this, [this, path] { openFile(path); });
        entry->setToolTip(path);
        entry->setEnabled(QFileInfo::exists(path));
    }
    if (files.isEmpty())
        menu->addAction(tr("No Recent Documents"))->setEnabled(false);
    menu->addSeparator();
    menu->addAction(tr("Clear Menu"), this,
                    [this] {
                        if (const std::optional<QString> failure = Preferences::remove(recentFilesKey))
                            Preferences::reportWriteFailure(
                                tr("Could not save the list of recent projects: %1"), *failure);
                    })
        ->setEnabled(!files.isEmpty());
}

} // namespace vistrelle
