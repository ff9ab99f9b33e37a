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

// Every type's opacity, shown with the z-index under "Advanced".
PropertySpec opacitySpec() {
    PropertySpec s{K::opacity,
                   Kind::number,
                   std::nullopt,
                   QStringLiteral("1"),
                   C::slider,
                   QT_TRANSLATE_NOOP("PropertySchema", "Opacity"),
                   QT_TRANSLATE_NOOP("PropertySchema", "Advanced")};
    s.minimum = 0;
    s.maximum = 1;
    s.step = 0.05;
    s.decimals = 2;
    s.display = ValueDisplay::percent;
    return s;
}

// Rotation of texts and images: a turn either way.
PropertySpec rotationSpec() {
    PropertySpec s{K::rotation,         Kind::number, std::nullopt,
                   QStringLiteral("0"), C::slider,    QT_TRANSLATE_NOOP("PropertySchema", "Rotation")};
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

    PropertySpec text{K::text,
                      Kind::text,
                      sample,
                      area ? QString() : sample,
                      shown(C::textField),
                      QT_TRANSLATE_NOOP("PropertySchema", "Text")};
    text.placeholder = QT_TRANSLATE_NOOP("PropertySchema", "Enter text...");
    PropertySpec bold{K::isBold, Kind::boolean,         title ? yes : no,
                      no,        shown(C::styleToggle), QT_TRANSLATE_NOOP("PropertySchema", "Bold")};
    PropertySpec italic{K::isItalic, Kind::boolean,         no,
                        no,          shown(C::styleToggle), QT_TRANSLATE_NOOP("PropertySchema", "Italic")};
    PropertySpec underline{K::isUnderlined,
                           Kind::boolean,
                           no,
                           no,
                           shown(C::styleToggle),
                           QT_TRANSLATE_NOOP("PropertySchema", "Underline")};
    // Titles and labels centre unless told otherwise, as the player draws them; text areas start at the left.
    const QString alignment = area ? QStringLiteral("leading") : QStringLiteral("center");
    PropertySpec align{K::textAlignment,   Kind::word,
                       alignment,          alignment,
                       shown(C::segments), QT_TRANSLATE_NOOP("PropertySchema", "Alignment")};
    align.choices = {{QStringLiteral("leading"), QT_TRANSLATE_NOOP("PropertySchema", "Left"),
                      QStringLiteral("text.alignleft")},
                     {QStringLiteral("center"), QT_TRANSLATE_NOOP("PropertySchema", "Center"),
                      QStringLiteral("text.aligncenter")},
                     {QStringLiteral("trailing"), QT_TRANSLATE_NOOP("PropertySchema", "Right"),
                      QStringLiteral("text.alignright")}};
    PropertySpec font{K::fontName,    Kind::text,
                      std::nullopt,   QStringLiteral("Helvetica"),
                      shown(C::menu), QT_TRANSLATE_NOOP("PropertySchema", "Font")};
    for (const char* family :
         {"Helvetica", "SF Pro", "Arial", "Times", "Courier", "Avenir", "Georgia", "Verdana", "Trebuchet MS",
          "Palatino", "Optima", "Futura", "Baskerville", "Copperplate", "Didot"})
        font.choices.append({QString::fromLatin1(family), family, {}});
    const QString size = title ? QStringLiteral("24") : area ? QStringLiteral("12") : QStringLiteral("14");
    PropertySpec fontSize{K::fontSize, Kind::number,           size,
                          size,        shown(C::integerField), QT_TRANSLATE_NOOP("PropertySchema", "Size")};
    fontSize.minimum = 1;
    fontSize.maximum = 999;
    PropertySpec color{K::textColor,
                       Kind::color,
                       QStringLiteral("#000000"),
                       QStringLiteral("#000000"),
                       shown(C::colorWell),
                       QT_TRANSLATE_NOOP("PropertySchema", "Color")};
    PropertySpec rich{K::richTextData,
                      Kind::richText,
                      std::nullopt,
                      QString(),
                      area ? C::richTextButton : C::none,
                      QT_TRANSLATE_NOOP("PropertySchema", "Text")};

    PropertySpec rotation = rotationSpec();
    rotation.control = shown(C::slider);
    QList<PropertySpec> schema{text, bold,     italic, underline, align,
                               font, fontSize, color,  rotation,  opacitySpec()};
    if (area) {
        schema.prepend(rich);
        schema.append({K::backgroundColor, Kind::color, std::nullopt, QStringLiteral("#FFFFFF")});
        PropertySpec style{K::backgroundStyle, Kind::word, std::nullopt, QStringLiteral("solid")};
        style.choices = {{QStringLiteral("solid"), QT_TRANSLATE_NOOP("PropertySchema", "Solid")},
                         {QStringLiteral("transparent"), QT_TRANSLATE_NOOP("PropertySchema", "Transparent")}};
        schema.append(style);
        schema.append({K::legacyTransparent, Kind::boolean, std::nullopt, QStringLiteral("false")});
    }
    return schema;
}

