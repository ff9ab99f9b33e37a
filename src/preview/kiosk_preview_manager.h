#pragma once

#include "model/project_model.h"
#include "preview/kiosk_preview_view.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace vistrelle {

class KioskPreviewView;

// The preview's window: borderless, full screen, above every other window, black.
class KioskPreviewWindow : public QWidget {
    Q_OBJECT

public:
    KioskPreviewWindow(KioskProject project, KioskPreviewView::Services services);

    KioskPreviewView* view() const { return view_; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    KioskPreviewView* view_;
};

// Owns one preview window for one copy of a project.
class KioskPreviewWindowController : public QObject {
    Q_OBJECT

public:
    KioskPreviewWindowController(const KioskProject& project, KioskPreviewView::Services services);
    ~KioskPreviewWindowController() override;

    KioskPreviewWindow* window() const { return window_; }
    // Puts the window over the whole of `screen`, in front, with the keyboard.
    void present(QScreen* screen);
    void close();

signals:
    void closed();

private:
    QPointer<KioskPreviewWindow> window_;
};

// One per editor window: opens the preview of a project, replacing a preview
// still open, and brings the editor back to the front when it closes.
class KioskPreviewManager : public QObject {
    Q_OBJECT

public:
    explicit KioskPreviewManager(QWidget* editorWindow);
    ~KioskPreviewManager() override;

    // Plays `project`; from `moment` on when given (the show as it plays then, the clock running on from
    // there), else as it plays now.
    void showPreview(const KioskProject& project, const std::optional<QDateTime>& moment = std::nullopt);
    KioskPreviewWindowController* windowController() const { return controller_; }

    // Where live media come from (tests); by default the plugin, loaded when a project needs it.
    void setLiveMediaSource(std::function<LiveMediaFactory*(const KioskProject&)> source);

signals:
    void windowControllerChanged();

private:
    void previewClosed(KioskPreviewWindowController* controller);

    QPointer<QWidget> editorWindow_;
    QPointer<KioskPreviewWindowController> controller_;
    std::function<LiveMediaFactory*(const KioskProject&)> liveMediaSource_;
};

// After a preview closes: the editor window (the one that opened it, else the
// first that shows a project) comes to the front with the keyboard.
void returnToEditor(QPointer<QWidget> preferred);

} // namespace vistrelle
