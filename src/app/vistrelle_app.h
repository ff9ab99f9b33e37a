#pragma once

#include "app/crash_report_text.h"
#include "app/document_controller.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <optional>

class QDockWidget;
class QWidget;

namespace vistrelle {

class AboutWindow;
class WelcomeWindow;

// The application: its documents, the welcome and start window, the About window and the palettes'
// frames. With no document open the start window stands in, so the application is always reachable and
// its shortcuts (New, Open, Quit) work from every one of its windows.
class VistrelleApp : public QObject {
    Q_OBJECT

public:
    static inline const QString hasSeenWelcomeKey = QStringLiteral("hasSeenWelcome");

    explicit VistrelleApp(QObject* parent = nullptr);
    ~VistrelleApp() override;

    // Opens `files` (or restores the work a crash left, or starts a new document) and, on the first start,
    // the welcome window. After a crash (`crash`: whether its report reached us) the user is told so,
    // beside the work that was kept.
    void launch(const QStringList& files, std::optional<CrashReportDelivery> crash = std::nullopt);
    // Files handed over by a later launch (empty: a new document).
    void openFromAnotherLaunch(const QStringList& files);

    DocumentController& documents() { return documents_; }
    WelcomeWindow* welcomeWindow() const;
    AboutWindow* aboutWindow() const;

    void showWelcome(bool firstStart);
    void showAbout();

    // Ctrl+N, Ctrl+O and Ctrl+Q on a window that has no menu of its own.
    void addApplicationShortcuts(QWidget& window);

signals:
    void quitRequested();

private:
    void setUpPalette(QDockWidget& dock, QWidget& palette, const QString& identifier);
    static void placeFloatingPalette(QDockWidget& dock, const QString& identifier);
    // New and Open from the start window, its shortcuts or a palette's.
    void newProject();
    void openProject();
    void closeWelcome();
    // After New, Open or a recent project from the welcome window: done with it when a document is open.
    void leaveWelcomeIfDocumentOpen();
    void dismissWelcomeForGood();

    DocumentController documents_;
    QPointer<WelcomeWindow> welcome_;
    QPointer<AboutWindow> about_;
};

} // namespace vistrelle
