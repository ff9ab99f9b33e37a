// vistrelle [FILE…]: one editor window per document, or a new one.
#include "app/document_controller.h"
#include "app/message_box_alerts.h"
#include "editing/shared_document_manager.h"
#include "editor/palette_windows.h"
#include "editor/sheets/symbol_icon.h"
#include "media/path_resolver.h"

#include <QApplication>
#include <QCommandLineParser>

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
    // Palettes are tool windows: the application ends with its last document window.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(symbolIcon(QStringLiteral("rectangle.on.rectangle")));

    QCommandLineParser parser;
    parser.setApplicationDescription(QApplication::translate("main", "Digital signage slide shows."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("files"),
                                 QApplication::translate("main", "Projects to open."),
                                 QStringLiteral("[FILE…]"));
    parser.process(app);

    // Dropped files are stored as paths that travel with the project ("~/…" or absolute).
    SharedDocumentManager::shared().setStoredPathMaker([](const QUrl& file) {
        return file.isLocalFile() ? PathResolver::shared().storedPathFor(file.toLocalFile())
                                  : file.toString();
    });
    MessageBoxAlerts alerts;
    UserAlerts::setPresenter(&alerts);

    DocumentController documents;
    QObject::connect(&documents, &DocumentController::lastWindowClosed, &app, [] {
        PaletteWindows::shared().closeAll();
        QApplication::quit();
    });
    documents.offerRecovery();
    for (const QString& path : parser.positionalArguments())
        documents.openFile(path);
    if (documents.windows().isEmpty())
        documents.newDocument();

    const int status = QApplication::exec();
    UserAlerts::setPresenter(nullptr);
    return status;
}
