#pragma once

#include "export/kiosk_deploy_manager.h"
#include "export/show_check.h"

#include <QStringList>
#include <QTextStream>

#include <functional>

namespace vistrelle::cli {

// Where a command writes; tests pass string-backed streams.
struct CommandOutput {
    QTextStream& out;
    QTextStream& err;
};

enum ExitCode { exitSuccess = 0, exitFailure = 1, exitUsage = 2 };

// `check FILE`: reads FILE and prints "<name>: <S> screens, <C> components".
int runCheck(const QString& file, CommandOutput io);
// `resave IN OUT`: reads IN and writes it to OUT atomically; OUT is untouched on failure.
int runResave(const QString& input, const QString& output, CommandOutput io);
// `xml FILE`: the player data XML of the project, exactly, without a trailing newline.
int runXml(const QString& file, CommandOutput io);
// `export-screen FILE INDEX`: the template XML of the screen at zero-based INDEX.
int runExportScreen(const QString& file, const QString& index, CommandOutput io);
// `import-screen FILE INDEX TEMPLATE OUT`: loads TEMPLATE over the screen at INDEX and writes OUT.
int runImportScreen(const QString& file, const QString& index, const QString& templateFile,
                    const QString& output, CommandOutput io);

// `render FILE INDEX OUT.png`: the screen at INDEX as a slide image.
int runRender(const QString& file, const QString& index, const QString& output, CommandOutput io);
// `render-transition FILE INDEX PROGRESS OUT.png`: the frame of the change from the screen at INDEX to the
// next.
int runRenderTransition(const QString& file, const QString& index, const QString& progress,
                        const QString& output, CommandOutput io);

// `deploy FILE DEST`: runs the deployment, printing "[NNN%] message" per step.
int runDeploy(const QString& file, const QString& destination, const DeployOptions& options,
              CommandOutput io);

// Deploys `project` into `destination`, printing each step as "[NNN%] message" with its progress passed
// through `scale`; the bundle made goes to `deployed`.
int runDeploymentPrintingSteps(const KioskProject& project, const QString& destination,
                               const DeployOptions& options, CommandOutput io,
                               const std::function<double(double)>& scale, QString* deployed = nullptr);

// `keygen FILE`: a new signing key pair; the private key into FILE (mode 0600), the public key printed as one
// base64 line.
int runKeygen(const QString& file, CommandOutput io);

struct PublishRequest {
    QString channel;
    QString keyFile;
    DeployOptions options;
    int pruneKeep = 0; // with --prune K: afterwards, objects none of the last K manifests uses go
};
// `publish FILE DEST --channel NAME --key KEY`: deploys the project and publishes the bundle into the channel
// NAME of the folder DEST, printing its steps like deploy.
int runPublish(const QString& file, const QString& destination, const PublishRequest& request,
               CommandOutput io);

// `fleet DEST [--json]`: the displays that report into the folder DEST (vistrelle-player --report): name,
// show, sequence playing, last seen and faults, a line each under a heading, or a JSON array.
int runFleet(const QString& destination, bool asJson, CommandOutput io);

// `preflight FILE [--json]`: the show check's findings, a line each ("error: screen N "name": …") and the
// counts, or a JSON array; exit status 1 when there is an error.
int runPreflight(const QString& file, bool asJson, const CheckOptions& options, CommandOutput io);

// Parses the arguments (the program name first) and runs the command.
int runCommandLine(const QStringList& arguments, CommandOutput io);

} // namespace vistrelle::cli
