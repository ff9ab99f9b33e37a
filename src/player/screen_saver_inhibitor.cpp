#include "player/screen_saver_inhibitor.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>

namespace vistrelle {

namespace {

const QString service = QStringLiteral("org.freedesktop.ScreenSaver");
const QString objectPath = QStringLiteral("/org/freedesktop/ScreenSaver");

} // namespace

ScreenSaverInhibitor::ScreenSaverInhibitor() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        reason_ = QStringLiteral("no session bus");
        return;
    }
    QDBusInterface screenSaver(service, objectPath, service, bus);
    if (!screenSaver.isValid()) {
        reason_ = screenSaver.lastError().message();
        return;
    }
    screenSaver.setTimeout(2000);
    const QDBusReply<quint32> reply = screenSaver.call(
        QStringLiteral("Inhibit"), QStringLiteral("vistrelle-player"), QStringLiteral("Playing a show"));
    if (reply.isValid())
        cookie_ = reply.value();
    else
        reason_ = reply.error().message();
}

ScreenSaverInhibitor::~ScreenSaverInhibitor() {
    if (!cookie_)
        return;
    QDBusInterface screenSaver(service, objectPath, service, QDBusConnection::sessionBus());
    screenSaver.setTimeout(1000);
    screenSaver.call(QStringLiteral("UnInhibit"), *cookie_);
}

} // namespace vistrelle
