#include "model/color_text.h"

#include <cmath>

namespace vistrelle {

namespace {

int hexDigitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

QStringView trimmedToLettersAndDigits(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && !text[begin].isLetterOrNumber())
        ++begin;
    while (end > begin && !text[end - 1].isLetterOrNumber())
        --end;
    return text.sliced(begin, end - begin);
}

} // namespace

std::optional<QColor> parseColor(QStringView text) {
    const QStringView digits = trimmedToLettersAndDigits(text);
    if (digits.size() != 3 && digits.size() != 6 && digits.size() != 8)
        return std::nullopt;

    // Every character must be a hex digit: a word such as "red" or "ffgg00"
    // is not a colour, rather than silently black.
    quint32 value = 0;
    for (QChar c : digits) {
        const int digit = hexDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        value = value << 4 | quint32(digit);
    }

    switch (digits.size()) {
    case 3:
        return QColor::fromRgb(int(value >> 8 & 0xF) * 17, int(value >> 4 & 0xF) * 17, int(value & 0xF) * 17);
    case 6:
        return QColor::fromRgb(int(value >> 16 & 0xFF), int(value >> 8 & 0xFF), int(value & 0xFF));
    default:
        return QColor::fromRgb(int(value >> 16 & 0xFF), int(value >> 8 & 0xFF), int(value & 0xFF),
                               int(value >> 24 & 0xFF));
    }
}

std::optional<QString> formatColor(const QColor& color) {
    if (!color.isValid())
        return std::nullopt;
    float red = 0;
    float green = 0;
    float blue = 0;
    color.toExtendedRgb().getRgbF(&red, &green, &blue);
    if (!std::isfinite(red) || !std::isfinite(green) || !std::isfinite(blue))
        return std::nullopt;
    const auto channel = [](float component) { return long(std::lround(component * 255.0f)); };
    const long r = channel(red);
    const long g = channel(green);
    const long b = channel(blue);
    if (r < 0 || r > 255 || g < 0 || g > 255 || b < 0 || b > 255)
        return std::nullopt;
    return QString::asprintf("#%02lX%02lX%02lX", r, g, b);
}

} // namespace vistrelle
