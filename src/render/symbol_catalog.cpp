#include "render/symbol_catalog.h"

#include <QFile>
#include <QMutexLocker>
#include <QSvgRenderer>

#include <cmath>

namespace vistrelle {

namespace {

// Stroke widths in the icons' 24-unit grid.
double strokeWidth(SymbolWeight weight) {
    static constexpr double widths[] = {0.75, 1.0, 1.5, 2.0, 2.25, 2.5, 2.75, 3.0, 3.5};
    return widths[int(weight)];
}

constexpr qsizetype maximumCachedImages = 512;

} // namespace

SymbolWeight symbolWeightFromText(const QString& text) {
    static const QHash<QString, SymbolWeight> weights = {
        {QStringLiteral("ultraLight"), SymbolWeight::ultraLight},
        {QStringLiteral("thin"), SymbolWeight::thin},
        {QStringLiteral("light"), SymbolWeight::light},
        {QStringLiteral("regular"), SymbolWeight::regular},
        {QStringLiteral("medium"), SymbolWeight::medium},
        {QStringLiteral("semibold"), SymbolWeight::semibold},
        {QStringLiteral("bold"), SymbolWeight::bold},
        {QStringLiteral("heavy"), SymbolWeight::heavy},
        {QStringLiteral("black"), SymbolWeight::black},
    };
    return weights.value(text, SymbolWeight::regular);
}

SymbolCatalog& SymbolCatalog::shared() {
    static SymbolCatalog catalog;
    return catalog;
}

SymbolCatalog::SymbolCatalog() {
    QFile index(QStringLiteral(":/symbols/catalog.tsv"));
    if (!index.open(QIODevice::ReadOnly))
        return;
    for (const QByteArray& line : index.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() != 3)
            continue;
        const QString name = QString::fromUtf8(fields[0]);
        const bool filled = fields[2] == "filled";
        const QString file = QStringLiteral(":/symbols/%1/%2.svg")
                                 .arg(filled ? QStringLiteral("filled") : QStringLiteral("outline"),
                                      QString::fromUtf8(fields[1]));
        entries_.insert(name, {file, filled, !filled && name.endsWith(QLatin1StringView(".fill"))});
    }
}

QStringList SymbolCatalog::names() const {
    QStringList result = entries_.keys();
    result.sort();
    return result;
}

QByteArray SymbolCatalog::svgFor(const Entry& entry, const QColor& color, SymbolWeight weight) const {
    QFile file(entry.file);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray svg = file.readAll();
    // Opaque colour in the drawing; the alpha is applied when the picture is drawn.
    svg.replace("currentColor", color.name(QColor::HexRgb).toLatin1());
    const double width = strokeWidth(weight) + (entry.heavier ? 0.75 : 0.0);
    svg.replace("stroke-width=\"2\"", "stroke-width=\"" + QByteArray::number(width) + '"');
    return svg;
}

QImage SymbolCatalog::image(const QString& name, int pixels, const QColor& color, SymbolWeight weight) const {
    const auto found = entries_.constFind(name);
    const Entry* entry = found != entries_.cend() ? &*found : nullptr;
    if (!entry) {
        const auto fallback = entries_.constFind(fallbackName);
        if (fallback == entries_.cend())
            return {};
        entry = &*fallback;
    }
    // Absurd sizes are drawn at a size a screen can show, and scaled by the painter.
    const int side = std::clamp(pixels, 1, 4096);
    const QString key = QStringLiteral("%1|%2|%3|%4")
                            .arg(entry->file)
                            .arg(side)
                            .arg(color.rgb())
                            .arg(int(weight) + (entry->heavier ? 100 : 0));

    QMutexLocker lock(&mutex_);
    if (const auto cached = rendered_.constFind(key); cached != rendered_.cend())
        return *cached;
    QSvgRenderer renderer(svgFor(*entry, color, weight));
    QImage picture(side, side, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    if (renderer.isValid()) {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, side, side));
    }
    if (rendered_.size() >= maximumCachedImages)
        rendered_.clear(); // symbols are cheap to draw again; keep memory bounded
    rendered_.insert(key, picture);
    return picture;
}

void SymbolCatalog::paint(QPainter& painter, const QString& name, const QRectF& rect, const QColor& color,
                          SymbolWeight weight) const {
    const double side = std::min(rect.width(), rect.height());
    if (!(side > 0) || !std::isfinite(side))
        return;
    // Rasterise at the device size, so symbols stay crisp at every zoom.
    const QTransform& transform = painter.worldTransform();
    const double deviceScale = std::hypot(transform.m11(), transform.m12());
    const int pixels = int(std::ceil(side * std::max(deviceScale, 0.01)));
    const QImage picture = image(name, pixels, color, weight);
    const QRectF target(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side);
    painter.save();
    painter.setOpacity(painter.opacity() * color.alphaF());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(target, picture);
    painter.restore();
}

} // namespace vistrelle
