#pragma once

#include "model/project_model.h"

namespace vistrelle {

class LiveMediaFactory;

// Whether a project has anything that plays or loads live: a video with a
// file, a web view with an address or HTML.
bool needsLiveMedia(const KioskProject& project);

// The live media plugin, loaded on first use, next to the program (or where an
// installation keeps it); null, and one line in the log, when it cannot be.
LiveMediaFactory* liveMediaFactory();

} // namespace vistrelle
