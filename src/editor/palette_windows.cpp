#include "editor/palette_windows.h"

#include "editor/active_session.h"
#include "editor/component_library_palette.h"
#include "editor/inspector/inspector_palette.h"
#include "editor/screens_palette.h"
#include "editor/show_check_palette.h"
#include "editor/show_check_runner.h"

#include <QApplication>

namespace vistrelle {

namespace {

// A palette shows and edits the session of the window the user works in, and follows it.
template <typename Palette> void follow(Palette* palette) {
    palette->setSession(ActiveSession::shared().session());
    QObject::connect(&ActiveSession::shared(), &ActiveSession::sessionChanged, palette, &Palette::setSession);
}

} // namespace

PaletteWindows& PaletteWindows::shared() {
    static PaletteWindows windows;
    return windows;
}

QWidget* PaletteWindows::window(const QString& identifier) const {
    if (identifier == screensIdentifier)
        return screens_;
    if (identifier == componentLibraryIdentifier)
        return componentLibrary_;
    if (identifier == inspectorIdentifier)
        return inspector_;
    if (identifier == showCheckIdentifier)
        return showCheck_;
    return nullptr;
}

QWidget* PaletteWindows::create(const QString& identifier) {
    QWidget* palette = nullptr;
    QSize size;
    if (identifier == screensIdentifier) {
        auto* screens = new ScreensPalette;
        follow(screens);
        palette = screens_ = screens;
        palette->setWindowTitle(QApplication::translate("PaletteWindows", "Screens"));
        size = QSize(336, 500);
    } else if (identifier == componentLibraryIdentifier) {
        palette = componentLibrary_ = new ComponentLibraryPalette;
        palette->setWindowTitle(QApplication::translate("PaletteWindows", "Components"));
        size = QSize(203, 570);
    } else if (identifier == inspectorIdentifier) {
        auto* inspector = new InspectorPalette;
        follow(inspector);
        palette = inspector_ = inspector;
        palette->setWindowTitle(QApplication::translate("PaletteWindows", "Inspector"));
        size = QSize(360, 740); // the widest property rows need more than 320 (as the document frames know)
    } else if (identifier == showCheckIdentifier) {
        palette = showCheck_ = new ShowCheckPalette(ShowCheckRunner::shared());
        palette->setWindowTitle(QApplication::translate("PaletteWindows", "Show Check"));
        size = QSize(380, 460);
    } else {
        return nullptr;
    }
    palette->setObjectName(identifier);
    palette->setAttribute(Qt::WA_DeleteOnClose);
    palette->setWindowFlag(Qt::Tool);
    palette->resize(size);
    if (setUp_)
        setUp_(*palette, identifier);
    return palette;
}

void PaletteWindows::show(const QString& identifier) {
    QWidget* palette = window(identifier);
    if (!palette)
        palette = create(identifier);
    if (!palette)
        return;
    palette->show();
    palette->raise();
    palette->activateWindow();
}

void PaletteWindows::closeAll() {
    for (QWidget* palette : {static_cast<QWidget*>(screens_), static_cast<QWidget*>(componentLibrary_),
                             static_cast<QWidget*>(inspector_), static_cast<QWidget*>(showCheck_)})
        if (palette)
            palette->close();
}

} // namespace vistrelle
