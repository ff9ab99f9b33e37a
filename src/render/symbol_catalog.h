#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QMutex>
#include <QPainter>
#include <QStringList>

namespace vistrelle {

// The nine symbol weights, drawn as stroke widths.
enum class SymbolWeight { ultraLight, thin, light, regular, medium, semibold, bold, heavy, black };

// "ultraLight" … "black"; anything else is regular.
SymbolWeight symbolWeightFromText(const QString& text);

// The symbols that documents and the interface name ("face.smiling",
// "star.fill", "speaker.wave.3.fill", …), drawn from vendored SVG icons in
// any colour, size and weight; ".fill" names draw the filled forms. An unknown
// name draws "face.smiling". Rasterised symbols are cached. Thread-safe.
class SymbolCatalog {
public:
    static inline const QString fallbackName = QStringLiteral("face.smiling");

    static SymbolCatalog& shared();

    bool contains(const QString& name) const { return entries_.contains(name); }
    // Every name, sorted: what the icon picker offers.
    QStringList names() const;

    // Draws the symbol fitted (square, centred) in `rect`.
    void paint(QPainter& painter, const QString& name, const QRectF& rect, const QColor& color,
               SymbolWeight weight = SymbolWeight::regular) const;
    // The symbol as a square picture of `pixels` × `pixels`.
    QImage image(const QString& name, int pixels, const QColor& color, SymbolWeight weight) const;

private:
    SymbolCatalog();

    struct Entry {
        QString file;
        bool filled = false;
        bool heavier = false; // a ".fill" name without a filled drawing: the outline, bolder
    };

    QByteArray svgFor(const Entry& entry, const QColor& color, SymbolWeight weight) const;

    QHash<QString, Entry> entries_;
    mutable QMutex mutex_;
    mutable QHash<QString, QImage> rendered_;
};

} // namespace vistrelle
