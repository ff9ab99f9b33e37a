#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>

#include <optional>

namespace vistrelle {

// Where palette and document windows go, as pure functions over rectangles (Qt's coordinates: y grows
// downwards). `displays` are the visible frames (without panels and docks) of the attached displays, the
// main display first; an empty list means "no display known" and leaves frames as they are.

// A value read from the preference store: absent, or a finite number.
struct StoredPaletteFrame {
    std::optional<double> x;
    std::optional<double> y;
    std::optional<double> width;
    std::optional<double> height;
};

namespace PaletteSize {
inline constexpr double screensWidth = 336;
inline constexpr double screensHeight = 500;
inline constexpr double libraryWidth = 202.4;
inline constexpr double libraryHeight = 570;
inline constexpr double libraryMinimumHeight = 150;
inline constexpr double inspectorWidth = 320;        // the narrowest it may be
inline constexpr double inspectorDefaultWidth = 360; // the widest property rows need more than 320
inline constexpr double inspectorMinimumHeight = 420;
inline constexpr double emptyInspectorHeight = 520;
inline constexpr double inspectorHeight = 740;
inline constexpr double margin = 8; // between a palette and the edge of the display or another window
} // namespace PaletteSize

// The visible frame of the display that holds `frame`'s centre, else of the main display.
QRectF displayHolding(const QRectF& frame, const QList<QRectF>& displays);
// `frame` moved (not resized) into the display that holds its centre; a frame larger than the display keeps
// its top left corner on it.
QRectF correctedIntoDisplay(const QRectF& frame, const QList<QRectF>& displays);

// Default places beside the document windows: the screens palette at the top left, the component library
// under it, the inspector at the top right.
QPointF defaultScreensOrigin(const QList<QRectF>& displays);
QPointF defaultComponentLibraryOrigin(const QList<QRectF>& displays);
QPointF defaultInspectorOrigin(double width, const QList<QRectF>& displays);

// `current` at the stored origin when both coordinates are known, else at `fallbackOrigin`, corrected into
// the visible frame of a display.
QRectF restoredOrigin(const QRectF& current, const StoredPaletteFrame& stored, const QPointF& fallbackOrigin,
                      const QList<QRectF>& displays);

QRectF restoredScreensFrame(const QRectF& current, const StoredPaletteFrame& stored,
                            const QList<QRectF>& displays);
QRectF restoredComponentLibraryFrame(const QRectF& current, const StoredPaletteFrame& stored,
                                     const QList<QRectF>& displays);
// `stored.height` is the height kept for the inspector's current content; `requestedHeight` what that
// content asks for when none is kept.
QRectF restoredInspectorFrame(const QRectF& current, const StoredPaletteFrame& stored, double requestedHeight,
                              const QList<QRectF>& displays);

// A new document window's frame: with its palettes docked inside it, the main display's whole visible
// frame; beside floating palettes, the room between their columns when it is wide enough, else the room
// right of the screens palette, else the whole display; never larger than the display.
QRectF defaultDocumentFrame(const QList<QRectF>& displays, bool besideFloatingPalettes);

} // namespace vistrelle
