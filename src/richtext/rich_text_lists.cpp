#include "richtext/rich_text_lists.h"

#include <QTextList>

namespace vistrelle {

std::optional<QTextListFormat::Style> listStyleOfMarker(const QString& marker) {
    const QString text = marker.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    static const QString bullets = QStringLiteral("\u2022\u00B7\u25AA\u25E6\u25CF\u25A0\u2013-*o");
    if (text.size() == 1 && bullets.contains(text.front()))
        return QTextListFormat::ListDisc;
    qsizetype digits = 0;
    while (digits < text.size() && text[digits].isDigit())
        ++digits;
    if (digits > 0 && digits <= 4 &&
        (digits == text.size() ||
         (digits + 1 == text.size() && (text.back() == u'.' || text.back() == u')'))))
        return QTextListFormat::ListDecimal;
    return std::nullopt;
}

QString listMarkerOf(const QTextBlock& block) {
    const QTextList* list = block.textList();
    if (!list)
        return {};
    switch (list->format().style()) {
    case QTextListFormat::ListDecimal:
    case QTextListFormat::ListLowerAlpha:
    case QTextListFormat::ListUpperAlpha:
    case QTextListFormat::ListLowerRoman:
    case QTextListFormat::ListUpperRoman:
        return QString::number(list->itemNumber(block) + 1) + u'.';
    default:
        return QStringLiteral("\u2022");
    }
}

} // namespace vistrelle
