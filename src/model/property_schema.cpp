#include "model/property_schema.h"

#include "model/color_text.h"
#include "model/component_properties.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace vistrelle {

namespace {

namespace K = PropertyKey;
using C = PropertyControl;
using Kind = PropertyKind;

const QString yes = QStringLiteral("true");
const QString no = QStringLiteral("false");

#define TR(text) QT_TRANSLATE_NOOP("PropertySchema", text)

// Every type's opacity, shown with the z-index under "Advanced".
PropertySpec opacitySpec() {
    PropertySpec s{K::opacity, Kind::number,  std::nullopt,  QStringLiteral("1"),
                   C::slider,  TR("Opacity"), TR("Advanced")};
    s.minimum = 0;
    s.maximum = 1;
    s.step = 0.05;
    s.decimals = 2;
    s.display = ValueDisplay::percent;
    return s;
}

// Rotation of texts and images: a turn either way.
PropertySpec rotationSpec() {
    PropertySpec s{K::rotation, Kind::number, std::nullopt, QStringLiteral("0"), C::slider, TR("Rotation")};
    s.minimum = -180;
    s.maximum = 180;
    s.step = 18;
    s.display = ValueDisplay::degrees;
    return s;
}

QList<PropertySpec> textSchema(ComponentType type) {
    const bool title = type == ComponentType::title;
    const bool area = type == ComponentType::textArea;
    const QString sample = title ? QStringLiteral("Sample Title")
                           : area
                               ? QStringLiteral("This is a sample text area with multiple lines of content. "
                                                "You can add longer text content here that will wrap to "
                                                "multiple lines as needed.")
                               : QStringLiteral("Sample Label");
    // A text area is edited as rich text as a whole; titles and labels key by key.
    const auto shown = [area](PropertyControl control) { return area ? C::none : control; };

    PropertySpec text{K::text,   Kind::text, sample, area ? QString() : sample, shown(C::textField),
                      TR("Text")};
    text.placeholder = TR("Enter text...");
    PropertySpec bold{K::isBold, Kind::boolean, title ? yes : no, no, shown(C::styleToggle), TR("Bold")};
    PropertySpec italic{K::isItalic, Kind::boolean, no, no, shown(C::styleToggle), TR("Italic")};
    PropertySpec underline{K::isUnderlined, Kind::boolean, no, no, shown(C::styleToggle), TR("Underline")};
    // Titles and labels centre unless told otherwise, as the player draws them; text areas start at the left.
    const QString alignment = area ? QStringLiteral("leading") : QStringLiteral("center");
    PropertySpec align{K::textAlignment, Kind::word,         alignment,
                       alignment,        shown(C::segments), TR("Alignment")};
    align.choices = {{QStringLiteral("leading"), TR("Left"), QStringLiteral("text.alignleft")},
                     {QStringLiteral("center"), TR("Center"), QStringLiteral("text.aligncenter")},
                     {QStringLiteral("trailing"), TR("Right"), QStringLiteral("text.alignright")}};
    PropertySpec font{K::fontName,    Kind::text, std::nullopt, QStringLiteral("Helvetica"),
                      shown(C::menu), TR("Font")};
    for (const char* family :
         {"Helvetica", "SF Pro", "Arial", "Times", "Courier", "Avenir", "Georgia", "Verdana", "Trebuchet MS",
          "Palatino", "Optima", "Futura", "Baskerville", "Copperplate", "Didot"})
        font.choices.append({QString::fromLatin1(family), family, {}});
    const QString size = title ? QStringLiteral("24") : area ? QStringLiteral("12") : QStringLiteral("14");
    PropertySpec fontSize{K::fontSize, Kind::number, size, size, shown(C::integerField), TR("Size")};
    fontSize.minimum = 1;
    fontSize.maximum = 999;
    PropertySpec color{K::textColor,        Kind::color, QStringLiteral("#000000"), QStringLiteral("#000000"),
                       shown(C::colorWell), TR("Color")};
    PropertySpec rich{
        K::richTextData, Kind::richText, std::nullopt, QString(), area ? C::richTextButton : C::none,
        TR("Text")};

    PropertySpec rotation = rotationSpec();
    rotation.control = shown(C::slider);
    QList<PropertySpec> schema{text, bold,     italic, underline, align,
                               font, fontSize, color,  rotation,  opacitySpec()};
    if (area) {
        schema.prepend(rich);
        schema.append({K::backgroundColor, Kind::color, std::nullopt, QStringLiteral("#FFFFFF")});
        PropertySpec style{K::backgroundStyle, Kind::word, std::nullopt, QStringLiteral("solid")};
        style.choices = {{QStringLiteral("solid"), TR("Solid")},
                         {QStringLiteral("transparent"), TR("Transparent")}};
        schema.append(style);
        schema.append({K::legacyTransparent, Kind::boolean, std::nullopt, QStringLiteral("false")});
    }
    return schema;
}

QList<PropertySpec> imageSchema() {
    PropertySpec path{K::imagePath, Kind::mediaPath, QString(), QString(), C::imageChooser, TR("Image")};
    PropertySpec fitting{K::fittingMode,        Kind::word, std::nullopt,
                         QStringLiteral("fit"), C::menu,    TR("Display Mode")};
    fitting.choices = {
        {QStringLiteral("fit"),
         TR("Fit"),
         {},
         TR("Scales the image to fit within the frame while maintaining aspect ratio")},
        {QStringLiteral("fill"),
         TR("Fill"),
         {},
         TR("Scales the image to fill the frame, cropping if necessary while maintaining aspect ratio")},
        {QStringLiteral("stretch"),
         TR("Stretch"),
         {},
         TR("Stretches the image to fill the frame, may distort aspect ratio")},
        {QStringLiteral("tile"), TR("Tile"), {}, TR("Repeats the image to fill the frame")},
        {QStringLiteral("center"),
         TR("Center"),
         {},
         TR("Centers the image without scaling, may be cropped or show empty space")}};
    PropertySpec corner{K::cornerRadius,     Kind::number, QStringLiteral("8"),
                        QStringLiteral("0"), C::slider,    TR("Corner Radius")};
    corner.maximum = 50;
    corner.step = 2;
    PropertySpec borderWidth{K::borderWidth,      Kind::number, std::nullopt,
                             QStringLiteral("0"), C::slider,    TR("Border Width")};
    borderWidth.maximum = 10;
    PropertySpec borderColor{K::borderColor, Kind::color,       std::nullopt, QStringLiteral("#000000"),
                             C::colorWell,   TR("Border Color")};
    // The click action of an image button: kept and exported, edited nowhere yet.
    PropertySpec category{K::actionCategory, Kind::word, std::nullopt, QStringLiteral("navigation")};
    PropertySpec alertTitle{K::alertTitle, Kind::text, std::nullopt, QStringLiteral("Alert")};
    return {path,
            fitting,
            corner,
            borderWidth,
            borderColor,
            rotationSpec(),
            opacitySpec(),
            category,
            {K::targetScreenId, Kind::text},
            alertTitle,
            {K::alertMessage, Kind::text},
            {K::systemAction, Kind::word},
            {K::componentAction, Kind::word},
            {K::targetComponentId, Kind::text}};
}

QList<PropertySpec> videoSchema() {
    PropertySpec path{K::videoPath, Kind::mediaPath, QString(), QString(), C::videoChooser, TR("Video")};
    PropertySpec controls{K::showsControls, Kind::boolean, yes, yes, C::toggle, TR("Show Controls")};
    PropertySpec autoplay{K::isAutoplay, Kind::boolean, no, no, C::toggle, TR("Autoplay")};
    PropertySpec loop{K::isLooping, Kind::boolean, no, no, C::toggle, TR("Loop")};
    PropertySpec muted{K::isMuted, Kind::boolean, yes, no, C::toggle, TR("Muted")};
    PropertySpec fitting{K::fittingMode,         Kind::word,  QStringLiteral("fill"),
                         QStringLiteral("fill"), C::segments, TR("Fitting")};
    fitting.choices = {{QStringLiteral("fill"), TR("Fill"), {}},
                       {QStringLiteral("stretch"), TR("Stretch"), {}}};
    PropertySpec background{K::backgroundColor,        Kind::color,  QStringLiteral("#000000"),
                            QStringLiteral("#000000"), C::colorWell, TR("Background Color")};
    PropertySpec corner{K::cornerRadius, Kind::number, QStringLiteral("8"), QStringLiteral("8")};
    return {path,       controls,
            autoplay,   loop,
            muted,      fitting,
            background, opacitySpec(),
            corner,     {K::rotation, Kind::number, std::nullopt, QStringLiteral("0")}};
}

QList<PropertySpec> webViewSchema() {
    PropertySpec url{K::url, Kind::webAddress, QString(), QString(), C::urlField, TR("URL to display")};
    url.placeholder = TR("https://www.example.com");
    PropertySpec html{K::htmlContent, Kind::text,    QString(),
                      QString(),      C::textEditor, TR("HTML content (used when URL is empty)")};
    PropertySpec navigation{K::allowsBackForwardNavigation,         Kind::boolean, no, no, C::toggle,
                            TR("Allow back and forward navigation")};
    PropertySpec magnification{K::allowsMagnification, Kind::boolean, yes, yes, C::toggle,
                               TR("Allow zooming")};
    PropertySpec linkPreview{K::allowsLinkPreview,    Kind::boolean, no, no, C::toggle,
                             TR("Show link previews")};
    return {url,
            html,
            navigation,
            magnification,
            linkPreview,
            opacitySpec(),
            {K::rotation, Kind::number, std::nullopt, QStringLiteral("0")}};
}

QList<PropertySpec> shapeSchema() {
    PropertySpec shape{K::shapeType,           Kind::word, QStringLiteral("star"),
                       QStringLiteral("star"), C::menu,    TR("Shape")};
    shape.choices = {{QStringLiteral("star"), TR("Star"), QStringLiteral("star.fill")},
                     {QStringLiteral("circle"), TR("Circle"), QStringLiteral("circle.fill")},
                     {QStringLiteral("rectangle"), TR("Rectangle"), QStringLiteral("rectangle.fill")},
                     {QStringLiteral("square"), TR("Square"), QStringLiteral("square.fill")},
                     {QStringLiteral("triangle"), TR("Triangle"), QStringLiteral("triangle.fill")},
                     {QStringLiteral("diamond"), TR("Diamond"), QStringLiteral("diamond.fill")}};
    PropertySpec stroke{K::strokeWidth,      Kind::number, QStringLiteral("2"),
                        QStringLiteral("2"), C::slider,    TR("Stroke")};
    stroke.maximum = 10;
    stroke.decimals = 1;
    stroke.controlWidth = 100;
    PropertySpec points{K::points,           Kind::integer,   QStringLiteral("5"),
                        QStringLiteral("5"), C::integerField, TR("Points")};
    points.minimum = 3;
    points.maximum = 60;
    PropertySpec inner{K::innerRadius,        Kind::number, QStringLiteral("0.4"),
                       QStringLiteral("0.4"), C::slider,    TR("Inner Radius")};
    inner.minimum = 0.1;
    inner.maximum = 0.9;
    inner.step = 0.1;
    inner.decimals = 2;
    PropertySpec rotation{K::rotation,         Kind::number, QStringLiteral("0"),
                          QStringLiteral("0"), C::slider,    TR("Rotation")};
    rotation.maximum = 360;
    rotation.step = 30;
    rotation.display = ValueDisplay::degrees;
    PropertySpec fill{
        K::fillColor,     Kind::color, QStringLiteral("#FFD700"), QStringLiteral("#FFD700"), C::colorWell,
        TR("Background"), TR("Colors")};
    PropertySpec strokeColor{
        K::strokeColor, Kind::color, QStringLiteral("#FFA500"), QStringLiteral("#FFA500"), C::colorWell,
        TR("Stroke"),   TR("Colors")};
    return {shape, stroke, points, inner, rotation, fill, strokeColor, opacitySpec()};
}

QList<PropertySpec> iconSchema() {
    PropertySpec name{
        K::iconName,   Kind::symbolName, QStringLiteral("face.smiling"), QStringLiteral("face.smiling"),
        C::iconPicker, TR("Choose Icon")};
    PropertySpec color{K::iconColor, Kind::color, QStringLiteral("#007AFF"), QStringLiteral("#007AFF"),
                       C::colorWell, TR("Color")};
    PropertySpec size{K::iconSize,          Kind::number, QStringLiteral("24"),
                      QStringLiteral("24"), C::slider,    TR("Size")};
    size.minimum = 8;
    size.maximum = 256;
    size.controlWidth = 140;
    PropertySpec weight{K::iconWeight, Kind::word,  QStringLiteral("regular"), QStringLiteral("regular"),
                        C::menu,       TR("Weight")};
    weight.choices = {{QStringLiteral("ultraLight"), TR("Ultra Light"), {}},
                      {QStringLiteral("thin"), TR("Thin"), {}},
                      {QStringLiteral("light"), TR("Light"), {}},
                      {QStringLiteral("regular"), TR("Regular"), {}},
                      {QStringLiteral("medium"), TR("Medium"), {}},
                      {QStringLiteral("semibold"), TR("Semibold"), {}},
                      {QStringLiteral("bold"), TR("Bold"), {}},
                      {QStringLiteral("heavy"), TR("Heavy"), {}},
                      {QStringLiteral("black"), TR("Black"), {}}};
    return {name,   color,         size,
            weight, opacitySpec(), {K::rotation, Kind::number, std::nullopt, QStringLiteral("0")}};
}

#undef TR

QList<PropertySpec> schemaOf(ComponentType type) {
    switch (type) {
    case ComponentType::title:
    case ComponentType::label:
    case ComponentType::textArea:
        return textSchema(type);
    case ComponentType::image:
        return imageSchema();
    case ComponentType::video:
        return videoSchema();
    case ComponentType::webView:
        return webViewSchema();
    case ComponentType::shape:
        return shapeSchema();
    case ComponentType::icon:
        return iconSchema();
    }
    return {};
}

} // namespace

