// deploy: runs the deployment pipeline and prints its steps as they happen.
#include "cli/cli_commands.h"

#include "export/check_report.h"
#include "export/kiosk_deploy_manager.h"
#include "model/vistrelle_document.h"

#include <QEventLoop>

#include <cmath>

namespace vistrelle::cli {

int runDeploy(const QString& file, const QString& destination, const DeployOptions& options,
              CommandOutput io) {
    const Result<VistrelleDocument> document = VistrelleDocument::readFile(file);
    if (!document) {
        io.err << "Deployment failed: " << document.error().description() << Qt::endl;
        return exitFailure;
    }

    return runDeploymentPrintingSteps(document->project, destination, options, io,
                                      [](double p) { return p; });
}

} // namespace vistrelle::cli
