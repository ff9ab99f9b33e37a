#include "render/component_renderer.h"

#include "model/color_text.h"
#include "model/component_properties.h"
#include "render/font_resolver.h"
#include "render/shape_outline.h"
#include "render/symbol_catalog.h"

#include <QHash>
#include <QPainterPath>
#include <QTextLayout>
#include <QTextOption>

#include <memory>

#include <cmath>

namespace vistrelle {

namespace {

// A frame too large to mean anything is drawn as if it were this large (and clipped by the screen).
constexpr double largestSide = 100000;

Qt::Alignment horizontalAlignment(const PlacedComponent& c) {
    const QString alignment = c.stringProperty(PropertyKey::textAlignment, QStringLiteral("center"));
    if (alignment == QLatin1StringView("leading"))
        return Qt::AlignLeft;
    if (alignment == QLatin1StringView("trailing"))
        return Qt::AlignRight;
    return Qt::AlignHCenter;
}

struct CachedTextLayout {
    std::shared_ptr<QTextLayout> layout;
    double height = 0;
};

// A title or label laid out once per text, font, width and alignment (per
// thread: layouts are not shared across threads), not in every frame.
const CachedTextLayout& cachedTextLayout(const QString& text, const QFont& font, double width,
                                         Qt::Alignment alignment) {
    thread_local QHash<QString, CachedTextLayout> cache;
    const QString key = text + QChar(0) + font.key() + QChar(0) + QString::number(width) + QChar(0) +
                        QString::number(int(alignment));
    if (const auto it = cache.constFind(key); it != cache.cend())
        return *it;
    if (cache.size() > 512)
        cache.clear(); // bounded; a screen holds few distinct texts

    QString lines = text;
    lines.replace(u'\n', QChar::LineSeparator);
    auto layout = std::make_shared<QTextLayout>(lines, font);
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WordWrap);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    double height = 0;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(std::max(width, 0.0));
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout->endLayout();
    return *cache.insert(key, {layout, height});
}

} // namespace

namespace component_painters {

void paintText(QPainter& painter, const PlacedComponent& c, const QRectF& frame) {
    const bool title = c.componentType == ComponentType::title;
    QString text = c.stringProperty(PropertyKey::text);
    if (text.trimmed().isEmpty())
        text = title ? QStringLiteral("Sample Title") : QStringLiteral("Sample Label");
    const QFont font = documentFont(
        c.stringProperty(PropertyKey::fontName, QStringLiteral("Helvetica")),
        c.numberProperty(PropertyKey::fontSize, title ? 24 : 14), c.boolProperty(PropertyKey::isBold),
        c.boolProperty(PropertyKey::isItalic), c.boolProperty(PropertyKey::isUnderlined));
    const CachedTextLayout& layout = cachedTextLayout(text, font, frame.width(), horizontalAlignment(c));
    painter.save();
    painter.setPen(colorProperty(c.properties, PropertyKey::textColor, Qt::black));
    // The lines are as wide as the frame and aligned in it; the block is centred vertically.
    layout.layout->draw(&painter, QPointF(frame.left(), frame.top() + (frame.height() - layout.height) / 2));
    painter.restore();
}

void paintShape(QPainter& painter, const PlacedComponent& c, const QRectF& frame) {
    const QPainterPath outline = shapeOutline(
        c.stringProperty(PropertyKey::shapeType, QStringLiteral("star")), frame,
        c.integerProperty(PropertyKey::points, 5), c.numberProperty(PropertyKey::innerRadius, 0.4));
    QPen stroke(colorProperty(c.properties, PropertyKey::strokeColor, QColor(0xFF, 0xA5, 0x00)));
    stroke.setWidthF(std::clamp(c.numberProperty(PropertyKey::strokeWidth, 2), 0.0, largestSide));
    stroke.setJoinStyle(Qt::MiterJoin);
    stroke.setMiterLimit(10);
    painter.save();
    painter.fillPath(outline, colorProperty(c.properties, PropertyKey::fillColor, QColor(0xFF, 0xD7, 0x00)));
    if (stroke.widthF() > 0)
        painter.strokePath(outline, stroke);
    painter.restore();
}

void paintIcon(QPainter& painter, const PlacedComponent& c, const QRectF& frame) {
    const double size = std::clamp(c.numberProperty(PropertyKey::iconSize, 24), 0.0, largestSide);
    const QRectF square(frame.center().x() - size / 2, frame.center().y() - size / 2, size, size);
    SymbolCatalog::shared().paint(
        painter, c.stringProperty(PropertyKey::iconName, SymbolCatalog::fallbackName), square,
        colorProperty(c.properties, PropertyKey::iconColor, QColor(0x00, 0x7A, 0xFF)),
        symbolWeightFromText(c.stringProperty(PropertyKey::iconWeight)));
}

} // namespace component_painters

void paintComponent(QPainter& painter, const PlacedComponent& component, ImageSource& images,
                    ComponentRenderOptions options) {
    using namespace component_painters;
    const double width = component.size.width;
    const double height = component.size.height;
    if (!(width > 0) || !(height > 0) || !std::isfinite(width) || !std::isfinite(height))
        return;
    const QRectF frame(0, 0, std::min(width, largestSide), std::min(height, largestSide));

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const double rotation = component.numberProperty(PropertyKey::rotation, 0);
    if (rotation != 0) {
        painter.translate(frame.center());
        painter.rotate(std::fmod(rotation, 360.0)); // clockwise on screen, y pointing down
        painter.translate(-frame.center());
    }
    painter.setOpacity(painter.opacity() *
                       std::clamp(component.numberProperty(PropertyKey::opacity, 1.0), 0.0, 1.0));

    switch (component.componentType) {
    case ComponentType::title:
    case ComponentType::label:
        paintText(painter, component, frame);
        break;
    case ComponentType::textArea:
        paintTextArea(painter, component, frame);
        break;
    case ComponentType::image:
        paintImage(painter, component, frame, images);
        break;
    case ComponentType::webView:
        paintWebView(painter, component, frame);
        break;
    case ComponentType::video:
        paintVideo(painter, component, frame);
        break;
    case ComponentType::shape:
        paintShape(painter, component, frame);
        break;
    case ComponentType::icon:
        paintIcon(painter, component, frame);
        break;
    }
    painter.restore();

    if (options.isSelected) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(QColor(0x00, 0x7A, 0xFF), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(frame, 4, 4);
        painter.restore();
    }
}

} // namespace vistrelle
