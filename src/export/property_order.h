#pragma once

#include "model/project_model.h"

#include <utility>
#include <vector>

namespace vistrelle {

// A component's properties in code point order of their keys, as both XML
// writers list them (reproducible output).
std::vector<std::pair<QString, QString>> propertiesInCodePointOrder(const PropertyMap& properties);

} // namespace vistrelle
