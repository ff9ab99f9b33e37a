#include "player/service_notifier.h"

#include <systemd/sd-daemon.h>

namespace vistrelle {

ServiceNotifier::ServiceNotifier() {
    uint64_t microseconds = 0;
    if (sd_watchdog_enabled(0, &microseconds) > 0)
        watchdogMicroseconds_ = microseconds;
}

void ServiceNotifier::ready() {
    sd_notify(0, "READY=1");
}

void ServiceNotifier::alive() {
    if (watchdogEnabled())
        sd_notify(0, "WATCHDOG=1");
}

void ServiceNotifier::stopping() {
    sd_notify(0, "STOPPING=1");
}

void ServiceNotifier::status(const QString& text) {
    sd_notify(0, ("STATUS=" + text.toUtf8()).constData());
}

} // namespace vistrelle
