#include "model/project_model.h"

#include "model/component_properties.h"

#include <QCoreApplication>
#include <QTimeZone>

#include <algorithm>

namespace vistrelle {

QDateTime currentDocumentTime() {
    const qint64 seconds = QDateTime::currentSecsSinceEpoch();
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
}

QList<ScreenResolution> ScreenResolution::allPresets() {
    return {
        {1024, 768, QStringLiteral("XGA"), ScreenMode::horizontal, false},
        {768, 1024, QStringLiteral("XGA Portrait"), ScreenMode::vertical, false},
        {1280, 720, QStringLiteral("HD 720p"), ScreenMode::horizontal, false},
        {720, 1280, QStringLiteral("HD 720p Portrait"), ScreenMode::vertical, false},
        {1920, 1080, QStringLiteral("Full HD 1080p"), ScreenMode::horizontal, false},
        {1080, 1920, QStringLiteral("Full HD 1080p Portrait"), ScreenMode::vertical, false},
    };
}

QList<ScreenResolution> ScreenResolution::presets(ScreenMode mode) {
    QList<ScreenResolution> result;
    for (const ScreenResolution& preset : allPresets())
        if (preset.mode == mode)
            result.append(preset);
    std::stable_sort(result.begin(), result.end(),
                     [](const auto& a, const auto& b) { return a.width * a.height < b.width * b.height; });
    return result;
}

std::optional<ScreenResolution> ScreenResolution::custom(qint64 width, qint64 height, ScreenMode mode) {
    if (width < 1024 || height < 768)
        return std::nullopt;
    const QString name = QStringLiteral("Custom %1\u00D7%2").arg(width).arg(height);
    return ScreenResolution{width, height, name, mode, true};
}

QString PlacedComponent::stringProperty(const QString& key, const QString& fallback) const {
    return vistrelle::stringProperty(properties, key, fallback);
}

bool PlacedComponent::boolProperty(const QString& key) const {
    return vistrelle::boolProperty(properties, key);
}

double PlacedComponent::numberProperty(const QString& key, double fallback) const {
    return vistrelle::numberProperty(properties, key, fallback);
}

qint64 PlacedComponent::integerProperty(const QString& key, qint64 fallback) const {
    return vistrelle::integerProperty(properties, key, fallback);
}

KioskProject::KioskProject() {
    screens.append(KioskScreen(QCoreApplication::translate("KioskProject", "Start")));
}

qsizetype KioskProject::componentCount() const {
    qsizetype count = 0;
    for (const KioskScreen& screen : screens)
        count += screen.components.size();
    return count;
}

QString projectNameOrUntitled(const QString& name) {
    return name.trimmed().isEmpty() ? kUntitledProjectName : name;
}

} // namespace vistrelle
