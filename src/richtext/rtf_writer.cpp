#include "richtext/rtf_writer.h"

#include "richtext/font_resolver.h"
#include "richtext/rich_text_lists.h"

#include <QColor>
#include <QTextBlock>
#include <QTextFragment>

#include <cmath>

namespace vistrelle {

namespace {

QString familyOf(const QTextCharFormat& format) {
    return documentFamilyOf(format);
}

int halfPointsOf(const QTextCharFormat& format, const QTextDocument& document) {
    if (format.hasProperty(QTextFormat::FontPixelSize))
        return format.intProperty(QTextFormat::FontPixelSize) * 2;
    if (format.hasProperty(QTextFormat::FontPointSize))
        return int(std::lround(format.fontPointSize() * 2));
    const QFont font = document.defaultFont();
    return font.pixelSize() > 0 ? font.pixelSize() * 2 : int(std::lround(font.pointSizeF() * 2));
}

void appendEscaped(QByteArray& rtf, const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            rtf += '\\';
            rtf += char(u);
        } else if (u == u'\t') {
            rtf += "\\tab ";
        } else if (u == u'\u2028' || u == QChar::LineSeparator) {
            rtf += "\\line ";
        } else if (u == QChar::Nbsp) {
            rtf += "\\~";
        } else if (u >= 0x20 && u < 0x80) {
            rtf += char(u);
        } else if (u >= 0x20 || u == u'\n') {
            // Signed 16-bit, as readers expect; "?" for those that cannot read \u.
            rtf += "\\u" + QByteArray::number(qint16(u)) + '?';
        }
    }
}

} // namespace

QByteArray writeRtf(const QTextDocument& document) {
    QStringList fonts;
    QList<QRgb> colors;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!fonts.contains(familyOf(format)))
                fonts.append(familyOf(format));
            if (format.hasProperty(QTextFormat::ForegroundBrush)) {
                const QRgb rgb = format.foreground().color().rgb();
                if (!colors.contains(rgb))
                    colors.append(rgb);
            }
        }
    }
    if (fonts.isEmpty())
        fonts.append(QStringLiteral("Helvetica"));

    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0{\\fonttbl";
    for (qsizetype i = 0; i < fonts.size(); ++i) {
        rtf += "{\\f" + QByteArray::number(i) + "\\fnil ";
        appendEscaped(rtf, fonts[i]);
        rtf += ";}";
    }
    rtf += "}\n{\\colortbl;";
    for (const QRgb rgb : colors)
        rtf += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" + QByteArray::number(qGreen(rgb)) +
               "\\blue" + QByteArray::number(qBlue(rgb)) + ';';
    rtf += "}\n";

    const auto appendCharacterFormat = [&](QByteArray& out, const QTextCharFormat& format) {
        out += "\\plain\\f" + QByteArray::number(std::max<qsizetype>(0, fonts.indexOf(familyOf(format)))) +
               "\\fs" + QByteArray::number(halfPointsOf(format, document));
        if (format.fontWeight() >= QFont::Bold)
            out += "\\b";
        if (format.fontItalic())
            out += "\\i";
        if (format.fontUnderline())
            out += "\\ul";
        if (format.hasProperty(QTextFormat::ForegroundBrush))
            out += "\\cf" + QByteArray::number(colors.indexOf(format.foreground().color().rgb()) + 1);
    };
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat paragraph = block.blockFormat();
        rtf += "\\pard";
        const Qt::Alignment alignment = paragraph.alignment() & Qt::AlignHorizontal_Mask;
        rtf += alignment & Qt::AlignHCenter   ? "\\qc"
               : alignment & Qt::AlignRight   ? "\\qr"
               : alignment & Qt::AlignJustify ? "\\qj"
                                              : "\\ql";
        if (paragraph.lineHeightType() == QTextBlockFormat::ProportionalHeight &&
            paragraph.lineHeight() != 100)
            rtf += "\\sl" + QByteArray::number(qRound(paragraph.lineHeight() * 240 / 100)) + "\\slmult1";
        else if (paragraph.lineHeightType() == QTextBlockFormat::MinimumHeight)
            rtf += "\\sl" + QByteArray::number(qRound(paragraph.lineHeight() * 20)) + "\\slmult0";
        // A list item: indented, with its bullet or number as every reader shows it.
        // A list item: indented, with its bullet or number as every reader shows it, in the item's own
        // format (without one it takes the end of the paragraph before: a heading's size).
        if (const QString marker = listMarkerOf(block); !marker.isEmpty()) {
            rtf += "\\li720\\fi-360{\\listtext";
            appendCharacterFormat(rtf, block.begin().atEnd() ? block.charFormat()
                                                             : block.begin().fragment().charFormat());
            rtf += ' ';
            appendEscaped(rtf, marker);
            rtf += "\\tab}";
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            appendCharacterFormat(rtf, it.fragment().charFormat());
            rtf += ' ';
            appendEscaped(rtf, it.fragment().text());
        }
        if (block.next().isValid())
            rtf += "\\par\n";
    }
    rtf += "}";
    return rtf;
}

QString writeBase64Rtf(const QTextDocument& document) {
    return QString::fromLatin1(writeRtf(document).toBase64());
}

} // namespace vistrelle
