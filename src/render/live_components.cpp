#include "render/live_components.h"

#include "model/color_text.h"
#include "model/component_properties.h"
#include "model/property_schema.h"
#include "render/component_renderer.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QMutex>
#include <QStaticText>
#include <QTimeZone>

#include <atomic>
#include <cmath>
#include <limits>

namespace vistrelle {

namespace {

std::atomic<qint64> momentOffset{0};
constexpr qint64 running = std::numeric_limits<qint64>::min();
std::atomic<qint64> frozenAt{running}; // milliseconds since the epoch

QString tr(const char* text) {
    return QCoreApplication::translate("LiveComponents", text);
}

QString twoDigits(qint64 value) {
    return QStringLiteral("%1").arg(value, 2, 10, QChar(u'0'));
}

} // namespace

bool isLiveComponent(ComponentType type) {
    return type == ComponentType::clock || type == ComponentType::countdown || type == ComponentType::ticker;
}

QDateTime renderMoment() {
    if (const qint64 frozen = frozenAt.load(std::memory_order_relaxed); frozen != running)
        return QDateTime::fromMSecsSinceEpoch(frozen);
    return QDateTime::currentDateTime().addMSecs(momentOffset.load(std::memory_order_relaxed));
}

void setRenderMomentOffset(qint64 milliseconds) {
    momentOffset.store(milliseconds, std::memory_order_relaxed);
}

void releaseRenderMomentOffset(qint64 milliseconds) {
    momentOffset.compare_exchange_strong(milliseconds, 0, std::memory_order_relaxed);
}

void freezeRenderMoment(const QDateTime& moment) {
    frozenAt.store(moment.isValid() ? moment.toMSecsSinceEpoch() : running, std::memory_order_relaxed);
}

QDateTime countdownTarget(const PlacedComponent& component) {
    return QDateTime::fromString(textPropertyOf(component, PropertyKey::targetDate).trimmed(), Qt::ISODate);
}

QString liveComponentText(const PlacedComponent& component, const QDateTime& moment) {
    if (component.componentType == ComponentType::clock) {
        const QString zoneName = textPropertyOf(component, PropertyKey::timeZone).trimmed();
        const QTimeZone zone(zoneName.toUtf8());
        const QDateTime shown =
            !zoneName.isEmpty() && zone.isValid() ? moment.toTimeZone(zone) : moment.toLocalTime();
        QString format = textPropertyOf(component, PropertyKey::clockFormat);
        if (format.trimmed().isEmpty())
            format = QStringLiteral("HH:mm");
        return QLocale().toString(shown, format);
    }
    if (component.componentType == ComponentType::countdown) {
        const QDateTime target = countdownTarget(component);
        if (!target.isValid())
            return tr("No date to count down to");
        const qint64 left = moment.secsTo(target);
        if (left <= 0)
            return textPropertyOf(component, PropertyKey::finishedText);
        const qint64 days = left / 86400;
        const QString clock =
            twoDigits(left % 86400 / 3600) + u':' + twoDigits(left % 3600 / 60) + u':' + twoDigits(left % 60);
        const QString remaining = days == 0   ? clock
                                  : days == 1 ? tr("1 day %1").arg(clock)
                                              : tr("%1 days %2").arg(days).arg(clock);
        const QString before = textPropertyOf(component, PropertyKey::text).trimmed();
        return before.isEmpty() ? remaining : before + u' ' + remaining;
    }
    return textPropertyOf(component, PropertyKey::text);
}

QMutex fetchedFeedsLock;
QHash<QString, QString> fetchedFeeds; // by address

void setFetchedFeedText(const QString& address, const QString& text) {
    const QMutexLocker lock(&fetchedFeedsLock);
    fetchedFeeds.insert(address.trimmed(), text);
}

void forgetFetchedFeedTexts() {
    const QMutexLocker lock(&fetchedFeedsLock);
    fetchedFeeds.clear();
}

QString tickerText(const PlacedComponent& component) {
    QString text;
    if (const QString address = textPropertyOf(component, PropertyKey::feedUrl).trimmed();
        !address.isEmpty()) {
        const QMutexLocker lock(&fetchedFeedsLock);
        text = fetchedFeeds.value(address);
    }
    if (text.trimmed().isEmpty())
        text = textPropertyOf(component, PropertyKey::feedSnapshot);
    if (text.trimmed().isEmpty())
        text = textPropertyOf(component, PropertyKey::text);
    text.replace(u'\n', QStringLiteral("  •  "));
    return text.simplified();
}

std::pair<double, double> tickerPlacement(const PlacedComponent& component, double lineWidth, double gap,
                                          const QDateTime& moment) {
    const double period = std::max(lineWidth + gap, 1.0);
    const double speed = std::clamp(numberPropertyOf(component, PropertyKey::tickerSpeed), 0.0, 100000.0);
    // Milliseconds of the day keep the doubles exact; a line passes in far less than a day.
    const double seconds = double(moment.toMSecsSinceEpoch() % (qint64(86400) * 1000 * 1000)) / 1000;
    const double shift = std::fmod(seconds * speed, period);
    const bool right = wordProperty(component, PropertyKey::tickerDirection) == QLatin1StringView("right");
    return {right ? shift - period : -shift, period};
}

namespace component_painters {

void paintLiveText(QPainter& painter, const PlacedComponent& component, const QRectF& frame,
                   const QDateTime& moment) {
    // Drawn as a label of its text at the moment, kept within its frame as the time changes its width.
    PlacedComponent label = component;
    label.componentType = ComponentType::label;
    label.properties.insert(PropertyKey::text, liveComponentText(component, moment));
    painter.save();
    painter.setClipRect(frame, Qt::IntersectClip);
    paintText(painter, label, frame);
    painter.restore();
}

void paintTicker(QPainter& painter, const PlacedComponent& component, const QRectF& frame,
                 const QDateTime& moment) {
    painter.save();
    painter.setClipRect(frame, Qt::IntersectClip);
    painter.fillRect(frame, colorPropertyOf(component, PropertyKey::backgroundColor));
    QFont font(textPropertyOf(component, PropertyKey::fontName));
    font.setPixelSize(std::max(
        1, int(std::lround(std::clamp(numberPropertyOf(component, PropertyKey::fontSize), 1.0, 999.0)))));
    font.setBold(textPropertyOf(component, PropertyKey::isBold) == QLatin1StringView("true"));
    font.setItalic(textPropertyOf(component, PropertyKey::isItalic) == QLatin1StringView("true"));
    font.setUnderline(textPropertyOf(component, PropertyKey::isUnderlined) == QLatin1StringView("true"));
    painter.setFont(font);
    painter.setPen(colorPropertyOf(component, PropertyKey::textColor));
    // The line is laid out once and drawn from its glyphs every frame after (a feed's line can be long).
    const QString line = tickerText(component);
    thread_local QHash<QString, QStaticText> laidOut;
    const QString key = font.key() + QChar(u'\n') + line;
    auto it = laidOut.find(key);
    if (it == laidOut.end()) {
        if (laidOut.size() > 16)
            laidOut.clear(); // bounded: a screen shows few tickers
        QStaticText text(line);
        text.setTextFormat(Qt::PlainText);
        text.prepare(QTransform(), font);
        it = laidOut.insert(key, text);
    }
    const QFontMetricsF metrics(font);
    const double gap = std::max(frame.width() / 4, double(font.pixelSize()) * 2);
    const auto [start, period] = tickerPlacement(component, it->size().width(), gap, moment);
    const double top = frame.center().y() - metrics.height() / 2;
    for (double x = frame.left() + start; x < frame.right(); x += period)
        painter.drawStaticText(QPointF(x, top), *it);
    painter.restore();
}

} // namespace component_painters

} // namespace vistrelle
