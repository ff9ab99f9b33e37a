#include "player/display_power.h"

#include "platform/app_logger.h"

#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>

namespace vistrelle {

namespace {

class X11DisplayPower : public DisplayPower {
public:
    void setOn(bool on) override {
        if (on_ == on)
            return;
        on_ = on;
        if (QGuiApplication::platformName() != QLatin1StringView("xcb"))
            return;
        const QString xset = QStandardPaths::findExecutable(QStringLiteral("xset"));
        if (xset.isEmpty()) {
            AppLogger::logError(QStringLiteral("The display stays on while closed: xset is not installed"));
            return;
        }
        // Started and left: the show never waits on it.
        QProcess::startDetached(xset, {QStringLiteral("dpms"), QStringLiteral("force"),
                                       on ? QStringLiteral("on") : QStringLiteral("off")});
    }

private:
    bool on_ = true;
};

} // namespace

DisplayPower& DisplayPower::session() {
    static X11DisplayPower power;
    return power;
}

} // namespace vistrelle
