#pragma once

#include <QString>

namespace vistrelle {

// Tells the service manager how the player is: ready once the first frame is up, alive from the frame loop
// (its watchdog restarts a player that stops feeding it), stopping on the way out. Outside a service
// manager every call does nothing.
class ServiceNotifier {
public:
    ServiceNotifier();

    // Whether the service manager expects watchdog feeds, and how often they are due (half its limit).
    bool watchdogEnabled() const { return watchdogMicroseconds_ > 0; }
    double feedIntervalSeconds() const { return double(watchdogMicroseconds_) / 2e6; }

    void ready();
    void alive();
    void stopping();
    void status(const QString& text);

private:
    quint64 watchdogMicroseconds_ = 0;
};

} // namespace vistrelle
