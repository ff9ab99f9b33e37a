#pragma once

#include <QString>

namespace vistrelle {

// The one escaping rule of both XML writers: & < > " ' become entities ("&"
// first, so nothing is escaped twice). Characters XML 1.0 does not allow
// (control characters other than tab, line feed and carriage return, lone
// surrogates, U+FFFE and U+FFFF) are left out: the player could not read a
// file holding them.
QString xmlEscape(const QString& text);

// Doubles for the XML files: the shortest text that reads back to the same
// value, with ".0" on integral values, in exponent form below 1e-4 and from
// 1e16 on ("1e-05", "1e+16", "2.5e-07").
QString xmlDouble(double value);

} // namespace vistrelle
