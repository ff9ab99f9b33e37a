#pragma once

#include "player/show_loader.h"

#include <QStringList>

namespace vistrelle {

// What --check prints: the show, then one line per screen (duration and transition), then one line per
// medium left out; or one line saying why nothing can play.
QStringList showSummary(const ShowLoad& load);

} // namespace vistrelle
