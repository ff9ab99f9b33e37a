#include "cli/cli_commands.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vistrelle-cli"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quendrix"));

    QTextStream out(stdout);
    QTextStream err(stderr);
    return vistrelle::cli::runCommandLine(QCoreApplication::arguments(), {out, err});
}
