#include "render/live_components.h"

#include "model/component_factory.h"
#include "model/component_properties.h"

#include <QLocale>
#include <QTimeZone>

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

PlacedComponent live(ComponentType type, std::initializer_list<std::pair<QString, QString>> properties) {
    PlacedComponent c = makeComponent(type, {0, 0});
    for (const auto& [key, value] : properties)
        c.properties[key] = value;
    return c;
}

} // namespace

TEST(LiveComponentsTest, AClockShowsItsZoneInItsFormatAndACountdownWhatIsLeftThenItsTextForAfterwards) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QDateTime noonUtc(QDate(2026, 12, 24), QTime(12, 0, 5), Qt::UTC);
    EXPECT_EQ(liveComponentText(live(ComponentType::clock, {{PropertyKey::timeZone, "Asia/Tokyo"}}), noonUtc),
              "21:00");
    EXPECT_EQ(liveComponentText(live(ComponentType::clock, {{PropertyKey::timeZone, "America/New_York"},
                                                            {PropertyKey::clockFormat, "dddd h:mm:ss ap"}}),
                                noonUtc),
              "Thursday 7:00:05 am");
    // A zone that is none shows the display's own time rather than nothing.
    EXPECT_EQ(
        liveComponentText(live(ComponentType::clock, {{PropertyKey::timeZone, "Mars/Olympus"}}), noonUtc),
        noonUtc.toLocalTime().toString("HH:mm"));

    PlacedComponent countdown =
        live(ComponentType::countdown, {{PropertyKey::targetDate, "2026-12-26T12:00:00Z"},
                                        {PropertyKey::text, "Sale ends in"},
                                        {PropertyKey::finishedText, "The sale is over"}});
    EXPECT_EQ(liveComponentText(countdown, noonUtc), "Sale ends in 1 day 23:59:55");
    EXPECT_EQ(liveComponentText(countdown, noonUtc.addSecs(-86400)), "Sale ends in 2 days 23:59:55");
    EXPECT_EQ(liveComponentText(countdown, noonUtc.addDays(2).addSecs(-10)), "Sale ends in 00:00:05");
    EXPECT_EQ(liveComponentText(countdown, noonUtc.addDays(2).addSecs(-5)), "The sale is over");
    countdown.properties[PropertyKey::targetDate] = "soon";
    EXPECT_EQ(liveComponentText(countdown, noonUtc), "No date to count down to");
    QLocale::setDefault(QLocale::c());
}

TEST(LiveComponentsTest, ATickerMovesAtItsSpeedInItsDirectionAndPrefersItsFeedsText) {
    PlacedComponent ticker = live(ComponentType::ticker, {{PropertyKey::tickerSpeed, "100"}});
    const QDateTime moment(QDate(2026, 12, 24), QTime(12, 0, 0), Qt::UTC);
    const auto [start, period] = tickerPlacement(ticker, 900, 100, moment);
    EXPECT_DOUBLE_EQ(period, 1000);
    EXPECT_LE(start, 0);
    EXPECT_DOUBLE_EQ(tickerPlacement(ticker, 900, 100, moment.addMSecs(1500)).first,
                     start - 150 <= -period ? start - 150 + period : start - 150)
        << "left: 100 units a second";
    ticker.properties[PropertyKey::tickerDirection] = "right";
    const double right = tickerPlacement(ticker, 900, 100, moment).first;
    const double later = tickerPlacement(ticker, 900, 100, moment.addMSecs(500)).first;
    EXPECT_DOUBLE_EQ(later, right + 50 >= 0 ? right + 50 - period : right + 50);

    ticker.properties[PropertyKey::text] = "Typed\nnews";
    EXPECT_EQ(tickerText(ticker), "Typed • news");
    ticker.properties[PropertyKey::feedSnapshot] = "From the feed";
    EXPECT_EQ(tickerText(ticker), "From the feed");
}

TEST(LiveComponentsTest, AFrozenMomentHoldsWhatIsDrawnStill) {
    const QDateTime moment(QDate(2027, 1, 1), QTime(0, 0, 0));
    freezeRenderMoment(moment);
    EXPECT_EQ(renderMoment(), moment);
    freezeRenderMoment({});
    EXPECT_LT(std::abs(renderMoment().msecsTo(QDateTime::currentDateTime())), 1000);
}
