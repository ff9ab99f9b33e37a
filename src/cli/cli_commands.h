#pragma once

#include <QStringList>
#include <QTextStream>

namespace vistrelle::cli {

// Where a command writes; tests pass string-backed streams.
struct CommandOutput {
    QTextStream& out;
    QTextStream& err;
};

// `check FILE`: reads FILE and prints "<name>: <S> screens, <C> components".
int runCheck(const QString& file, CommandOutput io);

// `resave IN OUT`: reads IN and writes it to OUT atomically; OUT is untouched on failure.
int runResave(const QString& input, const QString& output, CommandOutput io);

// Parses the arguments (the program name first) and runs the command.
int runCommandLine(const QStringList& arguments, CommandOutput io);

} // namespace vistrelle::cli