QList<PropertySpec> imageSchema() {
    PropertySpec path{K::imagePath, Kind::mediaPath, QString(),
                      QString(),    C::imageChooser, QT_TRANSLATE_NOOP("PropertySchema", "Image")};
    PropertySpec fitting{K::fittingMode, Kind::word,
                         std::nullopt,   QStringLiteral("fit"),
                         C::menu,        QT_TRANSLATE_NOOP("PropertySchema", "Display Mode")};
    fitting.choices = {
        {QStringLiteral("fit"),
         QT_TRANSLATE_NOOP("PropertySchema", "Fit"),
         {},
         QT_TRANSLATE_NOOP("PropertySchema",
                           "Scales the image to fit within the frame while maintaining aspect ratio")},
        {QStringLiteral("fill"),
         QT_TRANSLATE_NOOP("PropertySchema", "Fill"),
         {},
         QT_TRANSLATE_NOOP(
             "PropertySchema",
             "Scales the image to fill the frame, cropping if necessary while maintaining aspect ratio")},
        {QStringLiteral("stretch"),
         QT_TRANSLATE_NOOP("PropertySchema", "Stretch"),
         {},
         QT_TRANSLATE_NOOP("PropertySchema",
                           "Stretches the image to fill the frame, may distort aspect ratio")},
        {QStringLiteral("tile"),
         QT_TRANSLATE_NOOP("PropertySchema", "Tile"),
         {},
         QT_TRANSLATE_NOOP("PropertySchema", "Repeats the image to fill the frame")},
        {QStringLiteral("center"),
         QT_TRANSLATE_NOOP("PropertySchema", "Center"),
         {},
         QT_TRANSLATE_NOOP("PropertySchema",
                           "Centers the image without scaling, may be cropped or show empty space")}};
    PropertySpec corner{K::cornerRadius,     Kind::number,
                        QStringLiteral("8"), QStringLiteral("0"),
                        C::slider,           QT_TRANSLATE_NOOP("PropertySchema", "Corner Radius")};
    corner.maximum = 50;
    corner.step = 2;
    PropertySpec borderWidth{K::borderWidth, Kind::number,
                             std::nullopt,   QStringLiteral("0"),
                             C::slider,      QT_TRANSLATE_NOOP("PropertySchema", "Border Width")};
    borderWidth.maximum = 10;
    PropertySpec borderColor{K::borderColor, Kind::color,
                             std::nullopt,   QStringLiteral("#000000"),
                             C::colorWell,   QT_TRANSLATE_NOOP("PropertySchema", "Border Color")};
    // The click action of an image button: edited by the inspector's "On Click" rows as a whole.
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
    PropertySpec path{K::videoPath, Kind::mediaPath, QString(),
                      QString(),    C::videoChooser, QT_TRANSLATE_NOOP("PropertySchema", "Video")};
    PropertySpec controls{K::showsControls,
                          Kind::boolean,
                          yes,
                          yes,
                          C::toggle,
                          QT_TRANSLATE_NOOP("PropertySchema", "Show Controls")};
    PropertySpec autoplay{
        K::isAutoplay, Kind::boolean, no, no, C::toggle, QT_TRANSLATE_NOOP("PropertySchema", "Autoplay")};
    PropertySpec loop{K::isLooping, Kind::boolean, no,
                      no,           C::toggle,     QT_TRANSLATE_NOOP("PropertySchema", "Loop")};
    PropertySpec muted{K::isMuted, Kind::boolean, yes,
                       no,         C::toggle,     QT_TRANSLATE_NOOP("PropertySchema", "Muted")};
    PropertySpec fitting{K::fittingMode,         Kind::word,  QStringLiteral("fill"),
                         QStringLiteral("fill"), C::segments, QT_TRANSLATE_NOOP("PropertySchema", "Fitting")};
    fitting.choices = {{QStringLiteral("fill"), QT_TRANSLATE_NOOP("PropertySchema", "Fill"), {}},
                       {QStringLiteral("stretch"), QT_TRANSLATE_NOOP("PropertySchema", "Stretch"), {}}};
    PropertySpec background{
        K::backgroundColor,        Kind::color,  QStringLiteral("#000000"),
        QStringLiteral("#000000"), C::colorWell, QT_TRANSLATE_NOOP("PropertySchema", "Background Color")};
    PropertySpec corner{K::cornerRadius, Kind::number, QStringLiteral("8"), QStringLiteral("8")};
    return {path,       controls,
            autoplay,   loop,
            muted,      fitting,
            background, opacitySpec(),
            corner,     {K::rotation, Kind::number, std::nullopt, QStringLiteral("0")}};
}

