#pragma once

#include <QStringView>

#include <optional>

namespace vistrelle {

// Numbers in the attributes of the XML files the system reads.

// An optional sign and decimal digits only.
std::optional<qint64> strictInteger(QStringView text);
// Any decimal text but NaN.
std::optional<double> decimalNumber(QStringView text);
// Frames: NaN and infinities would poison every later computation with them.
std::optional<double> finiteNumber(QStringView text);

} // namespace vistrelle
