#pragma once

namespace vistrelle {

// The display's own power saving, where the session offers it (an X11 session with DPMS): off while the
// show is closed, on again when it opens. Elsewhere the player's black frame with the pointer hidden is all
// there is.
class DisplayPower {
public:
    virtual ~DisplayPower() = default;
    virtual void setOn(bool on) = 0;

    // Through `xset` on an X11 session, nothing on any other.
    static DisplayPower& session();
};

} // namespace vistrelle
