#include "model/web_address.h"

#include <QUrl>

namespace vistrelle {

QString storedWebAddress(const QString& typed) {
    if (typed.isEmpty() || typed.startsWith(u'/'))
        return typed;
    const QUrl url(typed, QUrl::StrictMode);
    if (url.isValid() && !url.scheme().isEmpty())
        return typed;
    return QStringLiteral("https://") + typed;
}

bool isWebPageAddress(const QString& address) {
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid())
        return false;
    const QString scheme = url.scheme().toLower();
    return (scheme == QLatin1StringView("http") || scheme == QLatin1StringView("https")) &&
           !url.host().isEmpty();
}

} // namespace vistrelle
