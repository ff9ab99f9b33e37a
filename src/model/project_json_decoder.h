#pragma once

#include "model/project_model.h"

#include <QByteArray>
#include <QString>

namespace vistrelle {

// Why a document could not be decoded. The kinds follow the reading rules: a
// corrupt document (not JSON, an unreadable date, identifier, enumeration word
// or integer) is told apart from a missing key, a null or a value of the wrong type.
struct JsonDecodingError {
    enum class Kind { dataCorrupted, keyNotFound, valueNotFound, typeMismatch };

    Kind kind = Kind::dataCorrupted;
    // What went wrong and where, for logs and messages.
    QString description;
    // The failure concerns the form of a date, so the other date rule may read it.
    bool concernsDateForm = false;
};

enum class DateDecoding {
    iso8601,                   // "2025-03-01T09:30:00Z"
    secondsSinceReferenceDate, // seconds since 2001-01-01 00:00:00 UTC, as a number
};

// Decodes with the tolerant reading rules: defaults for missing keys, the
// transition duration clamp, the legacy component types. Throws JsonDecodingError.
KioskProject decodeProjectJson(const QByteArray& json, DateDecoding dates);
PlacedComponent decodeComponentJson(const QByteArray& json);
// An array of components, as encodeComponentsJson writes it. Throws JsonDecodingError.
QList<PlacedComponent> decodeComponentsJson(const QByteArray& json);

} // namespace vistrelle
