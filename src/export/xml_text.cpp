#include "export/xml_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace vistrelle {

namespace {

bool allowedInXml(char32_t c) {
    if (c < 0x20)
        return c == 0x09 || c == 0x0A || c == 0x0D;
    if (c >= 0xD800 && c <= 0xDFFF)
        return false;
    return c != 0xFFFE && c != 0xFFFF;
}

} // namespace

QString xmlEscape(const QString& text) {
    QString result;
    result.reserve(text.size() + text.size() / 8);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        switch (c.unicode()) {
        case u'&':
            result += QLatin1StringView("&amp;");
            continue;
        case u'<':
            result += QLatin1StringView("&lt;");
            continue;
        case u'>':
            result += QLatin1StringView("&gt;");
            continue;
        case u'"':
            result += QLatin1StringView("&quot;");
            continue;
        case u'\'':
            result += QLatin1StringView("&apos;");
            continue;
        default:
            break;
        }
        if (c.isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate()) {
            result += c;
            result += text[++i];
            continue;
        }
        if (allowedInXml(c.unicode()))
            result += c;
    }
    return result;
}

QString xmlDouble(double value) {
    if (std::isnan(value))
        return QStringLiteral("nan");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("inf") : QStringLiteral("-inf");
    if (value == 0)
        return std::signbit(value) ? QStringLiteral("-0.0") : QStringLiteral("0.0");

    // The shortest round-trip digits and the decimal exponent.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string_view scientific(buffer, std::size_t(result.ptr - buffer));
    const std::size_t e = scientific.find('e');
    // The buffer has no terminating zero: read the exponent within its bounds.
    const char* exponentBegin = scientific.data() + e + 1;
    if (*exponentBegin == '+')
        ++exponentBegin;
    int exponent = 0;
    std::from_chars(exponentBegin, scientific.data() + scientific.size(), exponent);
    const bool negative = value < 0;
    std::string digits;
    for (char c : scientific.substr(0, e))
        if (c >= '0' && c <= '9')
            digits += c;

    std::string text = negative ? "-" : "";
    if (exponent < -4 || exponent >= 16) {
        text += digits[0];
        if (digits.size() > 1)
            text += '.' + digits.substr(1);
        char exponentText[16];
        std::snprintf(exponentText, sizeof exponentText, "e%c%02d", exponent < 0 ? '-' : '+',
                      std::abs(exponent));
        text += exponentText;
    } else if (exponent < 0) {
        text += "0." + std::string(std::size_t(-exponent - 1), '0') + digits;
    } else if (std::size_t(exponent) + 1 >= digits.size()) {
        text += digits + std::string(std::size_t(exponent) + 1 - digits.size(), '0') + ".0";
    } else {
        text += digits.substr(0, std::size_t(exponent) + 1) + '.' + digits.substr(std::size_t(exponent) + 1);
    }
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace vistrelle