const QList<PropertySpec>& propertySchema(ComponentType type) {
    static const QList<QList<PropertySpec>> schemas = [] {
        QList<QList<PropertySpec>> all;
        for (const ComponentType t : allCases<ComponentType>())
            all.append(schemaOf(t));
        return all;
    }();
    return schemas[qsizetype(type)];
}

const PropertySpec* propertySpec(ComponentType type, const QString& key) {
    for (const PropertySpec& entry : propertySchema(type))
        if (entry.key == key)
            return &entry;
    return nullptr;
}

PropertyMap createdProperties(ComponentType type) {
    PropertyMap properties;
    for (const PropertySpec& entry : propertySchema(type))
        if (entry.createdWith)
            properties.insert(entry.key, *entry.createdWith);
    return properties;
}

namespace {
QString fallbackOf(const PlacedComponent& component, const QString& key) {
    const PropertySpec* entry = propertySpec(component.componentType, key);
    return entry ? entry->fallback : QString();
}
} // namespace

QString wordProperty(const PlacedComponent& component, const QString& key) {
    const PropertySpec* entry = propertySpec(component.componentType, key);
    const QString fallback = entry ? entry->fallback : QString();
    const auto it = component.properties.constFind(key);
    if (it == component.properties.cend())
        return fallback;
    if (entry && !entry->choices.isEmpty() &&
        std::none_of(entry->choices.cbegin(), entry->choices.cend(),
                     [&](const PropertyChoice& choice) { return choice.stored == *it; }))
        return fallback;
    return *it;
}

