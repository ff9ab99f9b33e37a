#include "render/background_renderer.h"

#include "model/color_text.h"
#include "render/image_fitting.h"
#include "render/image_source.h"
#include "render/symbol_catalog.h"
#include "richtext/font_resolver.h"

#include <QCoreApplication>
#include <QLinearGradient>

namespace vistrelle {

bool backgroundIsOpaque(const BackgroundStyle& style) {
    const auto opaque = [](const QString& text, const QColor& fallback) {
        return parseColor(text).value_or(fallback).alpha() == 255;
    };
    switch (style.type) {
    case BackgroundType::color:
        return opaque(style.color, Qt::white);
    case BackgroundType::gradient:
        return !style.gradient ||
               (opaque(style.gradient->startColor, Qt::white) && opaque(style.gradient->endColor, Qt::black));
    case BackgroundType::image:
        return false; // a placeholder or a picture with transparency lets the base show
    }
    return false;
}

QColor placeholderGrey() {
    QColor grey(Qt::gray);
    grey.setAlphaF(0.3f);
    return grey;
}

namespace {

QLinearGradient gradientFor(const std::optional<GradientStyle>& gradient, const QRectF& area) {
    if (!gradient) {
        QLinearGradient fallback(area.topLeft(), area.bottomLeft());
        fallback.setColorAt(0, Qt::white);
        fallback.setColorAt(1, Qt::gray);
        return fallback;
    }
    QPointF end;
    switch (gradient->direction) {
    case GradientDirection::horizontal:
        end = area.topRight();
        break;
    case GradientDirection::vertical:
        end = area.bottomLeft();
        break;
    case GradientDirection::diagonal:
        end = area.bottomRight();
        break;
    }
    QLinearGradient linear(area.topLeft(), end);
    linear.setColorAt(0, parseColor(gradient->startColor).value_or(QColor(Qt::white)));
    linear.setColorAt(1, parseColor(gradient->endColor).value_or(QColor(Qt::black)));
    return linear;
}

void paintImagePlaceholder(QPainter& painter, const QRectF& area) {
    painter.fillRect(area, placeholderGrey());
    // A large "photo" symbol over the caption, centred, in a secondary grey.
    const QColor secondary(0x8E, 0x8E, 0x93);
    const double symbol = std::clamp(std::min(area.width(), area.height()) * 0.12, 12.0, 96.0);
    const QFont caption = documentFont(QStringLiteral("Helvetica"), symbol * 0.4, false, false, false);
    const double captionHeight = QFontMetricsF(caption).height();
    const double top = area.center().y() - (symbol + 8 + captionHeight) / 2;
    SymbolCatalog::shared().paint(painter, QStringLiteral("photo"),
                                  QRectF(area.center().x() - symbol / 2, top, symbol, symbol), secondary);
    painter.save();
    painter.setFont(caption);
    painter.setPen(secondary);
    painter.drawText(QRectF(area.left(), top + symbol + 8, area.width(), captionHeight), Qt::AlignCenter,
                     QCoreApplication::translate("BackgroundRenderer", "Background Image"));
    painter.restore();
}

} // namespace

void paintBackground(QPainter& painter, const BackgroundStyle& style, QSizeF size, ImageSource& images) {
    const QRectF area(QPointF(0, 0), size);
    if (!(size.width() > 0) || !(size.height() > 0))
        return;
    switch (style.type) {
    case BackgroundType::color:
        painter.fillRect(area, parseColor(style.color).value_or(QColor(Qt::white)));
        return;
    case BackgroundType::gradient:
        painter.fillRect(area, gradientFor(style.gradient, area));
        return;
    case BackgroundType::image: {
        if (!style.imagePath || style.imagePath->isEmpty()) {
            paintImagePlaceholder(painter, area);
            return;
        }
        const ImageSource::Lookup picture = images.lookup(*style.imagePath);
        if (picture.state != ImageSource::State::loaded) {
            painter.fillRect(area, placeholderGrey());
            return;
        }
        paintFittedImage(painter, picture.image, QStringLiteral("fill"), area);
        return;
    }
    }
}

} // namespace vistrelle
