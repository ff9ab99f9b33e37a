#include "app/window_manager.h"

#include "editor/palette_windows.h"
#include "platform/preferences.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>
#include <utility>

namespace vistrelle {
namespace {

const QString screensIdentifier = QStringLiteral("screens");
const QString libraryIdentifier = QStringLiteral("componentLibrary");
const QString inspectorIdentifier = QStringLiteral("inspector");
const QString showCheckIdentifier = QStringLiteral("showCheck");
const QString documentGeometryKey = QStringLiteral("documentWindowGeometry");
const QString showCheckGeometryKey = QStringLiteral("showCheckWindowGeometry");

// A stored double, or nothing when it is missing or not a finite number (a hand-edited store).
std::optional<double> storedNumber(const QString& key) {
    bool ok = false;
    const double value = Preferences::value(key).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The frame the window will really have: a layout may not fit in less than its minimum (a longer
// translation), and Qt would widen the window past the display's edge after placing it.
QRectF frameOf(const QWidget& window) {
    return QRectF(window.pos(),
                  window.size().expandedTo(window.minimumSizeHint()).expandedTo(window.minimumSize()));
}

void apply(QWidget& window, const QRectF& frame) {
    const QRect whole = frame.toAlignedRect();
    window.resize(whole.size().expandedTo(window.minimumSize()));
    window.move(whole.topLeft());
}

QString inspectorHeightKey(const QString& contentName) {
    return QStringLiteral("inspectorWindowHeight.") + contentName;
}

} // namespace

WindowManager& WindowManager::shared() {
    static WindowManager manager;
    return manager;
}

QList<QRectF> WindowManager::displays() {
    QList<QRectF> frames;
    if (const QScreen* main = QGuiApplication::primaryScreen())
        frames.append(main->availableGeometry());
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            frames.append(screen->availableGeometry());
    return frames;
}

void WindowManager::save(const QWidget& window, const QString& identifier, const QString& contentName) {
    if (const std::optional<QString> failure = saveFrame(window, identifier, contentName))
        reportFrameFailure(*failure);
}

void WindowManager::reportFrameFailure(const QString& reason) {
    // Windows move often: one notice until a write succeeds again.
    if (std::exchange(frameFailureReported_, true))
        return;
    Preferences::reportWriteFailure(tr("Could not save where the windows are: %1"), reason);
}

std::optional<QString> WindowManager::saveFrame(const QWidget& window, const QString& identifier,
                                                const QString& contentName) {
    const double x = window.pos().x();
    const double y = window.pos().y();
    std::optional<QString> failure;
    if (identifier == screensIdentifier) {
        failure = Preferences::setValues({{QStringLiteral("screensWindowX"), x},
                                          {QStringLiteral("screensWindowY"), y},
                                          {QStringLiteral("screensWindowHeight"), double(window.height())}});
    } else if (identifier == libraryIdentifier) {
        failure = Preferences::setValues(
            {{QStringLiteral("componentLibraryWindowX"), x},
             {QStringLiteral("componentLibraryWindowY"), y},
             {QStringLiteral("componentLibraryWindowWidth.singleColumn"), double(window.width())},
             {QStringLiteral("componentLibraryWindowHeight.singleColumn"), double(window.height())}});
    } else if (identifier == inspectorIdentifier) {
        QVariantMap frame{{QStringLiteral("inspectorWindowX"), x}, {QStringLiteral("inspectorWindowY"), y}};
        if (!contentName.isEmpty())
            frame.insert(inspectorHeightKey(contentName), double(window.height()));
        failure = Preferences::setValues(frame);
    } else if (identifier == showCheckIdentifier) {
        failure = Preferences::setValue(showCheckGeometryKey, window.saveGeometry());
    } else if (identifier == documentIdentifier) {
        failure = Preferences::setValue(documentGeometryKey, window.saveGeometry());
    }
    if (!failure)
        frameFailureReported_ = false;
    return failure;
}

void WindowManager::restoreScreensWindow(QWidget& window) const {
    const StoredPaletteFrame stored{storedNumber(QStringLiteral("screensWindowX")),
                                    storedNumber(QStringLiteral("screensWindowY")), std::nullopt,
                                    storedNumber(QStringLiteral("screensWindowHeight"))};
    apply(window, restoredScreensFrame(frameOf(window), stored, displays()));
}

void WindowManager::restoreComponentLibraryWindow(QWidget& window) const {
    window.setMinimumSize(int(std::ceil(PaletteSize::libraryWidth)), int(PaletteSize::libraryMinimumHeight));
    const StoredPaletteFrame stored{
        storedNumber(QStringLiteral("componentLibraryWindowX")),
        storedNumber(QStringLiteral("componentLibraryWindowY")),
        storedNumber(QStringLiteral("componentLibraryWindowWidth.singleColumn")),
        storedNumber(QStringLiteral("componentLibraryWindowHeight.singleColumn"))};
    apply(window, restoredComponentLibraryFrame(frameOf(window), stored, displays()));
}

void WindowManager::restoreInspectorWindow(QWidget& window, const QString& contentName,
                                           double requestedHeight) const {
    window.setMinimumSize(int(PaletteSize::inspectorWidth), int(PaletteSize::inspectorMinimumHeight));
    const StoredPaletteFrame stored{storedNumber(QStringLiteral("inspectorWindowX")),
                                    storedNumber(QStringLiteral("inspectorWindowY")), std::nullopt,
                                    storedNumber(inspectorHeightKey(contentName))};
    apply(window, restoredInspectorFrame(frameOf(window), stored, requestedHeight, displays()));
}

void WindowManager::restoreDocumentWindow(QWidget& window, const QWidget* beside) const {
    const QList<QRectF> areas = displays();
    if (beside) {
        // Cascaded down and right of the other window, still on its display.
        QRectF frame(beside->pos() + QPointF(28, 28), beside->size());
        const QRectF area = displayHolding(QRectF(beside->pos(), beside->size()), areas);
        if (!area.isEmpty() && frame.bottom() > area.bottom())
            frame.moveTop(area.top());
        apply(window, correctedIntoDisplay(frame, areas));
        return;
    }
    if (const std::optional<QByteArray> geometry = Preferences::data(documentGeometryKey))
        if (window.restoreGeometry(*geometry))
            return; // moved onto a visible display by Qt when its display is gone
    placeDocumentWindow(window, PaletteWindows::shared().floatingPalettes());
}

void WindowManager::placeDocumentWindow(QWidget& window, bool besideFloatingPalettes) const {
    apply(window, defaultDocumentFrame(displays(), besideFloatingPalettes));
    // With its palettes inside, the window takes the display as the window manager gives it (its title
    // bar and panels included), which no frame computed before the window is shown can know.
    window.setWindowState(besideFloatingPalettes ? window.windowState() & ~Qt::WindowMaximized
                                                 : window.windowState() | Qt::WindowMaximized);
}

void WindowManager::restoreShowCheckWindow(QWidget& window) const {
    if (const std::optional<QByteArray> geometry = Preferences::data(showCheckGeometryKey))
        if (window.restoreGeometry(*geometry))
            return;
    const QList<QRectF> areas = displays();
    if (areas.isEmpty())
        return;
    constexpr double margin = 20;
    const QRectF& area = areas.front();
    const QSizeF size = frameOf(window).size();
    apply(window, correctedIntoDisplay(QRectF(QPointF(area.right() - size.width() - margin,
                                                      area.bottom() - size.height() - margin),
                                              size),
                                       areas));
}

void WindowManager::saveDocumentWindow(const QWidget& window) {
    save(window, documentIdentifier);
}

void WindowManager::keepOnScreen(QWidget& window) {
    const QList<QRectF> areas = displays();
    const QRectF frame = window.frameGeometry();
    const QRectF area = displayHolding(frame, areas);
    if (area.isEmpty())
        return;
    // The decorations (a title bar) are only known once the window is shown.
    const QSize decorations = window.frameGeometry().size() - window.size();
    QSize size = window.size();
    size.setHeight(std::min(size.height(), int(area.height()) - decorations.height()));
    size.setWidth(std::min(size.width(), int(area.width()) - decorations.width()));
    if (size != window.size())
        window.resize(size.expandedTo(window.minimumSize()));
    const QRectF corrected = correctedIntoDisplay(QRectF(window.pos(), window.frameGeometry().size()), areas);
    if (corrected.topLeft().toPoint() != window.pos())
        window.move(corrected.topLeft().toPoint());
}

} // namespace vistrelle
