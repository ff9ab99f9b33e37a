#pragma once

#include <QByteArray>
#include <QString>
#include <QTextDocument>

namespace vistrelle {

// Writes a rich text document as RTF (ASCII, with \uN for everything else):
// a font table and a colour table, then per paragraph its alignment and line
// spacing, per run its font, size, bold, italic, underline and colour.
QByteArray writeRtf(const QTextDocument& document);

// The text area's stored form: Base64 of the RTF.
QString writeBase64Rtf(const QTextDocument& document);

} // namespace vistrelle
