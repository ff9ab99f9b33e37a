#include "richtext/font_resolver.h"

#include <QFontDatabase>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>

#include <algorithm>
#include <cmath>

namespace vistrelle {

namespace {

// Families documents name, by lower-case name, with the installed twins to try in order.
const QHash<QString, QStringList>& knownFamilies() {
    static const QStringList sans = {QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans"),
                                     QStringLiteral("DejaVu Sans")};
    static const QStringList serif = {QStringLiteral("Nimbus Roman"), QStringLiteral("Liberation Serif"),
                                      QStringLiteral("DejaVu Serif")};
    static const QStringList mono = {QStringLiteral("Nimbus Mono PS"), QStringLiteral("Liberation Mono"),
                                     QStringLiteral("DejaVu Sans Mono")};
    static const QHash<QString, QStringList> families = {
        {"helvetica", sans},
        {"helvetica neue", sans},
        {"arial", sans},
        {"system", sans},
        {".sf ns", sans},
        {"sf pro", sans},
        {"sf pro text", sans},
        {"sf pro display", sans},
        {"lucida grande", sans},
        {"verdana", sans},
        {"optima", sans},
        {"gill sans", sans},
        {"times", serif},
        {"times new roman", serif},
        {"new york", serif},
        {"baskerville", serif},
        {"courier", mono},
        {"courier new", mono},
        {"menlo", mono},
        {"monaco", mono},
        {"sf mono", mono},
        {"palatino", {QStringLiteral("P052"), QStringLiteral("Nimbus Roman")}},
        {"book antiqua", {QStringLiteral("P052"), QStringLiteral("Nimbus Roman")}},
        {"georgia", {QStringLiteral("C059"), QStringLiteral("Nimbus Roman")}},
        {"century schoolbook", {QStringLiteral("C059"), QStringLiteral("Nimbus Roman")}},
        {"bookman", {QStringLiteral("URW Bookman"), QStringLiteral("Nimbus Roman")}},
        {"avenir", {QStringLiteral("URW Gothic"), QStringLiteral("Nimbus Sans")}},
        {"avenir next", {QStringLiteral("URW Gothic"), QStringLiteral("Nimbus Sans")}},
        {"futura", {QStringLiteral("URW Gothic"), QStringLiteral("Nimbus Sans")}},
        {"avant garde", {QStringLiteral("URW Gothic"), QStringLiteral("Nimbus Sans")}},
        {"zapf chancery", {QStringLiteral("Z003"), QStringLiteral("Nimbus Roman")}},
        {"apple chancery", {QStringLiteral("Z003"), QStringLiteral("Nimbus Roman")}},
    };
    return families;
}

bool usable(const QString& family) {
    return QFontDatabase::hasFamily(family) && QFontDatabase::isSmoothlyScalable(family);
}

} // namespace

QString resolveFontFamily(const QString& requestedFamily) {
    static QMutex mutex;
    static QHash<QString, QString> resolved;
    QMutexLocker lock(&mutex);
    if (const auto it = resolved.constFind(requestedFamily); it != resolved.cend())
        return *it;

    QString family;
    QString key = requestedFamily.trimmed().toLower();
    // A PostScript name ("Times-Roman", "Helvetica-Bold", "Avenir-Book") names its family before the dash.
    if (!knownFamilies().contains(key) && key.contains(u'-') &&
        knownFamilies().contains(key.section(u'-', 0, 0)))
        key = key.section(u'-', 0, 0);
    for (const QString& twin : knownFamilies().value(key))
        if (family.isEmpty() && usable(twin))
            family = twin;
    if (family.isEmpty() && !key.isEmpty() && usable(requestedFamily.trimmed()))
        family = requestedFamily.trimmed();
    for (const QString& fallback : knownFamilies().value(QStringLiteral("helvetica")))
        if (family.isEmpty() && usable(fallback))
            family = fallback;
    if (family.isEmpty())
        family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    resolved.insert(requestedFamily, family);
    return family;
}

QFont documentFont(const QString& requestedFamily, double pointSize, bool bold, bool italic, bool underline) {
    QFont font(resolveFontFamily(requestedFamily));
    // Sizes are in screen pixels; absurd ones are bounded so layout stays cheap.
    const double size = std::isfinite(pointSize) ? std::clamp(pointSize, 1.0, 2000.0) : 12.0;
    font.setPixelSize(std::max(1, int(std::lround(size))));
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

namespace {
constexpr int documentFamilyProperty = QTextFormat::UserProperty + 1;
} // namespace

void setDocumentFamily(QTextCharFormat& format, const QString& family) {
    format.setProperty(documentFamilyProperty, family);
    format.setFontFamilies(QStringList{resolveFontFamily(family)});
}

QString documentFamilyOf(const QTextCharFormat& format) {
    const QString named = format.stringProperty(documentFamilyProperty);
    if (!named.isEmpty())
        return named;
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.first().isEmpty())
        return families.first();
    return QStringLiteral("Helvetica");
}

} // namespace vistrelle