QList<PropertySpec> webViewSchema() {
    PropertySpec url{K::url,    Kind::webAddress, QString(),
                     QString(), C::urlField,      QT_TRANSLATE_NOOP("PropertySchema", "URL to display")};
    url.placeholder = QT_TRANSLATE_NOOP("PropertySchema", "https://www.example.com");
    PropertySpec html{
        K::htmlContent, Kind::text,
        QString(),      QString(),
        C::textEditor,  QT_TRANSLATE_NOOP("PropertySchema", "HTML content (used when URL is empty)")};
    PropertySpec navigation{K::allowsBackForwardNavigation,
                            Kind::boolean,
                            no,
                            no,
                            C::toggle,
                            QT_TRANSLATE_NOOP("PropertySchema", "Allow back and forward navigation")};
    PropertySpec magnification{K::allowsMagnification,
                               Kind::boolean,
                               yes,
                               yes,
                               C::toggle,
                               QT_TRANSLATE_NOOP("PropertySchema", "Allow zooming")};
    PropertySpec linkPreview{K::allowsLinkPreview,
                             Kind::boolean,
                             no,
                             no,
                             C::toggle,
                             QT_TRANSLATE_NOOP("PropertySchema", "Show link previews")};
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
                       QStringLiteral("star"), C::menu,    QT_TRANSLATE_NOOP("PropertySchema", "Shape")};
    shape.choices = {
        {QStringLiteral("star"), QT_TRANSLATE_NOOP("PropertySchema", "Star"), QStringLiteral("star.fill")},
        {QStringLiteral("circle"), QT_TRANSLATE_NOOP("PropertySchema", "Circle"),
         QStringLiteral("circle.fill")},
        {QStringLiteral("rectangle"), QT_TRANSLATE_NOOP("PropertySchema", "Rectangle"),
         QStringLiteral("rectangle.fill")},
        {QStringLiteral("square"), QT_TRANSLATE_NOOP("PropertySchema", "Square"),
         QStringLiteral("square.fill")},
        {QStringLiteral("triangle"), QT_TRANSLATE_NOOP("PropertySchema", "Triangle"),
         QStringLiteral("triangle.fill")},
        {QStringLiteral("diamond"), QT_TRANSLATE_NOOP("PropertySchema", "Diamond"),
         QStringLiteral("diamond.fill")}};
    PropertySpec stroke{K::strokeWidth,      Kind::number, QStringLiteral("2"),
                        QStringLiteral("2"), C::slider,    QT_TRANSLATE_NOOP("PropertySchema", "Stroke")};
    stroke.maximum = 10;
    stroke.decimals = 1;
    stroke.controlWidth = 100;
    PropertySpec points{K::points,           Kind::integer,   QStringLiteral("5"),
                        QStringLiteral("5"), C::integerField, QT_TRANSLATE_NOOP("PropertySchema", "Points")};
    points.minimum = 3;
    points.maximum = 60;
    PropertySpec inner{
        K::innerRadius,        Kind::number, QStringLiteral("0.4"),
        QStringLiteral("0.4"), C::slider,    QT_TRANSLATE_NOOP("PropertySchema", "Inner Radius")};
    inner.minimum = 0.1;
    inner.maximum = 0.9;
    inner.step = 0.1;
    inner.decimals = 2;
    PropertySpec rotation{K::rotation,         Kind::number, QStringLiteral("0"),
                          QStringLiteral("0"), C::slider,    QT_TRANSLATE_NOOP("PropertySchema", "Rotation")};
    rotation.maximum = 360;
    rotation.step = 30;
    rotation.display = ValueDisplay::degrees;
    PropertySpec fill{K::fillColor,
                      Kind::color,
                      QStringLiteral("#FFD700"),
                      QStringLiteral("#FFD700"),
                      C::colorWell,
                      QT_TRANSLATE_NOOP("PropertySchema", "Background"),
                      QT_TRANSLATE_NOOP("PropertySchema", "Colors")};
    PropertySpec strokeColor{K::strokeColor,
                             Kind::color,
                             QStringLiteral("#FFA500"),
                             QStringLiteral("#FFA500"),
                             C::colorWell,
                             QT_TRANSLATE_NOOP("PropertySchema", "Stroke"),
                             QT_TRANSLATE_NOOP("PropertySchema", "Colors")};
    return {shape, stroke, points, inner, rotation, fill, strokeColor, opacitySpec()};
}

