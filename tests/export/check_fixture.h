#pragma once

#include "export/media_probe.h"
#include "export/show_check.h"
#include "media/image_cache.h"
#include "media/path_resolver.h"
#include "model/component_factory.h"
#include "model/component_properties.h"

#include "support/temporary_home.h"

#include <QImage>

#include <algorithm>

namespace vistrelle::test_support {

// A deployable project of one white 1920 × 1080 screen held 60 seconds, and helpers to add to it.
class ShowCheckTest : public TemporaryHomeTest {
protected:
    void SetUp() override {
        TemporaryHomeTest::SetUp();
        project.metadata.name = QStringLiteral("Lobby");
        project.settings.deployPassword = QStringLiteral("secret");
        project.screens = {KioskScreen(QStringLiteral("Entrance"))};
        screen().resolution = {1920, 1080};
        screen().duration = 60;
        screen().background = BackgroundStyle{BackgroundType::color, QStringLiteral("#FFFFFF"), {}, {}};
    }

    KioskScreen& screen() { return project.screens.front(); }

    PlacedComponent& add(ComponentType type, Point at, Size size) {
        PlacedComponent component = makeComponent(type, at);
        component.size = size;
        screen().components.append(component);
        return screen().components.last();
    }

    PlacedComponent& addText(ComponentType type, const QString& text, double fontSize, const QString& color,
                             Point at = {100, 100}, Size size = {1200, 200}) {
        PlacedComponent& c = add(type, at, size);
        c.properties[PropertyKey::text] = text;
        c.properties[PropertyKey::fontSize] = QString::number(fontSize);
        c.properties[PropertyKey::textColor] = color;
        return c;
    }

    // A picture of `size` in one colour under the home folder; its stored path.
    QString picture(const QString& name, QSize size, QColor color = Qt::gray) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(color);
        const QString path = home.filePath(name);
        EXPECT_TRUE(image.save(path));
        return path;
    }

    QList<CheckFinding> check(const CheckOptions& options = {}) {
        ImageCache cache;
        MediaProbe media(PathResolver::shared(), cache);
        return checkShow(project, media, options);
    }

    QStringList rules(const CheckOptions& options = {}) {
        QStringList found;
        for (const CheckFinding& finding : check(options))
            found << finding.rule;
        return found;
    }

    std::optional<CheckFinding> finding(const QString& rule, const CheckOptions& options = {}) {
        const QList<CheckFinding> all = check(options);
        const auto it =
            std::find_if(all.begin(), all.end(), [&](const CheckFinding& f) { return f.rule == rule; });
        return it == all.end() ? std::nullopt : std::optional<CheckFinding>(*it);
    }

    KioskProject project;
};

} // namespace vistrelle::test_support
