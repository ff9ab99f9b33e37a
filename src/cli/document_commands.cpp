// check, resave and the template commands: read a project, report or rewrite it.
#include "cli/cli_commands.h"
#include "cli/command_support.h"

#include "export/player_xml.h"
#include "export/resource_collection.h"
#include "export/screen_template.h"
#include "media/path_resolver.h"
#include "model/vistrelle_document.h"

#include <QCoreApplication>
#include <QFile>

namespace vistrelle::cli {

int runCheck(const QString& file, CommandOutput io) {
    const std::optional<VistrelleDocument> document = readOrReport(file, io);
    if (!document)
        return exitFailure;
    const KioskProject& project = document->project;
    io.out << project.metadata.name << ": " << project.screens.size() << " screens, "
           << project.componentCount() << " components" << Qt::endl;
    return exitSuccess;
}

int runResave(const QString& input, const QString& output, CommandOutput io) {
    const std::optional<VistrelleDocument> document = readOrReport(input, io);
    if (!document)
        return exitFailure;
    if (const std::optional<VistrelleError> error = document->writeFile(output)) {
        io.err << error->description() << Qt::endl;
        return exitFailure;
    }
    return exitSuccess;
}

int runXml(const QString& file, CommandOutput io) {
    const std::optional<VistrelleDocument> document = readOrReport(file, io);
    if (!document)
        return exitFailure;
    const PathResolver& resolver = PathResolver::shared();
    const KioskProject& project = document->project;
    io.out << generateProjectXML(project, buildResourceNameMap(project, resolver), resolver);
    io.out.flush();
    return exitSuccess;
}

int runExportScreen(const QString& file, const QString& index, CommandOutput io) {
    const std::optional<VistrelleDocument> document = readOrReport(file, io);
    if (!document)
        return exitFailure;
    const std::optional<qsizetype> screen = screenIndexOrReport(document->project, index, io);
    if (!screen)
        return exitFailure;
    io.out << exportScreenXML(document->project.screens[*screen]);
    io.out.flush();
    return exitSuccess;
}

int runImportScreen(const QString& file, const QString& index, const QString& templateFile,
                    const QString& output, CommandOutput io) {
    std::optional<VistrelleDocument> document = readOrReport(file, io);
    if (!document)
        return exitFailure;
    const std::optional<qsizetype> screen = screenIndexOrReport(document->project, index, io);
    if (!screen)
        return exitFailure;

    QFile templateData(templateFile);
    if (!templateData.open(QIODevice::ReadOnly)) {
        io.err << "Failed to import screen: " << templateData.errorString() << Qt::endl;
        return exitFailure;
    }
    KioskScreen imported;
    try {
        imported = importScreenXML(templateData.readAll());
    } catch (const ScreenTemplateError& error) {
        io.err << "Failed to import screen: " << error.description << Qt::endl;
        return exitFailure;
    }
    replaceScreenWithTemplate(document->project, document->project.screens[*screen].id, imported);
    if (const std::optional<VistrelleError> error = document->writeFile(output)) {
        io.err << error->description() << Qt::endl;
        return exitFailure;
    }
    return exitSuccess;
}

} // namespace vistrelle::cli
