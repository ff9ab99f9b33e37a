#include "photo_show.h"

#include "model/component_factory.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>

#include <algorithm>
#include <cmath>

namespace vistrelle::bench {

QString grainyPhoto(const QString& folder, int index) {
    const QString path = QDir(folder).filePath(QStringLiteral("grain-%1.jpg").arg(index));
    if (QFileInfo::exists(path))
        return path;
    QImage image(1920, 1080, QImage::Format_RGB32);
    quint32 seed = 2166136261u * quint32(index + 1);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = int(seed >> 27) - 16;
            const double wave = std::sin((x + index * 90) / 97.0) * std::cos(y / 61.0);
            row[x] = qRgb(std::clamp(int(120 + 80 * wave) + grain, 0, 255),
                          std::clamp(int(110 + 60 * std::sin(y / 43.0 + index)) + grain, 0, 255),
                          std::clamp(int(90 + 70 * std::cos((x + y) / 150.0)) + grain, 0, 255));
        }
    }
    QDir().mkpath(folder);
    QImageWriter writer(path, "jpg");
    writer.setQuality(90);
    writer.write(image);
    return path;
}

KioskProject photoShow(const QString& folder) {
    KioskProject project;
    project.metadata.name = QStringLiteral("Photo Show");
    project.settings.deployPassword = QStringLiteral("photos");
    project.settings.defaultResolution = ScreenResolution::presets(ScreenMode::horizontal).last();
    project.screens.clear();
    for (int i = 0; i < photoShowScreens; ++i) {
        KioskScreen screen(QStringLiteral("Photo %1").arg(i + 1));
        screen.resolution = project.settings.defaultResolution;
        PlacedComponent photo = makeComponent(ComponentType::image, {0, 0});
        photo.size = {1920, 1080};
        photo.properties[QStringLiteral("imagePath")] = grainyPhoto(folder, i % photoShowPhotos);
        photo.properties[QStringLiteral("fittingMode")] = QStringLiteral("fill");
        PlacedComponent caption = makeComponent(ComponentType::title, {160, 900});
        caption.size = {1600, 120};
        caption.properties[QStringLiteral("text")] = QStringLiteral("Harbour views, %1").arg(i + 1);
        caption.properties[QStringLiteral("fontSize")] = QStringLiteral("72");
        caption.properties[QStringLiteral("textColor")] = QStringLiteral("#FFFFFF");
        screen.components = {photo, caption};
        project.screens.append(screen);
    }
    return project;
}

} // namespace vistrelle::bench
