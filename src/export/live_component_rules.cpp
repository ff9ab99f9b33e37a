#include "export/check_texts.h"
#include "export/screen_rules.h"
#include "model/component_properties.h"
#include "model/property_schema.h"
#include "render/live_components.h"

#include <QLocale>
#include <QUrl>

namespace vistrelle {

namespace {

constexpr qint64 secondsPerDay = 86400;

} // namespace

void checkLiveComponent(const KioskScreen& screen, const PlacedComponent& c, const CheckOptions& options,
                        ScreenFindings& found) {
    if (!isLiveComponent(c.componentType))
        return;
    if (options.highPerformance)
        found.warning(QStringLiteral("live-as-slide"),
                      CheckText::tr("%1 is drawn once, when the slides are made: in high-performance mode it "
                                    "stands still at that moment on the display. Deploy without the mode to "
                                    "keep it moving.")
                          .arg(sentenceStart(describeComponent(c))),
                      &c);
    if (c.componentType == ComponentType::countdown) {
        const QDateTime target = countdownTarget(c);
        if (!target.isValid())
            found.warning(
                QStringLiteral("countdown-date"),
                CheckText::tr("%1 has no date it can read (“%2”): write it as 2027-01-01T09:00.")
                    .arg(sentenceStart(describeComponent(c)), textPropertyOf(c, PropertyKey::targetDate)),
                &c);
        else if (target <= options.now)
            found.warning(
                QStringLiteral("countdown-passed"),
                CheckText::tr("%1 counts down to %2, which has passed: it shows “%3”. Choose a later "
                              "moment, or remove it.")
                    .arg(sentenceStart(describeComponent(c)),
                         QLocale().toString(target.toLocalTime(), QLocale::ShortFormat),
                         textPropertyOf(c, PropertyKey::finishedText)),
                &c);
    }
    if (c.componentType == ComponentType::ticker) {
        const QString feed = textPropertyOf(c, PropertyKey::feedUrl).trimmed();
        if (feed.isEmpty())
            return;
        const QUrl address(feed);
        const QString scheme = address.scheme().toLower();
        if (!address.isValid() ||
            (scheme != QLatin1StringView("https") && scheme != QLatin1StringView("http")))
            found.warning(
                QStringLiteral("ticker-feed-address"),
                CheckText::tr("%1 has the feed “%2”, which is no web address: it shows its typed text. "
                              "Type an address that begins with https://.")
                    .arg(sentenceStart(describeComponent(c)), feed),
                &c);
        // The feed's text travels with the bundle as it was at deploy time; a screen first due days later
        // shows old news on a display that cannot fetch it again.
        else if (screen.schedule && screen.schedule->from &&
                 options.now.secsTo(QDateTime(*screen.schedule->from, QTime(0, 0))) > secondsPerDay)
            found.warning(
                QStringLiteral("ticker-feed-old"),
                CheckText::tr("%1 shows its feed as fetched at deploy time until the display fetches it "
                              "again, and its screen first plays on %2: offline, the news will be "
                              "older than a day. Deploy again nearer the day, or keep the display "
                              "online.")
                    .arg(sentenceStart(describeComponent(c)),
                         QLocale().toString(*screen.schedule->from, QLocale::ShortFormat)),
                &c);
    }
}

} // namespace vistrelle
