#include "large_project.h"

#include "model/component_factory.h"
#include "model/component_properties.h"

namespace vistrelle::bench {

namespace {

PlacedComponent realisticComponent(int screen, int index) {
    const auto types = allCases<ComponentType>();
    const ComponentType type = types[std::size_t(index) % types.size()];
    PlacedComponent c = makeComponent(type, {20.0 * (index % 40) + 0.5, 15.0 * (index % 30) + 0.25});
    c.zIndex = index % 7;
    auto& p = c.properties;
    switch (type) {
    case ComponentType::image:
        p[PropertyKey::imagePath] =
            QStringLiteral("/Users/signage/Pictures/campaign-%1/photo-%2.jpg").arg(screen).arg(index);
        p[PropertyKey::fittingMode] = QStringLiteral("fill");
        p[PropertyKey::borderColor] = QStringLiteral("#336699");
        p[PropertyKey::borderWidth] = QStringLiteral("2");
        break;
    case ComponentType::title:
    case ComponentType::label:
        p[PropertyKey::text] = QStringLiteral("Opening hours – screen %1, item %2").arg(screen).arg(index);
        p[PropertyKey::fontName] = QStringLiteral("Helvetica Neue");
        break;
    case ComponentType::textArea:
        p[PropertyKey::richTextData] =
            QString(QStringLiteral("e1xydGYxXGFuc2lcYW5zaWNwZzEyNTJ9")).repeated(12);
        break;
    case ComponentType::webView:
        p[PropertyKey::url] = QStringLiteral("https://example.org/news/%1").arg(index);
        break;
    case ComponentType::video:
        p[PropertyKey::videoPath] = QStringLiteral("~/Movies/loop-%1.mp4").arg(index);
        break;
    case ComponentType::shape:
        p[PropertyKey::shapeType] = QStringLiteral("circle");
        break;
    case ComponentType::icon:
        p[PropertyKey::iconName] = QStringLiteral("star.fill");
        break;
    case ComponentType::clock:
        p[PropertyKey::clockFormat] = QStringLiteral("HH:mm · dddd d MMMM");
        break;
    case ComponentType::countdown:
        p[PropertyKey::targetDate] =
            QStringLiteral("2027-06-%1T18:00").arg(1 + index % 28, 2, 10, QChar(u'0'));
        break;
    case ComponentType::ticker:
        p[PropertyKey::text] = QStringLiteral("News of screen %1: item %2").arg(screen).arg(index);
        break;
    }
    p[PropertyKey::opacity] = QStringLiteral("0.9");
    return c;
}

} // namespace

KioskProject makeLargeProject(int screens, int componentsPerScreen) {
    KioskProject project;
    project.metadata.name = QStringLiteral("Benchmark project");
    project.screens.clear();
    for (int s = 0; s < screens; ++s) {
        KioskScreen screen(QStringLiteral("Screen %1").arg(s + 1));
        screen.resolution = ScreenResolution::presets(ScreenMode::horizontal).last();
        screen.transition = {TransitionEffect::crossFade, 1.0};
        screen.duration = 5 + s % 10;
        for (int i = 0; i < componentsPerScreen; ++i)
            screen.components.append(realisticComponent(s, i));
        project.screens.append(screen);
    }
    return project;
}

} // namespace vistrelle::bench