QList<PropertySpec> iconSchema() {
    PropertySpec name{K::iconName,
                      Kind::symbolName,
                      QStringLiteral("face.smiling"),
                      QStringLiteral("face.smiling"),
                      C::iconPicker,
                      QT_TRANSLATE_NOOP("PropertySchema", "Choose Icon")};
    PropertySpec color{K::iconColor,
                       Kind::color,
                       QStringLiteral("#007AFF"),
                       QStringLiteral("#007AFF"),
                       C::colorWell,
                       QT_TRANSLATE_NOOP("PropertySchema", "Color")};
    PropertySpec size{K::iconSize,          Kind::number, QStringLiteral("24"),
                      QStringLiteral("24"), C::slider,    QT_TRANSLATE_NOOP("PropertySchema", "Size")};
    size.minimum = 8;
    size.maximum = 256;
    size.controlWidth = 140;
    PropertySpec weight{K::iconWeight,
                        Kind::word,
                        QStringLiteral("regular"),
                        QStringLiteral("regular"),
                        C::menu,
                        QT_TRANSLATE_NOOP("PropertySchema", "Weight")};
    weight.choices = {{QStringLiteral("ultraLight"), QT_TRANSLATE_NOOP("PropertySchema", "Ultra Light"), {}},
                      {QStringLiteral("thin"), QT_TRANSLATE_NOOP("PropertySchema", "Thin"), {}},
                      {QStringLiteral("light"), QT_TRANSLATE_NOOP("PropertySchema", "Light"), {}},
                      {QStringLiteral("regular"), QT_TRANSLATE_NOOP("PropertySchema", "Regular"), {}},
                      {QStringLiteral("medium"), QT_TRANSLATE_NOOP("PropertySchema", "Medium"), {}},
                      {QStringLiteral("semibold"), QT_TRANSLATE_NOOP("PropertySchema", "Semibold"), {}},
                      {QStringLiteral("bold"), QT_TRANSLATE_NOOP("PropertySchema", "Bold"), {}},
                      {QStringLiteral("heavy"), QT_TRANSLATE_NOOP("PropertySchema", "Heavy"), {}},
                      {QStringLiteral("black"), QT_TRANSLATE_NOOP("PropertySchema", "Black"), {}}};
    return {name,   color,         size,
            weight, opacitySpec(), {K::rotation, Kind::number, std::nullopt, QStringLiteral("0")}};
}

