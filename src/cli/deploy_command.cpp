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

    KioskDeployManager manager;
    QEventLoop loop;
    QObject::connect(
        &manager, &KioskDeployManager::stepReached, [&](double progress, const QString& message) {
            const int percent = int(std::floor(progress * 100));
            // File names may hold control characters: one step is one line, and nothing of
            // it acts on the terminal.
            io.out << QStringLiteral("[%1%] ").arg(percent, 3) << escapedForLine(message, false) << Qt::endl;
        });
    QObject::connect(&manager, &KioskDeployManager::finished, &loop, &QEventLoop::quit);
    manager.deploy(document->project, destination, options);
    loop.exec();

    if (manager.deployStatus().kind != DeployStatus::Kind::success) {
        io.err << "Deployment failed: " << escapedForLine(manager.deployStatus().message, false) << Qt::endl;
        return exitFailure;
    }
    return exitSuccess;
}

} // namespace vistrelle::cli
