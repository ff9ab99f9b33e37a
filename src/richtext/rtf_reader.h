#pragma once

#include <QByteArray>
#include <QTextDocument>

#include <memory>

namespace vistrelle {

// Reads RTF into a rich text document: paragraphs with their alignment and
// line spacing; runs with font, size, bold, italic, underline and colour;
// Unicode from \uN and \'hh (Windows-1252). Font and colour tables are read;
// headers, style sheets, pictures, fields' instructions and other
// destinations are skipped; unknown control words are ignored. Nesting,
// control word length and document size are bounded. Returns nullptr when
// the data is not RTF at all.
std::unique_ptr<QTextDocument> readRtf(const QByteArray& rtf);

// The text area's stored form: Base64 of RTF. Nothing when it does not decode.
std::unique_ptr<QTextDocument> readBase64Rtf(const QString& base64);

} // namespace vistrelle
