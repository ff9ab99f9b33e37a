// The show check's rules about what a visitor can do on the display: image buttons that lead nowhere and
// films that nobody can start.
#include "export/check_texts.h"
#include "export/screen_rules.h"
#include "model/component_properties.h"
#include "model/property_schema.h"

namespace vistrelle {

namespace {

// Whether a navigation target names a screen that is not (or no longer) in the project.
bool leadsNowhere(const QString& target, const KioskProject& project) {
    static const QStringList relative = {QStringLiteral("next"), QStringLiteral("next_screen"),
                                         QStringLiteral("previous"), QStringLiteral("previous_screen")};
    if (target.isEmpty() || relative.contains(target))
        return false;
    if (target.startsWith(QLatin1StringView("screen_"))) {
        bool ok = false;
        const qint64 index = QStringView(target).mid(7).toLongLong(&ok);
        return !ok || index < 0 || index >= project.screens.size();
    }
    const QUuid id = QUuid::fromString(target);
    return id.isNull() || std::none_of(project.screens.cbegin(), project.screens.cend(),
                                       [&](const KioskScreen& screen) { return screen.id == id; });
}

} // namespace

void checkVisitorActions(const KioskProject& project, const PlacedComponent& c, ScreenFindings& found) {
    if (c.componentType == ComponentType::image) {
        if (c.stringProperty(PropertyKey::actionCategory) != QLatin1StringView("navigation"))
            return;
        if (leadsNowhere(c.stringProperty(PropertyKey::targetScreenId), project))
            found.warning(QStringLiteral("missing-target-screen"),
                          CheckText::tr("%1 is a button to a screen that is no longer in the show, so a "
                                        "tap on it does nothing: choose another screen under On Click.")
                              .arg(sentenceStart(describeComponent(c))),
                          &c);
        return;
    }
    if (c.componentType != ComponentType::video || c.stringProperty(PropertyKey::videoPath).isEmpty())
        return;
    if (c.boolProperty(PropertyKey::isAutoplay) || c.boolProperty(PropertyKey::showsControls))
        return;
    CheckFinding::Fix fix{CheckText::tr("Turn Autoplay On"), PropertyKey::isAutoplay, QStringLiteral("true")};
    found.warning(QStringLiteral("video-never-starts"),
                  CheckText::tr("%1 waits to be started, but it has no play button and nobody stands at "
                                "a display to press one: it will only ever show its first frame. Turn "
                                "Autoplay on.")
                      .arg(sentenceStart(describeComponent(c))),
                  &c, std::move(fix));
}

} // namespace vistrelle
