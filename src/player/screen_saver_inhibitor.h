#pragma once

#include <QString>

#include <optional>

namespace vistrelle {

// Keeps the screen saver and display blanking away while the show plays, through the desktop's
// org.freedesktop.ScreenSaver interface on the session bus. Without a bus or the interface the player
// carries on (a kiosk compositor does not blank).
class ScreenSaverInhibitor {
public:
    ScreenSaverInhibitor();
    ~ScreenSaverInhibitor();
    ScreenSaverInhibitor(const ScreenSaverInhibitor&) = delete;
    ScreenSaverInhibitor& operator=(const ScreenSaverInhibitor&) = delete;

    bool isInhibiting() const { return cookie_.has_value(); }
    // Why it is not ("no session bus", the bus's error), for the log.
    const QString& reason() const { return reason_; }

private:
    std::optional<quint32> cookie_;
    QString reason_;
};

} // namespace vistrelle