double numberPropertyOf(const PlacedComponent& component, const QString& key) {
    return numberProperty(component.properties, key, fallbackOf(component, key).toDouble());
}

qint64 integerPropertyOf(const PlacedComponent& component, const QString& key) {
    return integerProperty(component.properties, key, fallbackOf(component, key).toLongLong());
}

QColor colorPropertyOf(const PlacedComponent& component, const QString& key) {
    return colorProperty(component.properties, key,
                         parseColor(fallbackOf(component, key)).value_or(Qt::black));
}

QString textPropertyOf(const PlacedComponent& component, const QString& key) {
    return stringProperty(component.properties, key, fallbackOf(component, key));
}

QString storedNumberText(const PropertySpec& entry, double value) {
    if (entry.decimals <= 0)
        return QString::number(qint64(std::llround(value)));
    return QString::number(value, 'f', entry.decimals);
}

bool hasTransparentBackground(const PlacedComponent& textArea) {
    // "backgroundStyle" decides; only without it does the older "transparent" key.
    if (textArea.properties.contains(PropertyKey::backgroundStyle))
        return wordProperty(textArea, PropertyKey::backgroundStyle) == QLatin1StringView("transparent");
    return textArea.boolProperty(PropertyKey::legacyTransparent);
}

} // namespace vistrelle
