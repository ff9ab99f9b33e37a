#include "model/coding_path.h"

namespace vistrelle {

QString CodingPath::text() const {
    QString result;
    for (const auto& step : steps_) {
        if (const auto* key = std::get_if<QLatin1StringView>(&step)) {
            if (!result.isEmpty())
                result += u'.';
            result += *key;
        } else {
            result += u'[' + QString::number(std::get<qsizetype>(step)) + u']';
        }
    }
    return result;
}

QString CodingPath::locationSuffix() const {
    const QString path = text();
    return path.isEmpty() ? QString() : QStringLiteral(" (at %1)").arg(path);
}

} // namespace vistrelle
