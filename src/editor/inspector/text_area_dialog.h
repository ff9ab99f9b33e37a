#pragma once

#include "model/project_model.h"

#include <functional>

class QWidget;

namespace vistrelle {

// Opens a sheet over `parent` that edits a text area's text with the
// formatting it has; "Save" hands `onSave` the new "text" and "richTextData".
void openTextAreaDialog(QWidget* parent, const PlacedComponent& component,
                        std::function<void(const PropertyMap& values)> onSave);

} // namespace vistrelle
