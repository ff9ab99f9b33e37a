#include "editor/palette_windows.h"

#include "editor/component_library_palette.h"
#include "editor/inspector/inspector_palette.h"
#include "editor/screens_palette.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

namespace vistrelle {

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
    return nullptr;
}

QWidget* PaletteWindows::create(const QString& identifier) {
    QWidget* palette = nullptr;
    QSize size;
    if (identifier == screensIdentifier) {
        palette = screens_ = new ScreensPalette;
        palette->setWindowTitle(QApplication::translate("PaletteWindows", "Screens"));
        size = QSize(336, 500);
    } else if (identifier == componentLibraryIdentifier) {
        palette = componentLibrary_ = new ComponentLibraryPalette;
        palette->setWindowTitle(QApplication::translate("PaletteWindows", "Components"));
        size = QSize(203, 570);
    } else if (identifier == inspectorIdentifier) {
        palette = inspector_ = new InspectorPalette;
        palette->setWindowTitle(QApplication::translate("PaletteWindows", "Inspector"));
        size = QSize(360, 760);
    } else {
        return nullptr;
    }
    palette->setObjectName(identifier);
    palette->setAttribute(Qt::WA_DeleteOnClose);
    palette->setWindowFlag(Qt::Tool);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // The screens and the library start at the top left of the available area, the inspector at
        // the top right, beside the document windows; none taller than the screen.
        const QRect area = screen->availableGeometry();
        size.setHeight(std::min(size.height(), area.height() - 64));
        palette->resize(size);
        palette->move(identifier == inspectorIdentifier
                          ? QPoint(area.right() - size.width() - 16, area.top() + 48)
                          : area.topLeft() + QPoint(16, 48));
    } else {
        palette->resize(size);
    }
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
                             static_cast<QWidget*>(inspector_)})
        if (palette)
            palette->close();
}

} // namespace vistrelle
