// vistrelle [FILE…]: one editor window per document, or a new one.
#include "app/crash_report_upload.h"
#include "app/crash_reporter.h"
#include "app/message_box_alerts.h"
#include "app/single_instance.h"
#include "app/translations.h"
#include "app/vistrelle_app.h"
#include "editing/document_session.h"
#include "editor/editor_window.h"
#include "media/path_resolver.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>
#include <utility>

using namespace vistrelle;

namespace {
// How long the start waits to learn whether a crash report arrived before it tells the user.
constexpr int crashReportWaitMs = 6000;
} // namespace

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
    const QCommandLineOption preview(
        QStringLiteral("preview"),
        QApplication::translate("main", "Play the first project full screen at once."));
    parser.addOption(preview);
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
    CrashReporter::install(reportFolder);

    // A document opened from the file manager joins the editor that is already running.
    SingleInstance instance;
    const bool onADisplay = QGuiApplication::platformName() != QLatin1String("offscreen");
    const SingleInstance::Start role = onADisplay ? instance.start(files) : SingleInstance::Start::alone;
    if (role == SingleInstance::Start::handedOver) {
        CrashReporter::uninstall();
        return 0;
    }
    if (role == SingleInstance::Start::runningInstanceBusy) {
        // Its socket stays its own: a second editor on the same files would autosave over the first's work.
        const QString text =
            QApplication::translate(
                "main",
                "Vistrelle is already running but has not answered for %1 seconds, perhaps because it is "
                "busy "
                "opening a large project. It opens your files when it is ready; if it does not, try again "
                "in a moment.")
                .arg(SingleInstance::defaultPatienceMs / 1000);
        std::fprintf(stderr, "%s\n", qPrintable(text));
        QMessageBox::warning(nullptr, QApplication::translate("main", "Vistrelle Is Busy"), text);
        CrashReporter::uninstall();
        return 1;
    }

    // Dropped files are stored as paths that travel with the project ("~/…" or absolute).
    DocumentSession::setStoredPathMaker([](const QUrl& file) {
        return file.isLocalFile() ? PathResolver::shared().storedPathFor(file.toLocalFile())
                                  : file.toString();
    });
    MessageBoxAlerts alerts;
    UserAlerts::setPresenter(&alerts);

    VistrelleApp vistrelle;
    QObject::connect(&vistrelle, &VistrelleApp::quitRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    if (role == SingleInstance::Start::runningInstance)
        QObject::connect(&instance, &SingleInstance::filesReceived, &vistrelle,
                         &VistrelleApp::openFromAnotherLaunch);

    // Only the instance that stays takes the reports earlier runs left: a launch that hands its files over
    // leaves them to it. A report stays queued until the collector accepts it.
    const PendingCrashReports reports = collectPendingCrashReports(reportFolder);
    CrashReportUploader uploader;
    for (const QString& report : reports.files)
        uploader.send(report, QApplication::applicationName(), QApplication::applicationVersion());
    // After a crash the user is told whether its report arrived, so the launch waits for the answer (a few
    // seconds at most; at once without a network).
    bool launched = false;
    const auto launch = [&] {
        if (std::exchange(launched, true))
            return;
        vistrelle.launch(files, reports.newCrashes == 0 ? std::nullopt
                                                        : std::optional(newReportsAccepted(reports, uploader)
                                                                            ? CrashReportDelivery::sent
                                                                            : CrashReportDelivery::notSent));
        if (parser.isSet(preview) && !files.isEmpty())
            if (EditorWindow* window = vistrelle.documents().openFile(files.first()))
                window->showPreview();
    };
    if (reports.newCrashes > 0 && uploader.isSending()) {
        QObject::connect(&uploader, &CrashReportUploader::finished, &vistrelle, launch, Qt::QueuedConnection);
        QTimer::singleShot(crashReportWaitMs, &vistrelle, launch);
    } else {
        launch();
    }

    const int status = QApplication::exec();
    UserAlerts::setPresenter(nullptr);
    CrashReporter::uninstall();
    return status;
}
