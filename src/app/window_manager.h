#pragma once

#include "app/window_frame_rules.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class QWidget;

namespace vistrelle {

// Keeps the palette windows' frames in the per-user preference store ("screensWindowX", …) and puts them
// back where the user left them, on a display that is still attached. Document windows keep their last
// geometry too. One process-wide instance; main thread only.
class WindowManager {
    Q_DECLARE_TR_FUNCTIONS(WindowManager)

public:
    static WindowManager& shared();

    // Document windows keep their geometry under this identifier.
    static inline const QString documentIdentifier = QStringLiteral("document");

    // Stores `window`'s frame under the keys of `identifier` ("screens", "componentLibrary", "inspector",
    // "showCheck" or a document window's; any other is ignored). The inspector's height goes under its
    // `contentName`, when one is known. A frame that cannot be stored is kept for this run, and the user is
    // told once (until storing works again).
    void save(const QWidget& window, const QString& identifier, const QString& contentName = {});

    void restoreScreensWindow(QWidget& window) const;
    void restoreComponentLibraryWindow(QWidget& window) const;
    void restoreInspectorWindow(QWidget& window, const QString& contentName, double requestedHeight) const;

    // The show check's last geometry, else the lower right of the main display.
    void restoreShowCheckWindow(QWidget& window) const;

    // The last document window's geometry, else a frame beside the palettes; cascaded from `beside` (an
    // open document window) so that a second window does not hide the first.
    void restoreDocumentWindow(QWidget& window, const QWidget* beside = nullptr) const;
    void saveDocumentWindow(const QWidget& window);
    // A document window's default place: maximized with its palettes docked, else between the columns of
    // the floating palettes.
    void placeDocumentWindow(QWidget& window, bool besideFloatingPalettes) const;

    // The visible frames of the attached displays, the main one first.
    static QList<QRectF> displays();
    // Moves `window` back on screen if its frame (with the window manager's decorations) sticks out.
    static void keepOnScreen(QWidget& window);

private:
    WindowManager() = default;
    std::optional<QString> saveFrame(const QWidget& window, const QString& identifier,
                                     const QString& contentName);
    void reportFrameFailure(const QString& reason);

    bool frameFailureReported_ = false;
};

} // namespace vistrelle
