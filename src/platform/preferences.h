#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <optional>

namespace vistrelle {

// The per-user preference store (an INI file in the user's configuration
// folder), shared by the editor and the command line. Safe from any thread.
namespace Preferences {

QVariant value(const QString& key, const QVariant& fallback = {});
std::optional<QByteArray> data(const QString& key);
void setValue(const QString& key, const QVariant& value);
// Several keys in one write of the store (a window frame is four of them).
void setValues(const QVariantMap& values);
void remove(const QString& key);

// Keeps the store in `folder` instead (tests).
void setStoreFolder(const QString& folder);

} // namespace Preferences
} // namespace vistrelle
