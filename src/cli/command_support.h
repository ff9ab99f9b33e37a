#pragma once

#include "cli/cli_commands.h"
#include "model/vistrelle_document.h"

#include <QCoreApplication>

#include <optional>

namespace vistrelle::cli {

// Gives the command line's texts a translation context of their own.
class CliText {
    Q_DECLARE_TR_FUNCTIONS(CliText)
};

// The document at `file`, or its error's description on standard error.
std::optional<VistrelleDocument> readOrReport(const QString& file, CommandOutput io);

// A zero-based screen index of `project` given as text, or a message on standard error.
std::optional<qsizetype> screenIndexOrReport(const KioskProject& project, const QString& text,
                                             CommandOutput io);

} // namespace vistrelle::cli
