#pragma once

#include <QString>
#include <QUuid>

#include <optional>

namespace vistrelle {

// Canonical text of an identifier: 36 upper-case hexadecimal characters with hyphens.
QString uuidText(const QUuid& uuid);

// Accepts exactly the canonical hyphenated form (either letter case), nothing else.
std::optional<QUuid> uuidFromText(QStringView text);

} // namespace vistrelle
