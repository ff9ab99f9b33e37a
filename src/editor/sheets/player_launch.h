#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace vistrelle {

// The player that ships with the editor: beside the editor's program, else the one on the PATH.
QString playerProgram();

// The arguments that play `path` (a bundle or a slide folder) in a window on this computer.
QStringList playInWindowArguments(const QString& path);

// Starts the player on `path` in a window, on its own; the reason when it could not be started.
std::optional<QString> playInWindow(const QString& path);

} // namespace vistrelle
