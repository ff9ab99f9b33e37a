#pragma once

#include "model/project_model.h"

namespace vistrelle::bench {

// A project of `screens` screens with `componentsPerScreen` components each,
// cycling through every component type with realistic properties.
KioskProject makeLargeProject(int screens, int componentsPerScreen);

} // namespace vistrelle::bench
