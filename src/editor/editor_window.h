#pragma once

#include "editing/document_session.h"
#include "editor/advanced_canvas_view.h"
#include "model/vistrelle_document.h"

#include <QMainWindow>
#include <QPointer>
#include <QUndoStack>

#include <functional>
#include <optional>

class QAction;
class QLabel;
class QScrollArea;

namespace vistrelle {

class DeleteKeyFilter;
class NoticeBar;

// The document window of one project: a toolbar over the zoomable canvas. It
// owns the project's document session (the document, its undo stack, the
// selection and every edit); activated, it hands the session to the palettes.
class KioskDeployView;
class KioskPreviewManager;
class ScheduleWeekView;

class EditorWindow : public QMainWindow {
    Q_OBJECT

public:
    // Align, distribute and match size, shared by the Arrange menu and the toolbar.
    const QList<QAction*>& arrangeActions() const { return arrangeActions_; }

    EditorWindow(VistrelleDocument document, QWidget* parent = nullptr);
    ~EditorWindow() override;

    const QUuid& windowId() const { return windowId_; }
    DocumentSession& session() { return session_; }
    const DocumentSession& session() const { return session_; }
    QUndoStack& undoStack() { return session_.undoStack(); }
    AdvancedCanvasView& canvas() { return *canvas_; }

    // The document as it stands now.
    VistrelleDocument currentDocument() const;
    // Replaces the whole document (revert, recovery) and forgets the undo history.
    void replaceDocument(const VistrelleDocument& document);

    // The file the document is saved in; empty while untitled.
    const QString& filePath() const { return filePath_; }
    void setFilePath(const QString& path);
    // The name shown in the title: the file's name, or the project name while untitled.
    QString displayName() const;

    // The document differs from what was saved: steps done or undone since the
    // last save, or a change made without a step (a new project's setup).
    bool isModified() const;
    // True marks a change made without an undo step; false marks the saved state.
    void setModified(bool modified);

    double canvasZoom() const { return canvasZoom_; }
    void zoomIn();
    void zoomOut();
    void zoomToActualSize();
    // The whole screen in the visible part of the canvas.
    void zoomToFit();
    // As zoomToFit, but never above 100 %: a new window shows a small screen at its real size.
    void zoomToFitUpToActualSize();

    // A problem with saving (an automatic save that failed), shown above the canvas
    // until the next save succeeds or the user closes it; its "Save As…" asks saveAsRequested.
    void showSaveProblem(const QString& message);
    void clearSaveProblem();
    QString saveProblem() const;
    // A preference that could not be saved (a style preset, the recent projects, window places), shown
    // above the canvas of the active window; empty while none is shown.
    QString settingsProblem() const;

    // Called when the window is asked to close; false keeps it open (unsaved changes).
    void setCloseGuard(std::function<bool(EditorWindow&)> guard) { closeGuard_ = std::move(guard); }
    // Closes without asking (the setup sheet was cancelled, the application quits).
    void closeWithoutAsking();
    // Whether the window put off its close to ask the user first (a deployment to stop).
    bool isAskingBeforeClosing() const { return askingBeforeClosing_; }

    // Makes this window's session the one the palettes show and edit.
    void activateDocument();

    // The text shown by the duration read-out and the zoom field (tests).
    QString durationReadout() const;
    QString zoomReadout() const;
    QAction* action(const QString& objectName) const;

    // The sheets, public so that menus and tests can open them.
    // At the password field when `atPassword` (a deployment asked for one).
    void showProjectSettings(bool atPassword = false);
    void showPreferences();
    void showProjectSetup();
    // What "Create Project" in the setup sheet does with the project it made.
    void useSetUpProject(const KioskProject& project);
    void exportBundle();
    void deleteSelectedComponent();
    // The show full screen, from the first screen, as the player will play it.
    void showPreview();
    // View ▸ Schedule: the week of the show, and the preview from a chosen moment.
    void showSchedule();
    ScheduleWeekView* scheduleView() const;
    KioskPreviewManager& previewManager() { return *previewManager_; }

signals:
    // Every change of the document (the application saves it after a pause).
    void documentChanged();
    void modifiedChanged(bool modified);
    void saveAsRequested();
    // Help ▸ About: the application shows its one About window.
    void aboutRequested();
    // Quit asked from one of the window's sheets.
    void quitRequested();
    // A close the window put off to ask first (a deployment to stop) was declined.
    void closeDeclined();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void setCanvasZoom(double zoom);
    void buildToolbar();
    void wireCanvas();
    void observeNotifications();
    void sessionChanged(const DocumentChange& change);
    void refresh();
    void updateTitle();
    const KioskProject& project() const;

    const PlacedComponent* componentOfSelectedScreen(const QUuid& componentId) const;
    // A change of one component during a gesture, recorded as the gesture's single undo step.
    void applyGestureChange(const PlacedComponent& component, const QString& actionName,
                            const QString& missingLog, const std::function<void(PlacedComponent&)>& change);
    void showCanvasMenu(QPoint globalPosition);
    void componentMoved(const PlacedComponent& component, Point point);
    void componentResized(const PlacedComponent& component, Size size);
    void endGesture();
    void updateModifiedMarker();
    void firstShow();

    QUuid windowId_ = QUuid::createUuid();
    DocumentSession session_;
    QString filePath_;
    bool changedOutsideUndo_ = false;
    bool shownModified_ = false;
    bool hasShownProjectSetup_ = false;
    bool hasShownOnce_ = false;
    bool closingWithoutAsking_ = false;
    bool askingBeforeClosing_ = false;
    double canvasZoom_ = 1.0;
    // How the zoom follows the room the canvas has, until the user zooms.
    enum class Fit { none, whole, upToActualSize };
    Fit fit_ = Fit::none;
    void fitAgain();
    int wheelZoomRemainder_ = 0; // wheel travel not yet turned into a zoom step

    // The interaction of the gesture under way: its changes merge into one step, whatever else begins an
    // interaction meanwhile (the inspector showing the moved component, say).
    std::optional<quint64> gestureInteraction_;
    quint64 gestureInteraction();

    AdvancedCanvasView* canvas_ = nullptr;
    QScrollArea* scrollArea_ = nullptr;
    NoticeBar* saveNotice_ = nullptr;
    NoticeBar* settingsNotice_ = nullptr; // a preference that could not be saved (a style preset, …)
    QLabel* durationValue_ = nullptr;
    QLabel* zoomValue_ = nullptr;
    DeleteKeyFilter* deleteKeys_ = nullptr;
    QPointer<KioskDeployView> deploySheet_;
    QPointer<ScheduleWeekView> scheduleView_;
    KioskPreviewManager* previewManager_ = nullptr;
    std::function<bool(EditorWindow&)> closeGuard_;
    QList<QAction*> arrangeActions_;
};

} // namespace vistrelle
