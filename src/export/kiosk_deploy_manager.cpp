#include "export/kiosk_deploy_manager.h"

#include "export/feed_text.h"

#include "export/bundle_files.h"
#include "export/deploy_error.h"
#include "export/player_xml.h"
#include "export/resource_collection.h"
#include "export/slide_export.h"
#include "media/file_error.h"
#include "media/image_cache.h"
#include "media/path_resolver.h"
#include "render/image_source.h"

#include <QDir>
#include <QFileInfo>
#include <QMetaObject>
#include <QtConcurrent/QtConcurrentRun>

namespace vistrelle {

KioskDeployManager::KioskDeployManager(QObject* parent)
    : QObject(parent) {}

KioskDeployManager::~KioskDeployManager() {
    if (cancelled_)
        *cancelled_ = true; // quitting never waits for a long copy to end
    for (QFuture<void>& deployment : running_)
        deployment.waitForFinished();
}

void KioskDeployManager::setDeploying(bool deploying) {
    if (isDeploying_ == deploying)
        return;
    isDeploying_ = deploying;
    emit isDeployingChanged();
}

void KioskDeployManager::setStatus(const DeployStatus& status) {
    if (deployStatus_ == status)
        return;
    deployStatus_ = status;
    emit deployStatusChanged();
}

void KioskDeployManager::updateProgress(double value, const QString& message) {
    if (deployProgress_ != value) {
        deployProgress_ = value;
        emit deployProgressChanged();
    }
    deployLog_.append(message);
    emit deployLogChanged();
    emit stepReached(value, message);
}

void KioskDeployManager::report(double value, const QString& message) {
    QMetaObject::invokeMethod(
        this, [this, value, message] { updateProgress(value, message); }, Qt::QueuedConnection);
}

void KioskDeployManager::finishWithSuccess(const QString& destination) {
    setStatus({DeployStatus::Kind::success, {}, {}, false});
    const QUrl url = QUrl::fromLocalFile(destination);
    if (destinationURL_ != url) {
        destinationURL_ = url;
        emit destinationURLChanged();
    }
    setDeploying(false);
    emit finished();
}

void KioskDeployManager::finishWithFailure(const DeployStatus& status) {
    setStatus(status);
    setDeploying(false);
    emit finished();
}

void KioskDeployManager::finishCancelled() {
    deployLog_.append(tr("Deployment cancelled"));
    emit deployLogChanged();
    setStatus({DeployStatus::Kind::cancelled, {}, {}, false});
    setDeploying(false);
    emit finished();
}

void KioskDeployManager::cancel() {
    if (isDeploying_ && cancelled_)
        *cancelled_ = true;
}

void KioskDeployManager::deploy(const KioskProject& project, const QString& destination,
                                const DeployOptions& options) {
    if (cancelled_)
        *cancelled_ = true; // a deployment still running is superseded
    cancelled_ = std::make_shared<std::atomic_bool>(false);
    setDeploying(true);
    slideCount_ = {};
    if (deployProgress_ != 0) {
        deployProgress_ = 0;
        emit deployProgressChanged();
    }
    setStatus({DeployStatus::Kind::deploying, {}, {}, false});
    if (!deployLog_.isEmpty()) {
        deployLog_.clear();
        emit deployLogChanged();
    }
    running_.removeIf([](const QFuture<void>& deployment) { return deployment.isFinished(); });
    running_ << QtConcurrent::run([this, project, destination, options, cancelled = cancelled_] {
        runPipeline(project, destination, options, cancelled);
    });
}

void KioskDeployManager::runPipeline(const KioskProject& document, const QString& destination,
                                     const DeployOptions& options,
                                     const std::shared_ptr<std::atomic_bool>& cancelled) {
    // Tickers' feeds travel with the show as fetched now; the rest of the run deploys that copy.
    std::optional<KioskProject> withFeeds;
    const KioskProject* project = &document;
    const PathResolver& resolver = PathResolver::shared();
    BlockingImageSource images(ImageCache::shared());
    const SlideFormat format = SlideFormat::from(options.optimizedFormat);
    const ProgressReport progress = [this](double value, const QString& message) { report(value, message); };
    const CancelCheck isCancelled = [cancelled] { return cancelled->load(); };
    const SlideCountReport slides = [this](qsizetype written, qsizetype total) {
        QMetaObject::invokeMethod(
            this,
            [this, written, total] {
                slideCount_ = {written, total};
                emit deployProgressChanged();
            },
            Qt::QueuedConnection);
    };
    const auto checkCancelled = [&] {
        if (isCancelled())
            throw OperationCancelled{};
    };
    const auto succeed = [this](const QString& folder) {
        QMetaObject::invokeMethod(
            this, [this, folder] { finishWithSuccess(folder); }, Qt::QueuedConnection);
    };
    const auto fail = [this](const DeployStatus& status) {
        QMetaObject::invokeMethod(
            this, [this, status] { finishWithFailure(status); }, Qt::QueuedConnection);
    };
    // What this run created, and only that, goes when it is cancelled.
    QString createdBundle;
    QStringList createdSlides;
    try {
        report(0.1, tr("Validating project..."));
        validateForDeployment(*project, resolver);
        checkCancelled();
        if (hasFeeds(document)) {
            report(0.15, tr("Fetching feeds..."));
            withFeeds = withFeedSnapshots(
                document, QDateTime::currentDateTime(),
                [&](const QString& address, const QString& why) {
                    report(0.15, tr("Feed unreachable: %1 (%2) Its ticker shows its "
                                    "typed text until the display fetches it.")
                                     .arg(address, why));
                },
                isCancelled);
            project = &*withFeeds;
            checkCancelled();
        }
        if (options.exportOptimized && options.exportFlat) {
            report(0.3, tr("Exporting optimized slides for Windows/Linux..."));
            exportFlatSlides(*project, destination, format, images, progress, isCancelled, &createdSlides,
                             slides);
            report(1.0, tr("Export completed successfully!"));
            succeed(destination);
            return;
        }
        // Slides that cannot be drawn are known before anything is written.
        if (options.exportOptimized)
            checkSlidesCanBeDrawn(*project);

        report(0.2, tr("Preparing bundle structure..."));
        const BundleLocation bundle = createBundle(project->metadata, destination);
        createdBundle = bundle.bundleFolder;
        report(0.3, tr("Bundle created: ") + QFileInfo(bundle.bundleFolder).fileName());
        checkCancelled();

        report(0.45, tr("Indexing resources and resolving name collisions..."));
        const ResourceNameMap names = buildResourceNameMap(*project, resolver);

        if (options.exportOptimized) {
            report(0.5, tr("Rendering optimized slides..."));
            exportOptimizedSlides(*project, bundle.resourcesFolder, format, images, resolver, progress,
                                  isCancelled, slides);
        } else {
            report(0.5, tr("Exporting project data..."));
            writeFileAtomically(QDir(bundle.resourcesFolder).filePath(QStringLiteral("VistrelleData.xml")),
                                generateProjectXML(*project, names, resolver).toUtf8());
            report(0.6, tr("Project data exported successfully"));
            report(0.7, tr("Copying resources..."));
            copyResources(*project, bundle.resourcesFolder, names, resolver, progress, isCancelled);
        }
        checkCancelled();

        report(0.9, tr("Finalizing deployment..."));
        writeReadme(*project, bundle.bundleFolder);
        report(1.0, tr("Deployment completed successfully!"));
        succeed(bundle.bundleFolder);
    } catch (const OperationCancelled&) {
        if (!createdBundle.isEmpty())
            QDir(createdBundle).removeRecursively();
        for (const QString& slide : std::as_const(createdSlides))
            QFile::remove(slide);
        QMetaObject::invokeMethod(
            this, [this] { finishCancelled(); }, Qt::QueuedConnection);
    } catch (const DeployError& error) {
        fail({DeployStatus::Kind::failed, error.description(), error.separateUsedBy(),
              error.errorCase == DeployError::Case::missingPassword});
    } catch (const FileError& error) {
        fail({DeployStatus::Kind::failed, error.description, {}, false});
    } catch (const std::exception& error) {
        fail({DeployStatus::Kind::failed, QString::fromLocal8Bit(error.what()), {}, false});
    }
}

} // namespace vistrelle
