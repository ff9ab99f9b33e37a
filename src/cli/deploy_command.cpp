// deploy: runs the deployment pipeline and prints its steps as they happen.
#include "cli/cli_commands.h"

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

    KioskDeployManager manager;
    QEventLoop loop;
    QObject::connect(&manager, &KioskDeployManager::stepReached,
                     [&](double progress, const QString& message) {
                         const int percent = int(std::floor(progress * 100));
                         io.out << QStringLiteral("[%1%] ").arg(percent, 3) << message << Qt::endl;
                     });
    QObject::connect(&manager, &KioskDeployManager::finished, &loop, &QEventLoop::quit);
    manager.deploy(document->project, destination, options);
    loop.exec();

    if (manager.deployStatus().kind != DeployStatus::Kind::success) {
        io.err << "Deployment failed: " << manager.deployStatus().message << Qt::endl;
        return exitFailure;
    }
    return exitSuccess;
}

} // namespace vistrelle::cli
