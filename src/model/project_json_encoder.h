#pragma once

#include "model/project_model.h"

#include <QByteArray>
#include <QString>

#include <stdexcept>

namespace vistrelle {

// A value the JSON form cannot hold (NaN or an infinity).
struct JsonEncodingError {
    QString description;
};

// The document encoding of a project and of a single component: pretty-printed,
// keys sorted, slashes unescaped, dates as ISO 8601 in UTC, identifiers in
// canonical upper-case text, optional fields left out. Throws JsonEncodingError.
QByteArray encodeProjectJson(const KioskProject& project);
QByteArray encodeComponentJson(const PlacedComponent& component);
// Several components: a JSON array of the single component's objects.
QByteArray encodeComponentsJson(const QList<PlacedComponent>& components);

} // namespace vistrelle
