#pragma once

#include "export/resource_collection.h"
#include "model/project_model.h"

namespace vistrelle {

class PathResolver;

// "VistrelleData.xml": the whole project for the player, built piece by piece
// (its whitespace is part of the format; no line feed at the end). Media paths
// become "Resources/" + their bundle names; paths not in `names` become "".
// Properties are written in ascending key order, so the output is reproducible.
QString generateProjectXML(const KioskProject& project, const ResourceNameMap& names,
                           const PathResolver& resolver);

} // namespace vistrelle
