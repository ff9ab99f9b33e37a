#include "editor/inspector/inspector_rules.h"

#include <QCoreApplication>
#include <QUrl>

#include <algorithm>

namespace vistrelle::InspectorRules {

std::optional<qint64> parseInteger(const QString& text) {
    qsizetype i = 0;
    if (!text.isEmpty() && (text[0] == u'+' || text[0] == u'-'))
        i = 1;
    if (i == text.size())
        return std::nullopt;
    for (qsizetype j = i; j < text.size(); ++j)
        if (text[j] < u'0' || text[j] > u'9')
            return std::nullopt;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

qint64 clampedSide(qint64 value, qint64 bound) {
    return std::min(std::max(value, smallestSide), bound);
}

qint64 clampedOrigin(qint64 value, qint64 screenSide, qint64 componentSide) {
    return std::min(std::max(value, qint64(0)), std::max(screenSide - componentSide, qint64(0)));
}

qint64 committedDuration(const QString& text, qint64 current) {
    return std::max(parseInteger(text).value_or(current), shortestDuration);
}

QString committedScreenName(const QString& text) {
    return text.isEmpty() ? QCoreApplication::translate("InspectorRules", "Untitled Screen") : text;
}

bool isValidWebAddress(const QString& text) {
    if (text.isEmpty())
        return true;
    const QUrl url(text, QUrl::StrictMode);
    // "example.com/menu" has no scheme; "ftp://…" and "mailto:…" have one we do not show.
    if (url.isValid() && !url.scheme().isEmpty()) {
        const QString scheme = url.scheme().toLower();
        return (scheme == QLatin1StringView("http") || scheme == QLatin1StringView("https")) &&
               !url.host().isEmpty();
    }
    return text.contains(u'.') || text.startsWith(u'/');
}

} // namespace vistrelle::InspectorRules
