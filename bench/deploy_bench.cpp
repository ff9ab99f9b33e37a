// Deploying a project with 200 media files (about 1 GB; VISTRELLE_BENCH_MEDIA_MB
// changes the total) next to copying the same files with cp; and the speed of
// the player XML writer on the 500 × 50 project.
#include "large_project.h"

#include "export/kiosk_deploy_manager.h"
#include "export/player_xml.h"
#include "export/resource_collection.h"
#include "media/path_resolver.h"
#include "model/component_factory.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace vistrelle;

namespace {

constexpr int kFiles = 200;

struct MediaFolder {
    QTemporaryDir dir;
    QStringList files;

    MediaFolder() {
        const qint64 totalMb = qEnvironmentVariableIntValue("VISTRELLE_BENCH_MEDIA_MB") > 0
                                   ? qEnvironmentVariableIntValue("VISTRELLE_BENCH_MEDIA_MB")
                                   : 1000;
        QByteArray block(int(totalMb * 1024 * 1024 / kFiles), Qt::Uninitialized);
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(block.data()), block.size() / 4);
        QDir().mkpath(dir.filePath("media"));
        for (int i = 0; i < kFiles; ++i) {
            const QString path =
                dir.filePath(QStringLiteral("media/clip-%1.%2").arg(i).arg(i % 4 ? "jpg" : "mp4"));
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            block[0] = char(i); // every file different
            file.write(block);
            files << path;
        }
    }
};

MediaFolder& media() {
    static MediaFolder folder;
    return folder;
}

KioskProject projectWithMedia() {
    KioskProject project;
    project.metadata.name = QStringLiteral("Benchmark");
    project.settings.deployPassword = QStringLiteral("pw");
    for (const QString& file : media().files) {
        const bool video = file.endsWith(QLatin1StringView(".mp4"));
        PlacedComponent c = makeComponent(video ? ComponentType::video : ComponentType::image, {});
        c.properties[video ? QStringLiteral("videoPath") : QStringLiteral("imagePath")] = file;
        project.screens[0].components.append(c);
    }
    return project;
}

void BM_CopyWithCp(benchmark::State& state) {
    MediaFolder& folder = media();
    for (auto _ : state) {
        const QString out = folder.dir.filePath(QStringLiteral("cp-out"));
        QDir().mkpath(out);
        const QByteArray command =
            "cp " + QFile::encodeName(folder.dir.filePath("media")) + "/* " + QFile::encodeName(out);
        if (std::system(command.constData()) != 0)
            state.SkipWithError("cp failed");
        state.PauseTiming();
        QDir(out).removeRecursively();
        state.ResumeTiming();
    }
}

void BM_Deploy(benchmark::State& state) {
    MediaFolder& folder = media();
    const KioskProject project = projectWithMedia();
    for (auto _ : state) {
        const QString out = folder.dir.filePath(QStringLiteral("deploy-out"));
        QDir().mkpath(out);
        KioskDeployManager manager;
        QEventLoop loop;
        QObject::connect(&manager, &KioskDeployManager::finished, &loop, &QEventLoop::quit);
        manager.deploy(project, out);
        loop.exec();
        if (manager.deployStatus().kind != DeployStatus::Kind::success)
            state.SkipWithError(manager.deployStatus().message.toStdString().c_str());
        state.PauseTiming();
        QDir(out).removeRecursively();
        state.ResumeTiming();
    }
}

void BM_GenerateProjectXML(benchmark::State& state) {
    const KioskProject project = bench::makeLargeProject(500, 50);
    const PathResolver& resolver = PathResolver::shared();
    const ResourceNameMap names = buildResourceNameMap(project, resolver);
    qint64 bytes = 0;
    for (auto _ : state) {
        const QByteArray xml = generateProjectXML(project, names, resolver).toUtf8();
        bytes += xml.size();
        benchmark::DoNotOptimize(xml);
    }
    state.SetBytesProcessed(bytes);
}

// Ten thousand media files that share one file name: every one needs a bundle name of its own.
void BM_BundleNamesOfTenThousandNamesakes(benchmark::State& state) {
    KioskProject project;
    QList<PlacedComponent>& components = project.screens[0].components;
    for (int i = 0; i < 10000; ++i) {
        PlacedComponent image = makeComponent(ComponentType::image, {});
        image.properties["imagePath"] = QStringLiteral("/media/%1/%2").arg(i).arg(i % 2 ? "Logo.png" : "logo.png");
        components.append(image);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(buildResourceNameMap(project, PathResolver::shared()));
}

} // namespace

BENCHMARK(BM_BundleNamesOfTenThousandNamesakes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyWithCp)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Deploy)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_GenerateProjectXML)->Unit(benchmark::kMillisecond);
