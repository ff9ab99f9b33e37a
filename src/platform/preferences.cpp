#include "platform/preferences.h"

#include "platform/app_logger.h"

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

namespace {
// QSettings writes its file atomically; a write that failed (a full disk) is at least not silent.
void writeOut(QSettings& settings) {
    settings.sync();
    if (settings.status() != QSettings::NoError)
        AppLogger::logError(QStringLiteral("Failed to write the preferences file ") + settings.fileName());
}
} // namespace

void setValue(const QString& key, const QVariant& value) {
    QSettings settings = store();
    settings.setValue(key, value);
    writeOut(settings);
}

void setValues(const QVariantMap& values) {
    QSettings settings = store();
    for (auto entry = values.begin(); entry != values.end(); ++entry)
        settings.setValue(entry.key(), entry.value());
    writeOut(settings);
}

void remove(const QString& key) {
    QSettings settings = store();
    settings.remove(key);
    writeOut(settings);
}

void setStoreFolder(const QString& folder) {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

} // namespace vistrelle::Preferences
