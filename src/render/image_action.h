#pragma once

#include "model/project_model.h"

#include <optional>

namespace vistrelle {

// The action string a click on an image button sends, or nothing when the
// image has no action ("actionCategory" absent or empty, an unknown category)
// or the category lacks what it needs (a target screen, a system command, a
// component command and its target). "navigation" → the target screen; "alert:" + title + ":" +
// message; "system:" + action; "component:" + action + ":" + target id.
std::optional<QString> imageButtonAction(const PropertyMap& properties);

} // namespace vistrelle
