#include "cli/cli_commands.h"

#include <QCoreApplication>

#include <exception>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vistrelle-cli"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quendrix"));

    QTextStream out(stdout);
    QTextStream err(stderr);
    try {
        return vistrelle::cli::runCommandLine(QCoreApplication::arguments(), {out, err});
    } catch (const std::exception& e) {
        // Out of memory on an absurd file, for instance: a message, not a crash.
        err << "vistrelle-cli: " << e.what() << Qt::endl;
        return 1;
    }
}
