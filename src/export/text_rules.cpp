// The show check's rules about text: room, size and contrast.
#include "export/check_texts.h"
#include "export/media_probe.h"
#include "export/screen_rules.h"
#include "model/component_properties.h"
#include "model/property_schema.h"
#include "render/screen_painter.h"

#include <QPainter>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <functional>

namespace vistrelle {

namespace {

// Contrast is judged on a small picture of the screen: enough for backgrounds, gradients and pictures.
constexpr double contrastPictureSide = 640;

QString pixels(double value) {
    return QString::number(std::lround(value));
}

// WCAG 2 relative luminance of an sRGB colour.
double luminance(QRgb rgb) {
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

double contrastRatio(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QRgb blend(QRgb over, double alpha, QRgb under) {
    const auto mix = [&](int a, int b) { return int(std::lround(a * alpha + b * (1 - alpha))); };
    return qRgb(mix(qRed(over), qRed(under)), mix(qGreen(over), qGreen(under)),
                mix(qBlue(over), qBlue(under)));
}

bool isLargeText(const TextRun& run) {
    return run.pixelSize >= check_limits::largeTextPixels ||
           (run.bold && run.pixelSize >= check_limits::largeBoldTextPixels);
}

// Where the component's frame goes on the small picture: as paintScreen and paintComponent place and turn it.
QTransform frameToPicture(const PlacedComponent& c, double scale) {
    QTransform transform;
    transform.scale(scale, scale);
    transform.translate(c.position.x, c.position.y);
    const double rotation = numberPropertyOf(c, PropertyKey::rotation);
    if (rotation != 0 && std::isfinite(rotation)) {
        const QPointF centre(c.size.width / 2, c.size.height / 2);
        transform.translate(centre.x(), centre.y());
        transform.rotate(std::fmod(rotation, 360.0));
        transform.translate(-centre.x(), -centre.y());
    }
    return transform;
}

struct RunContrast {
    double ratio = 0;
    double needed = 0;
};

// The contrast that all but the worst tenth of the run's background reaches.
std::optional<RunContrast> runContrast(const QImage& picture, const QTransform& transform, const TextRun& run,
                                       QRgb textColor, double textAlpha, std::optional<QRgb> ownBackground,
                                       double ownBackgroundAlpha) {
    const QPolygonF area = transform.map(QPolygonF(run.rect));
    const QRect pixelsCovered = area.boundingRect().toAlignedRect().intersected(picture.rect());
    const bool turned = transform.isRotating();
    std::vector<double> ratios;
    ratios.reserve(std::size_t(std::max(0, pixelsCovered.width() * pixelsCovered.height())));
    for (int y = pixelsCovered.top(); y <= pixelsCovered.bottom(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = pixelsCovered.left(); x <= pixelsCovered.right(); ++x) {
            if (turned && !area.containsPoint(QPointF(x + 0.5, y + 0.5), Qt::OddEvenFill))
                continue;
            QRgb under = line[x];
            if (ownBackground)
                under = blend(*ownBackground, ownBackgroundAlpha, under);
            const QRgb text = blend(textColor, textAlpha, under);
            ratios.push_back(contrastRatio(luminance(text), luminance(under)));
        }
    }
    if (ratios.empty())
        return std::nullopt;
    const auto worstShare =
        ratios.begin() + std::ptrdiff_t(double(ratios.size() - 1) * check_limits::contrastShare);
    std::nth_element(ratios.begin(), worstShare, ratios.end());
    return RunContrast{*worstShare,
                       isLargeText(run) ? check_limits::largeTextContrast : check_limits::textContrast};
}

// The worst run of a text component against what is drawn under it so far.
void judgeContrast(const QImage& picture, double scale, const PlacedComponent& c, const TextPlacement& text,
                   ScreenFindings& found) {
    if (text.runs.isEmpty())
        return;
    const double opacity = std::clamp(numberPropertyOf(c, PropertyKey::opacity), 0.0, 1.0);
    if (opacity <= 0)
        return;
    std::optional<QRgb> ownBackground;
    double ownBackgroundAlpha = 0;
    if (c.componentType == ComponentType::textArea && !hasTransparentBackground(c)) {
        const QColor background = colorPropertyOf(c, PropertyKey::backgroundColor);
        ownBackground = background.rgb();
        ownBackgroundAlpha = background.alphaF() * opacity;
    }
    const QTransform transform = frameToPicture(c, scale);
    std::optional<RunContrast> worst;
    for (const TextRun& run : text.runs) {
        const std::optional<RunContrast> contrast =
            runContrast(picture, transform, run, run.color.rgb(), run.color.alphaF() * opacity, ownBackground,
                        ownBackgroundAlpha);
        if (contrast && contrast->ratio < contrast->needed &&
            (!worst || contrast->ratio / contrast->needed < worst->ratio / worst->needed))
            worst = contrast;
    }
    if (!worst)
        return;
    found.warning(
        QStringLiteral("low-contrast"),
        CheckText::tr("The text of %1 has a contrast of %2:1 with what lies under it; text of its size "
                      "needs at least %3:1 to be read from a distance: change its colour or what is "
                      "behind it.")
            .arg(describeComponent(c), QString::number(std::floor(worst->ratio * 10) / 10, 'f', 1),
                 QString::number(worst->needed, 'f', 1)),
        &c);
}

} // namespace

void checkTextRoom(const KioskScreen& screen, const PlacedComponent& c, const TextPlacement& text,
                   ScreenFindings& found) {
    // Half a pixel of slack for rounding in the layout.
    constexpr double slack = 0.5;
    const QString subject = sentenceStart(describeComponent(c));
    if (text.needed.width() > text.available.width() + slack ||
        text.needed.height() > text.available.height() + slack)
        found.warning(
            QStringLiteral("text-overflow"),
            CheckText::tr("%1 needs %2 × %3 pixels for its text but has %4 × %5, so words are cut off: "
                          "make it larger, the text shorter or the font smaller.")
                .arg(subject, pixels(text.needed.width()), pixels(text.needed.height()),
                     pixels(text.available.width()), pixels(text.available.height())),
            &c);

    const double smallest = screen.resolution.height * check_limits::smallestTextShareOfHeight;
    double smallestUsed = 0;
    for (const TextRun& run : text.runs)
        if (smallestUsed == 0 || run.pixelSize < smallestUsed)
            smallestUsed = run.pixelSize;
    if (smallestUsed > 0 && smallestUsed < smallest)
        found.warning(
            QStringLiteral("small-text"),
            CheckText::tr("%1 has text of %2 pixels, too small to read from across the room on a screen "
                          "%3 pixels high: use at least %4 pixels (1/40 of the screen’s height).")
                .arg(subject, pixels(smallestUsed), QString::number(screen.resolution.height),
                     QString::number(std::ceil(smallest))),
            &c);
}

namespace {

// The small picture of the screen that contrast is judged on, drawn with `beforeEach` called just before
// each component is drawn; none for a screen of no size.
std::optional<std::pair<QImage, double>>
paintContrastPicture(const KioskScreen& screen, MediaProbe& media,
                     const std::function<void(const QImage&, double, const PlacedComponent&)>& beforeEach) {
    const QSizeF size(double(screen.resolution.width), double(screen.resolution.height));
    if (!(size.width() > 0) || !(size.height() > 0))
        return std::nullopt;
    const double scale = std::min(1.0, contrastPictureSide / std::max(size.width(), size.height()));
    QImage picture(std::max(1, int(std::lround(size.width() * scale))),
                   std::max(1, int(std::lround(size.height() * scale))), QImage::Format_RGB32);
    if (picture.isNull())
        return std::nullopt;
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.scale(scale, scale);
        paintScreen(painter, screen, size, media.images(), ComponentOrder::byZIndex, std::nullopt,
                    [&](const PlacedComponent& c) { beforeEach(picture, scale, c); });
    }
    return std::pair{picture, scale};
}

} // namespace

void checkContrast(const KioskScreen& screen, const TextPlacements& texts, MediaProbe& media,
                   ScreenFindings& found) {
    if (texts.isEmpty())
        return;
    // Each text is judged against the picture as it stands just before the text is drawn.
    paintContrastPicture(screen, media, [&](const QImage& picture, double scale, const PlacedComponent& c) {
        if (const auto text = texts.constFind(c.id); text != texts.cend())
            judgeContrast(picture, scale, c, *text, found);
    });
}

QColor legibleColorOver(const KioskScreen& screen, const PlacedComponent& c, MediaProbe& media) {
    const auto picture =
        paintContrastPicture(screen, media, [](const QImage&, double, const PlacedComponent&) {});
    if (!picture)
        return Qt::black;
    std::optional<QRgb> ownBackground;
    double ownBackgroundAlpha = 0;
    if (c.componentType == ComponentType::textArea && !hasTransparentBackground(c)) {
        const QColor background = colorPropertyOf(c, PropertyKey::backgroundColor);
        ownBackground = background.rgb();
        ownBackgroundAlpha = background.alphaF();
    }
    TextRun wholeFrame;
    wholeFrame.rect = QRectF(0, 0, c.size.width, c.size.height);
    const auto contrastOf = [&](QRgb color) {
        const std::optional<RunContrast> contrast =
            runContrast(picture->first, frameToPicture(c, picture->second), wholeFrame, color, 1.0,
                        ownBackground, ownBackgroundAlpha);
        return contrast ? contrast->ratio : 0.0;
    };
    return contrastOf(qRgb(255, 255, 255)) > contrastOf(qRgb(0, 0, 0)) ? QColor(Qt::white)
                                                                       : QColor(Qt::black);
}

} // namespace vistrelle
