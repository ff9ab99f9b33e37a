#include "cli/cli_commands.h"

#include "model/vistrelle_document.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLoggingCategory>

namespace vistrelle::cli {

namespace {

constexpr int exitSuccess = 0;
constexpr int exitFailure = 1;
constexpr int exitUsage = 2;

// Gives the command line's texts a translation context of their own.
class CliText {
    Q_DECLARE_TR_FUNCTIONS(CliText)
};

QString usageText() {
    return CliText::tr("Usage: vistrelle-cli [options] <command> [arguments]\n"
                       "\n"
                       "Commands:\n"
                       "  check FILE      Read a project and print its name, screen and component counts.\n"
                       "  resave IN OUT   Read project IN and write it to OUT in the current format.\n"
                       "\n"
                       "Options:\n"
                       "  -h, --help      Show this help.\n"
                       "  -v, --version   Show the version.\n"
                       "  --verbose       Also print the application log (reading problems, fallbacks).\n");
}

} // namespace

int runCheck(const QString& file, CommandOutput io) {
    const Result<VistrelleDocument> document = VistrelleDocument::readFile(file);
    if (!document) {
        io.err << document.error().description() << Qt::endl;
        return exitFailure;
    }
    const KioskProject& project = document->project;
    io.out << project.metadata.name << ": " << project.screens.size() << " screens, "
           << project.componentCount() << " components" << Qt::endl;
    return exitSuccess;
}

int runResave(const QString& input, const QString& output, CommandOutput io) {
    const Result<VistrelleDocument> document = VistrelleDocument::readFile(input);
    if (!document) {
        io.err << document.error().description() << Qt::endl;
        return exitFailure;
    }
    if (const std::optional<VistrelleError> error = document->writeFile(output)) {
        io.err << error->description() << Qt::endl;
        return exitFailure;
    }
    return exitSuccess;
}

int runCommandLine(const QStringList& arguments, CommandOutput io) {
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  CliText::tr("Show this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     CliText::tr("Show the version."));
    const QCommandLineOption verbose(QStringLiteral("verbose"),
                                     CliText::tr("Also print the application log."));
    parser.addOptions({help, version, verbose});

    if (!parser.parse(arguments)) {
        io.err << parser.errorText() << "\n\n" << usageText();
        io.err.flush();
        return exitUsage;
    }
    if (parser.isSet(help)) {
        io.out << usageText();
        io.out.flush();
        return exitSuccess;
    }
    if (parser.isSet(version)) {
        io.out << "vistrelle-cli " << kApplicationVersion << Qt::endl;
        return exitSuccess;
    }
    // The log repeats what the error message says; scripts want only the message.
    if (!parser.isSet(verbose))
        QLoggingCategory::setFilterRules(QStringLiteral("com.quendrix.vistrelle.*=false"));

    const QStringList positional = parser.positionalArguments();
    const QString command = positional.value(0);
    if (command == QLatin1StringView("check") && positional.size() == 2)
        return runCheck(positional[1], io);
    if (command == QLatin1StringView("resave") && positional.size() == 3)
        return runResave(positional[1], positional[2], io);

    if (command.isEmpty())
        io.err << CliText::tr("No command given.") << "\n\n";
    else if (command != QLatin1StringView("check") && command != QLatin1StringView("resave"))
        io.err << CliText::tr("Unknown command “%1”.").arg(command) << "\n\n";
    else
        io.err << CliText::tr("Wrong number of arguments for “%1”.").arg(command) << "\n\n";
    io.err << usageText();
    io.err.flush();
    return exitUsage;
}

} // namespace vistrelle::cli
