// vistrelle [FILE…]: one editor window per document, or a new one.
#include "app/crash_report_upload.h"
#include "app/crash_reporter.h"
#include "app/message_box_alerts.h"
#include "app/single_instance.h"
#include "app/translations.h"
#include "app/vistrelle_app.h"
#include "editing/shared_document_manager.h"
#include "media/path_resolver.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QStandardPaths>

using namespace vistrelle;

int main(int argc, char** argv) {
    // The preview's web pages (loaded later, with their engine) share the windows' graphics contexts.
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vistrelle"));
    QApplication::setOrganizationName(QStringLiteral("Quendrix"));
    QApplication::setOrganizationDomain(QStringLiteral("quendrix.com"));
    QApplication::setApplicationVersion(QStringLiteral(VISTRELLE_VERSION));
    QApplication::setApplicationDisplayName(QStringLiteral("Vistrelle"));
    QGuiApplication::setDesktopFileName(QStringLiteral("com.quendrix.Vistrelle"));
    // Palettes are tool windows, and the start window stands in when no document is open: the application
    // ends when asked to, not with some window.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/com.quendrix.Vistrelle.svg")));
    installTranslations(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(QApplication::translate("main", "Digital signage slide shows."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("files"),
                                 QApplication::translate("main", "Projects to open."),
                                 QStringLiteral("[FILE…]"));
    parser.process(app);
    QStringList files;
    for (const QString& path : parser.positionalArguments())
        files.append(QFileInfo(path).absoluteFilePath());

    // Before anything else can fail (--help and --version have ended the process already, leaving no
    // report file behind): the report of a crash is written by a handler that was ready for it.
    const QString reportFolder =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/Crash Reports");
    const QStringList reports = takePendingCrashReports(reportFolder);
    CrashReporter::install(reportFolder);

    // A document opened from the file manager joins the editor that is already running.
    SingleInstance instance;
    const bool onADisplay = QGuiApplication::platformName() != QLatin1String("offscreen");
    if (onADisplay && instance.forwardToRunningInstance(files)) {
        CrashReporter::uninstall();
        return 0;
    }

    // Dropped files are stored as paths that travel with the project ("~/…" or absolute).
    SharedDocumentManager::shared().setStoredPathMaker([](const QUrl& file) {
        return file.isLocalFile() ? PathResolver::shared().storedPathFor(file.toLocalFile())
                                  : file.toString();
    });
    MessageBoxAlerts alerts;
    UserAlerts::setPresenter(&alerts);

    VistrelleApp vistrelle;
    QObject::connect(&vistrelle, &VistrelleApp::quitRequested, &app, &QApplication::quit, Qt::QueuedConnection);
    if (onADisplay && instance.listen())
        QObject::connect(&instance, &SingleInstance::filesReceived, &vistrelle, &VistrelleApp::openFromAnotherLaunch);

    // The crash is told about (and reported) before the work it cost is offered back.
    CrashReportUploader uploader;
    for (const QString& report : reports)
        uploader.send(report, QApplication::applicationName(), QApplication::applicationVersion());
    vistrelle.launch(files, !reports.isEmpty());

    const int status = QApplication::exec();
    UserAlerts::setPresenter(nullptr);
    CrashReporter::uninstall();
    return status;
}
