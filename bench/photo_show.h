#pragma once

#include "model/project_model.h"

#include <QString>

namespace vistrelle::bench {

// The 20-screen 1080p photo show the slide benchmarks measure: each screen a full-screen photograph (grain,
// light and colour that deflate cannot fold away, saved as JPEG in `folder`) under a caption.
KioskProject photoShow(const QString& folder);
QString grainyPhoto(const QString& folder, int index);
inline constexpr int photoShowScreens = 20;
inline constexpr int photoShowPhotos = 5;

} // namespace vistrelle::bench
