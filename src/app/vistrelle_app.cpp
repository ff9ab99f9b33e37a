#include "app/vistrelle_app.h"

#include "app/about_window.h"
#include "app/crash_report_text.h"
#include "app/welcome_window.h"
#include "app/window_manager.h"
#include "app/window_position_observer.h"
#include "editor/editor_window.h"
#include "editor/inspector/inspector_palette.h"
#include "editor/palette_windows.h"
#include "platform/preferences.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>

namespace vistrelle {
namespace {

// On the display of the active window (where the user is looking), else on the main one.
void centreOnScreen(QWidget& window) {
    const QWidget* active = QApplication::activeWindow();
    const QScreen* screen = active && active->screen() ? active->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(), window.size());
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace

VistrelleApp::VistrelleApp(QObject* parent)
    : QObject(parent) {
    PaletteWindows::shared().setWindowSetUp(
        [this](QDockWidget& dock, QWidget& palette, const QString& identifier) {
            setUpPalette(dock, palette, identifier);
        });
    PaletteWindows::shared().setFloatingPlacement(&VistrelleApp::placeFloatingPalette);
    // Floating palettes need room beside the project window, docked ones none.
    connect(&PaletteWindows::shared(), &PaletteWindows::floatingPalettesChanged, this, [](bool floating) {
        if (QMainWindow* host = PaletteWindows::shared().host())
            WindowManager::shared().placeDocumentWindow(*host, floating);
    });
    connect(&documents_, &DocumentController::lastWindowClosed, this, [this] {
        // No document left: the palettes have nothing to show, and the start window keeps the application
        // within reach.
        PaletteWindows::shared().closeAll();
        showWelcome(false);
    });
    connect(&documents_, &DocumentController::quitRequested, this, [this] {
        PaletteWindows::shared().closeAll();
        closeWelcome();
        if (about_)
            about_->close();
        emit quitRequested();
    });
    connect(&documents_, &DocumentController::aboutRequested, this, &VistrelleApp::showAbout);
}

VistrelleApp::~VistrelleApp() {
    PaletteWindows::shared().setWindowSetUp({});
    delete welcome_;
    delete about_;
}

WelcomeWindow* VistrelleApp::welcomeWindow() const {
    return welcome_;
}

AboutWindow* VistrelleApp::aboutWindow() const {
    return about_;
}

void VistrelleApp::launch(const QStringList& files, std::optional<CrashReportDelivery> crash) {
    const bool firstStart = !Preferences::value(hasSeenWelcomeKey, false).toBool();
    documents_.offerRecovery(crash ? std::optional<QString>(crashAlertText(*crash)) : std::nullopt);
    for (const QString& path : files)
        documents_.openFile(path);
    if (firstStart)
        showWelcome(true); // in front of any document, until "Get Started"
    else if (documents_.windows().isEmpty())
        documents_.newDocument();
}

void VistrelleApp::openFromAnotherLaunch(const QStringList& files) {
    EditorWindow* shown = nullptr;
    for (const QString& path : files)
        if (EditorWindow* window = documents_.openFile(path))
            shown = window;
    if (files.isEmpty())
        shown = documents_.newDocument();
    if (shown) {
        shown->raise();
        shown->activateWindow();
    }
    leaveWelcomeIfDocumentOpen();
}

// --- welcome and start window

void VistrelleApp::showWelcome(bool firstStart) {
    if (!welcome_) {
        welcome_ = new WelcomeWindow;
        addApplicationShortcuts(*welcome_);
        connect(welcome_, &WelcomeWindow::getStartedClicked, this, [this] {
            dismissWelcomeForGood();
            if (documents_.windows().isEmpty())
                documents_.newDocument();
            closeWelcome();
        });
        connect(welcome_, &WelcomeWindow::newProjectRequested, this, &VistrelleApp::newProject);
        connect(welcome_, &WelcomeWindow::openRequested, this, &VistrelleApp::openProject);
        connect(welcome_, &WelcomeWindow::recentProjectRequested, this, [this](const QString& path) {
            documents_.openFile(path);
            leaveWelcomeIfDocumentOpen();
        });
        connect(welcome_, &WelcomeWindow::dismissed, this, [this] {
            dismissWelcomeForGood();
            // Closing the start window with no document open ends the application, as closing the last
            // window does elsewhere.
            if (documents_.windows().isEmpty())
                emit quitRequested();
        });
    }
    const bool placed = welcome_->isVisible();
    welcome_->setFirstStart(firstStart);
    welcome_->setRecentProjects(documents_.recentFiles());
    if (!placed)
        centreOnScreen(*welcome_);
    welcome_->show();
    welcome_->raise();
    welcome_->activateWindow();
}

void VistrelleApp::newProject() {
    documents_.newDocument();
    leaveWelcomeIfDocumentOpen();
}

void VistrelleApp::openProject() {
    documents_.openDocument();
    leaveWelcomeIfDocumentOpen();
}

void VistrelleApp::closeWelcome() {
    if (welcome_)
        welcome_->close();
}

void VistrelleApp::leaveWelcomeIfDocumentOpen() {
    if (documents_.windows().isEmpty())
        return;
    // A way in was taken: the first start's welcome has done its job.
    dismissWelcomeForGood();
    closeWelcome();
}

void VistrelleApp::dismissWelcomeForGood() {
    // Kept for this run when it cannot be saved; the welcome would come back at the next start.
    if (const std::optional<QString> failure = Preferences::setValue(hasSeenWelcomeKey, true))
        Preferences::reportWriteFailure(tr("Could not save that the welcome was seen: %1"), *failure);
}

// --- about

void VistrelleApp::showAbout() {
    if (!about_) {
        about_ = new AboutWindow;
        about_->setAttribute(Qt::WA_DeleteOnClose);
        addApplicationShortcuts(*about_);
        about_->adjustSize();
        centreOnScreen(*about_);
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

// --- shortcuts and palettes

void VistrelleApp::addApplicationShortcuts(QWidget& window) {
    const auto add = [&window](const QString& name, const QKeySequence& keys, auto run) {
        auto* action = new QAction(name, &window);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, &window, run);
        window.addAction(action);
    };
    add(tr("New"), QKeySequence::New, [this] { newProject(); });
    add(tr("Open…"), QKeySequence::Open, [this] { openProject(); });
    add(tr("Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { documents_.quit(); });
}

void VistrelleApp::placeFloatingPalette(QDockWidget& dock, const QString& identifier) {
    WindowManager& frames = WindowManager::shared();
    if (identifier == PaletteWindows::screensIdentifier)
        frames.restoreScreensWindow(dock);
    else if (identifier == PaletteWindows::componentLibraryIdentifier)
        frames.restoreComponentLibraryWindow(dock);
    else if (identifier == PaletteWindows::showCheckIdentifier)
        frames.restoreShowCheckWindow(dock);
    else if (const auto* inspector = qobject_cast<const InspectorPalette*>(dock.widget()))
        frames.restoreInspectorWindow(dock, inspector->contentName(),
                                      InspectorPalette::requestedHeight(inspector->contentName()));
}

void VistrelleApp::setUpPalette(QDockWidget& dock, QWidget& palette, const QString& identifier) {
    // Only a floating palette's frame is the user's to keep; a docked one follows its window.
    auto* observer = new WindowPositionObserver(dock, identifier);
    if (auto* inspector = qobject_cast<InspectorPalette*>(&palette)) {
        observer->setContentName(inspector->contentName());
        // Each content keeps its own height: a screen's settings are taller than the empty page.
        connect(inspector, &InspectorPalette::contentChanged, observer,
                [&dock, observer](const QString& now) {
                    observer->setContentName(now);
                    if (dock.isFloating())
                        WindowManager::shared().restoreInspectorWindow(
                            dock, now, InspectorPalette::requestedHeight(now));
                });
    }
}

} // namespace vistrelle