// A clock, a countdown or a ticker: a label's text styles, and what the text is drawn from.
QList<PropertySpec> liveSchema(ComponentType type) {
    QList<PropertySpec> schema = textSchema(ComponentType::label);
    const auto labelEntry = [&](const QString& key) -> PropertySpec& {
        return *std::find_if(schema.begin(), schema.end(),
                             [&](const PropertySpec& s) { return s.key == key; });
    };
    const auto textField = [](const QString& key, std::optional<QString> created, const char* label,
                              const char* placeholder) {
        PropertySpec field{key, Kind::text, created, created.value_or(QString()), C::textField, label};
        field.placeholder = placeholder;
        return field;
    };
    labelEntry(K::fontSize).createdWith = QStringLiteral("48");
    labelEntry(K::fontSize).fallback = QStringLiteral("48");
    labelEntry(K::isBold).createdWith = yes;
    QList<PropertySpec> own;
    switch (type) {
    case ComponentType::clock:
        labelEntry(K::text).createdWith.reset();
        labelEntry(K::text).control = C::none;
        own = {textField(K::clockFormat, QStringLiteral("HH:mm"),
                         QT_TRANSLATE_NOOP("PropertySchema", "Format"),
                         QT_TRANSLATE_NOOP("PropertySchema", "HH:mm · dddd d MMMM")),
               textField(K::timeZone, std::nullopt, QT_TRANSLATE_NOOP("PropertySchema", "Time Zone"),
                         QT_TRANSLATE_NOOP("PropertySchema", "The display's own, or Europe/Berlin"))};
        break;
    case ComponentType::countdown:
        labelEntry(K::text).createdWith = QStringLiteral("Opening in");
        labelEntry(K::text).fallback = QString();
        labelEntry(K::text).label = QT_TRANSLATE_NOOP("PropertySchema", "Before");
        own = {textField(K::targetDate, QStringLiteral("2027-01-01T09:00"),
                         QT_TRANSLATE_NOOP("PropertySchema", "Counts Down To"),
                         QT_TRANSLATE_NOOP("PropertySchema", "2027-01-01T09:00")),
               textField(K::finishedText, QStringLiteral("Now open"),
                         QT_TRANSLATE_NOOP("PropertySchema", "Afterwards"),
                         QT_TRANSLATE_NOOP("PropertySchema", "Shown once the moment has passed"))};
        break;
    default: {
        labelEntry(K::text).createdWith = QStringLiteral("Welcome! Opening hours today: 09:00–20:00");
        labelEntry(K::textColor).createdWith = QStringLiteral("#FFFFFF");
        labelEntry(K::fontSize).createdWith = QStringLiteral("36");
        labelEntry(K::textAlignment).control = C::none; // a line that moves has no alignment
        PropertySpec speed{K::tickerSpeed,        Kind::number,
                           QStringLiteral("120"), QStringLiteral("120"),
                           C::integerField,       QT_TRANSLATE_NOOP("PropertySchema", "Speed")};
        speed.minimum = 10;
        speed.maximum = 2000;
        PropertySpec direction{
            K::tickerDirection,     Kind::word,  QStringLiteral("left"),
            QStringLiteral("left"), C::segments, QT_TRANSLATE_NOOP("PropertySchema", "Direction")};
        direction.choices = {{QStringLiteral("left"), QT_TRANSLATE_NOOP("PropertySchema", "Left"),
                              QStringLiteral("arrow.left")},
                             {QStringLiteral("right"), QT_TRANSLATE_NOOP("PropertySchema", "Right"),
                              QStringLiteral("arrow.right")}};
        PropertySpec background{
            K::backgroundColor,          Kind::color,  QStringLiteral("#0B3D91"),
            QStringLiteral("#00000000"), C::colorWell, QT_TRANSLATE_NOOP("PropertySchema", "Background")};
        own = {textField(K::feedUrl, std::nullopt, QT_TRANSLATE_NOOP("PropertySchema", "Feed"),
                         QT_TRANSLATE_NOOP("PropertySchema", "RSS or Atom address, instead of the text")),
               speed,
               direction,
               background,
               PropertySpec{K::feedSnapshot, Kind::text, std::nullopt, QString()},
               PropertySpec{K::feedSnapshotDate, Kind::text, std::nullopt, QString()}};
        break;
    }
    }
    // Their own fields come right after the text.
    schema = QList<PropertySpec>{schema.first()} + own + schema.mid(1);
    return schema;
}

QList<PropertySpec> schemaOf(ComponentType type) {
    switch (type) {
    case ComponentType::clock:
    case ComponentType::countdown:
    case ComponentType::ticker:
        return liveSchema(type);
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

std::optional<PlacedComponent> editWithinType(const PlacedComponent& before, const PlacedComponent& edited) {
    if (edited.componentType != before.componentType)
        return std::nullopt;
    PlacedComponent kept = edited;
    for (auto key = edited.properties.keyBegin(); key != edited.properties.keyEnd(); ++key)
        if (!before.properties.contains(*key) && !propertySpec(edited.componentType, *key))
            kept.properties.remove(*key);
    return kept;
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
