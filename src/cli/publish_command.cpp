// keygen and publish: a channel's signing key, and a show published into a channel.
#include "cli/cli_commands.h"
#include "cli/command_support.h"

#include "export/check_report.h"
#include "publish/channel_publisher.h"
#include "publish/signing.h"

#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QUrl>

#include <cmath>

namespace vistrelle::cli {

namespace {

void printStep(CommandOutput io, double progress, const QString& message) {
    // File names may hold control characters: one step is one line, and nothing of it acts on the terminal.
    io.out << QStringLiteral("[%1%] ").arg(int(std::floor(progress * 100)), 3)
           << escapedForLine(message, false) << Qt::endl;
}

} // namespace

int runDeploymentPrintingSteps(const KioskProject& project, const QString& destination,
                               const DeployOptions& options, CommandOutput io,
                               const std::function<double(double)>& scale, QString* deployed) {
    KioskDeployManager manager;
    QEventLoop loop;
    QObject::connect(
        &manager, &KioskDeployManager::stepReached,
        [&](double progress, const QString& message) { printStep(io, scale(progress), message); });
    QObject::connect(&manager, &KioskDeployManager::finished, &loop, &QEventLoop::quit);
    manager.deploy(project, destination, options);
    loop.exec();
    if (manager.deployStatus().kind != DeployStatus::Kind::success) {
        io.err << "Deployment failed: " << escapedForLine(manager.deployStatus().message, false) << Qt::endl;
        return exitFailure;
    }
    if (deployed)
        *deployed = manager.destinationURL().toLocalFile();
    return exitSuccess;
}

int runKeygen(const QString& file, CommandOutput io) {
    const SigningKeys keys = generateSigningKeys();
    if (const std::optional<QString> failure = writePrivateKeyFile(file, keys)) {
        io.err << CliText::tr("The key could not be written: %1").arg(*failure) << Qt::endl;
        return exitFailure;
    }
    io.out << publicKeyText(keys.publicKey) << Qt::endl;
    return exitSuccess;
}

int runPublish(const QString& file, const QString& destination, const PublishRequest& request,
               CommandOutput io) {
    if (isWebDestination(destination) && request.pruneKeep > 0) {
        io.err << CliText::tr("Publishing failed: --prune works on a folder; prune the folder the web server "
                              "serves.")
               << Qt::endl;
        return exitFailure;
    }
    const std::variant<QByteArray, QString> key = readPrivateKeyFile(request.keyFile);
    if (const auto* problem = std::get_if<QString>(&key)) {
        io.err << CliText::tr("Publishing failed: %1").arg(*problem) << Qt::endl;
        return exitFailure;
    }
    const std::optional<VistrelleDocument> document = readOrReport(file, io);
    if (!document)
        return exitFailure;

    // The bundle is deployed as usual into a passing folder, then published from there.
    QTemporaryDir staging;
    if (!staging.isValid()) {
        io.err << CliText::tr("Publishing failed: no temporary folder: %1").arg(staging.errorString())
               << Qt::endl;
        return exitFailure;
    }
    DeployOptions options = request.options;
    options.exportFlat = false; // a channel carries bundles
    QString bundle;
    if (const int deployed = runDeploymentPrintingSteps(
            document->project, staging.path(), options, io, [](double p) { return p * 0.6; }, &bundle);
        deployed != exitSuccess)
        return deployed;
    try {
        const ChannelManifest described = describeBundle(bundle);
        const double files = double(std::max<qsizetype>(1, described.files.size()));
        int uploaded = 0;
        const PublishLog steps = [&](const QString& line) {
            // Each object uploaded moves the bar; the manifest, written last, ends it.
            const bool object = line.startsWith(QLatin1StringView("Uploaded"));
            const bool published = line.startsWith(QLatin1StringView("Published"));
            uploaded += object;
            printStep(io, published ? 1.0 : 0.6 + 0.39 * std::min(1.0, uploaded / files), line);
        };
        const QByteArray& secret = std::get<QByteArray>(key);
        publishToDestination(bundle, destination, request.channel, secret, steps);
        if (request.pruneKeep > 0)
            pruneFolder(destinationFolder(destination), request.pruneKeep,
                        [&](const QString& line) { printStep(io, 1.0, line); });
    } catch (const PublishError& error) {
        io.err << CliText::tr("Publishing failed: %1").arg(escapedForLine(error.message, false)) << Qt::endl;
        return exitFailure;
    }
    return exitSuccess;
}

} // namespace vistrelle::cli
