#pragma once

#include "model/project_model.h"

#include <QCoreApplication>

namespace vistrelle {

// The show check's messages.
struct CheckText {
    Q_DECLARE_TR_FUNCTIONS(CheckText)
};

// "the Title “Welcome”", "the Image “logo.png”", "the Shape at 40, 60": a component as a message names it.
QString describeComponent(const PlacedComponent& component);

// A file's name from its stored path, for messages.
QString mediaName(const QString& storedPath);

} // namespace vistrelle
