#pragma once

#include "model/project_model.h"

namespace vistrelle {

// "Screen N" for the screen that makes a project of `screenCount` screens one longer.
QString addedScreenName(qsizetype screenCount);

// name + " Copy", or name + " Copy 2", " Copy 3", … : the first not taken by `screens`.
QString duplicateScreenName(const QString& name, const QList<KioskScreen>& screens);

} // namespace vistrelle
