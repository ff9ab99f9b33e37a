#pragma once

#include "model/project_model.h"

namespace vistrelle::test_support {

// A project in which every field, optional value and enumeration differs from
// its default, with text that needs escaping, so codecs show what they lose.
KioskProject projectWithEveryField();

} // namespace vistrelle::test_support
