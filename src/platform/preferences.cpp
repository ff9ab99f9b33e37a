#include "platform/preferences.h"

#include <QSettings>

namespace vistrelle::Preferences {

namespace {
QSettings store() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quendrix"),
                     QStringLiteral("Vistrelle"));
}
} // namespace

QVariant value(const QString& key, const QVariant& fallback) {
    return store().value(key, fallback);
}

std::optional<QByteArray> data(const QString& key) {
    const QVariant stored = store().value(key);
    if (!stored.isValid())
        return std::nullopt;
    return stored.toByteArray();
}

void setValue(const QString& key, const QVariant& value) {
    store().setValue(key, value);
}

void remove(const QString& key) {
    store().remove(key);
}

void setStoreFolder(const QString& folder) {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

} // namespace vistrelle::Preferences
