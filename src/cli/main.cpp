#include "cli/cli_commands.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <sys/stat.h>
#include <unistd.h>

#include <exception>

int main(int argc, char* argv[]) {
    // Drawing text needs a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt wants a private runtime folder and warns on standard error without one.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray runtime =
            QFile::encodeName(QDir::tempPath()) + "/runtime-" + QByteArray::number(getuid());
        ::mkdir(runtime.constData(), 0700);
        qputenv("XDG_RUNTIME_DIR", runtime);
    }
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vistrelle-cli"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quendrix"));

    QTextStream out(stdout);
    QTextStream err(stderr);
    int status = 1;
    try {
        status = vistrelle::cli::runCommandLine(QCoreApplication::arguments(), {out, err});
    } catch (const std::exception& e) {
        // Out of memory on an absurd file, for instance: a message, not a crash.
        err << "vistrelle-cli: " << e.what() << Qt::endl;
        return 1;
    }
    // Output that did not reach its file (a full disk behind a redirection) is a failure, not a success.
    out.flush();
    if (out.status() != QTextStream::Ok) {
        err << "vistrelle-cli: " << out.device()->errorString() << Qt::endl;
        return 1;
    }
    return status;
}
