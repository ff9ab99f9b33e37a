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
        // Started and left: the show never waits on it. Forcing the level switches the server's own power
        // saving on, which would blank a sign nobody touches during opening hours: off again when waking.
        const QString quoted = QLatin1Char('\'') + xset + QLatin1Char('\'');
        QProcess::startDetached(QStringLiteral("/bin/sh"),
                                {QStringLiteral("-c"), on ? quoted + QStringLiteral(" dpms force on && ") +
                                                                quoted + QStringLiteral(" -dpms")
                                                          : quoted + QStringLiteral(" dpms force off")});
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
