#include "cli/cli_commands.h"
#include "cli/command_support.h"

#include "model/project_model.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLoggingCategory>

#include <functional>

namespace vistrelle::cli {

namespace {

QString usageText() {
    return CliText::tr(
        "Usage: vistrelle-cli [options] <command> [arguments]\n"
        "\n"
        "Commands:\n"
        "  check FILE                         Read a project and print its name, screen and component "
        "counts.\n"
        "  resave IN OUT                      Read project IN and write it to OUT in the current format.\n"
        "  xml FILE                           Print the player data XML of the project.\n"
        "  export-screen FILE INDEX           Print the template XML of the screen at INDEX (from 0).\n"
        "  import-screen FILE INDEX TEMPLATE OUT\n"
        "                                     Load TEMPLATE over the screen at INDEX and write the project "
        "to OUT.\n"
        "  deploy FILE DEST                   Deploy the project as a bundle into the folder DEST.\n"
        "  preflight FILE                     Check the show for what will go wrong on the display; exit "
        "status 1\n"
        "                                     when something would fail. One line per finding, as\n"
        "                                     error: screen 2 \"Lobby\": MESSAGE, or for the project as a "
        "whole\n"
        "                                     error: project \"NAME\": MESSAGE (in names \" and \\ are "
        "escaped,\n"
        "                                     and line breaks and control characters are written \\n, "
        "\\u001b).\n"
        "  keygen FILE                        Make a channel signing key pair: the private key into FILE\n"
        "                                     (readable by you only), the public key printed as one line.\n"
        "  publish FILE DEST --channel NAME --key KEY\n"
        "                                     Deploy the project and publish the bundle into the channel "
        "NAME\n"
        "                                     of DEST (a folder, or an http(s):// WebDAV address), signed\n"
        "                                     with KEY.\n"
        "  fleet DEST                         List the displays that report into the folder DEST: name,\n"
        "                                     show, sequence playing, last seen and faults (--json too).\n"
        "  render FILE INDEX OUT.png          Draw the screen at INDEX as a slide image.\n"
        "  render-transition FILE INDEX PROGRESS OUT.png\n"
        "                                     Draw the change from the screen at INDEX to the next at "
        "PROGRESS (0-1).\n"
        "\n"
        "Options:\n"
        "  -h, --help                         Show this help.\n"
        "  -v, --version                      Show the version.\n"
        "  --verbose                          Also print the application log (reading problems, fallbacks).\n"
        "  --optimized                        deploy: high-performance mode (pre-rendered slides);\n"
        "                                     preflight: check for that mode.\n"
        "  --json                             preflight: print the findings as a JSON array.\n"
        "  --format jpg|png                   deploy: image format of the slides (default jpg).\n"
        "  --flat                             deploy: with --optimized, a flat folder of slides.\n"
        "  --channel NAME                     publish: the channel (letters, digits, \".\", \"_\", \"-\").\n"
        "  --key FILE                         publish: the private key made by keygen.\n"
        "  --prune K                          publish: then remove the objects none of the last K manifests\n"
        "                                     of any channel in DEST uses.\n");
}

struct Command {
    QString name;
    int arguments;
    std::function<int(const QStringList&)> run;
};

} // namespace

int runCommandLine(const QStringList& arguments, CommandOutput io) {
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  CliText::tr("Show this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     CliText::tr("Show the version."));
    const QCommandLineOption verbose(QStringLiteral("verbose"),
                                     CliText::tr("Also print the application log."));
    const QCommandLineOption optimized(QStringLiteral("optimized"), CliText::tr("High-performance mode."));
    const QCommandLineOption format(QStringLiteral("format"), CliText::tr("Slide image format."),
                                    QStringLiteral("jpg|png"), QStringLiteral("jpg"));
    const QCommandLineOption flat(QStringLiteral("flat"), CliText::tr("Flat folder of slides."));
    const QCommandLineOption json(QStringLiteral("json"), CliText::tr("Findings as JSON."));
    const QCommandLineOption channel(QStringLiteral("channel"), CliText::tr("Channel name."),
                                     QStringLiteral("NAME"));
    const QCommandLineOption key(QStringLiteral("key"), CliText::tr("Private key file."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption prune(QStringLiteral("prune"), CliText::tr("Manifests to keep."),
                                   QStringLiteral("K"));
    parser.addOptions({help, version, verbose, optimized, format, flat, json, channel, key, prune});

    const auto usageError = [&](const QString& message) {
        io.err << message << "\n\n" << usageText();
        io.err.flush();
        return int(exitUsage);
    };

    if (!parser.parse(arguments))
        return usageError(parser.errorText());
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

    const QString slideFormat = parser.value(format).toLower();
    if (slideFormat != QLatin1StringView("jpg") && slideFormat != QLatin1StringView("png"))
        return usageError(
            CliText::tr("The slide format must be jpg or png, not “%1”.").arg(parser.value(format)));

    const std::vector<Command> commands = {
        {QStringLiteral("check"), 1, [&](const QStringList& a) { return runCheck(a[0], io); }},
        {QStringLiteral("resave"), 2, [&](const QStringList& a) { return runResave(a[0], a[1], io); }},
        {QStringLiteral("xml"), 1, [&](const QStringList& a) { return runXml(a[0], io); }},
        {QStringLiteral("export-screen"), 2,
         [&](const QStringList& a) { return runExportScreen(a[0], a[1], io); }},
        {QStringLiteral("import-screen"), 4,
         [&](const QStringList& a) { return runImportScreen(a[0], a[1], a[2], a[3], io); }},
        {QStringLiteral("render"), 3, [&](const QStringList& a) { return runRender(a[0], a[1], a[2], io); }},
        {QStringLiteral("render-transition"), 4,
         [&](const QStringList& a) { return runRenderTransition(a[0], a[1], a[2], a[3], io); }},
        {QStringLiteral("preflight"), 1,
         [&](const QStringList& a) {
             return runPreflight(a[0], parser.isSet(json), {parser.isSet(optimized)}, io);
         }},
        {QStringLiteral("keygen"), 1, [&](const QStringList& a) { return runKeygen(a[0], io); }},
        {QStringLiteral("fleet"), 1,
         [&](const QStringList& a) { return runFleet(a[0], parser.isSet(json), io); }},
        {QStringLiteral("publish"), 2,
         [&](const QStringList& a) {
             if (!parser.isSet(channel) || !parser.isSet(key))
                 return usageError(CliText::tr("publish needs --channel NAME and --key FILE."));
             bool keepIsNumber = true;
             const int keep = parser.isSet(prune) ? parser.value(prune).toInt(&keepIsNumber) : 0;
             if (!keepIsNumber || (parser.isSet(prune) && keep < 1))
                 return usageError(CliText::tr("--prune needs a number of manifests to keep, 1 or more."));
             return runPublish(a[0], a[1],
                               {parser.value(channel),
                                parser.value(key),
                                {parser.isSet(optimized), slideFormat, false},
                                keep},
                               io);
         }},
        {QStringLiteral("deploy"), 2,
         [&](const QStringList& a) {
             return runDeploy(a[0], a[1], {parser.isSet(optimized), slideFormat, parser.isSet(flat)}, io);
         }},
    };

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usageError(CliText::tr("No command given."));
    for (const Command& command : commands) {
        if (command.name != positional[0])
            continue;
        if (positional.size() - 1 != command.arguments)
            return usageError(CliText::tr("Wrong number of arguments for “%1”.").arg(command.name));
        return command.run(positional.mid(1));
    }
    return usageError(CliText::tr("Unknown command “%1”.").arg(positional[0]));
}

} // namespace vistrelle::cli
