#pragma once

#include "model/project_model.h"

#include <optional>

namespace vistrelle {

class MediaProbe;

// A component as a drop on `screen` creates it, made for that screen: its frame and text grown with the
// screen's resolution (text never below the show check's smallest size; titles and labels wide enough for
// a line of words; a dropped picture's frame in the picture's shape), its centre where `corner` put the
// default frame's centre but the whole frame on the screen, its text or icon black or white, whichever
// reads better over what lies under it as the show check measures it, and a film playing by itself in a
// loop. Only the values written at creation change; what a document lacks still reads as before.
PlacedComponent componentMadeForScreen(ComponentType type, Point corner, const KioskScreen& screen,
                                       MediaProbe& media, const std::optional<QString>& mediaPath = {});

} // namespace vistrelle
