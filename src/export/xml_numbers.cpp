#include "export/xml_numbers.h"

#include <algorithm>
#include <cmath>

namespace vistrelle {

std::optional<qint64> strictInteger(QStringView text) {
    QStringView digits = text;
    if (!digits.isEmpty() && (digits.front() == u'+' || digits.front() == u'-'))
        digits = digits.sliced(1);
    if (digits.isEmpty() ||
        !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

std::optional<double> decimalNumber(QStringView text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && !std::isnan(value) ? std::optional(value) : std::nullopt;
}

std::optional<double> finiteNumber(QStringView text) {
    const std::optional<double> value = decimalNumber(text);
    return value && std::isfinite(*value) ? value : std::nullopt;
}

} // namespace vistrelle
