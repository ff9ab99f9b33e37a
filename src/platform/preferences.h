#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <optional>

namespace vistrelle {

// The per-user preference store (an INI file in the user's configuration
// folder), shared by the editor and the command line. Safe from any thread.
//
// A write that fails (a read-only or full disk) returns why, and keeps the
// values in memory: this run reads them back as written, and the next write
// tries to store them again.
namespace Preferences {

QVariant value(const QString& key, const QVariant& fallback = {});
std::optional<QByteArray> data(const QString& key);
std::optional<QString> setValue(const QString& key, const QVariant& value);
// Several keys in one write of the store (a window frame is four of them).
std::optional<QString> setValues(const QVariantMap& values);
std::optional<QString> remove(const QString& key);

// Keeps the store in `folder` instead (tests); forgets values kept in memory.
void setStoreFolder(const QString& folder);

// The notification posted when a write fails, with the user info key "message": a sentence for the user
// that says what could not be saved and why. The window the user works in shows it.
inline const QString writeFailedNotification = QStringLiteral("settingsWriteFailed");
inline const QString messageKey = QStringLiteral("message");
// Posts writeFailedNotification with `what` ("Could not save the style preset: %1") filled in with `reason`.
void reportWriteFailure(const QString& what, const QString& reason);

} // namespace Preferences
} // namespace vistrelle
