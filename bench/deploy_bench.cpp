// Deploying a project with 200 media files (150 photos of 12 megapixels and 50 films, about 1 GB;
// VISTRELLE_BENCH_MEDIA_MB changes the total) next to copying the same files with cp: deployment looks at
// every file's content (each photo is decoded) before it copies; and the speed of
// the player XML writer on the 500 × 50 project.
#include "large_project.h"

#include "export/bundle_files.h"
#include "export/kiosk_deploy_manager.h"
#include "export/player_xml.h"
#include "export/resource_collection.h"
#include "media/path_resolver.h"
#include "model/component_factory.h"

#include <QBuffer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>

#include <sys/time.h>

using namespace vistrelle;

namespace {

constexpr int kFiles = 200;

// A photo as a camera makes it: 12 megapixels of smooth light and fine grain, about 4 MB as a JPEG. Each
// copy gets a comment of its own, so that no two files are the same.
QByteArray photoBytes() {
    QImage photo(4000, 3000, QImage::Format_RGB32);
    QRandomGenerator grain(7);
    for (int y = 0; y < photo.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            const int noise = int(grain.bounded(24u)) - 12;
            line[x] = qRgb(std::clamp(x * 255 / 4000 + noise, 0, 255),
                           std::clamp(y * 255 / 3000 + noise, 0, 255), std::clamp(160 + noise, 0, 255));
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    photo.save(&buffer, "JPEG", 92);
    return bytes;
}

struct MediaFolder {
    QTemporaryDir dir;
    QStringList files;

    MediaFolder() {
        const qint64 totalMb = qEnvironmentVariableIntValue("VISTRELLE_BENCH_MEDIA_MB") > 0
                                   ? qEnvironmentVariableIntValue("VISTRELLE_BENCH_MEDIA_MB")
                                   : 1000;
        // Films: an MP4 header and random data, as large as the photos make the total come out.
        const QByteArray photo = photoBytes();
        const qint64 filmBytes =
            std::max<qint64>(1024, (totalMb * 1024 * 1024 - photo.size() * (kFiles * 3 / 4)) / (kFiles / 4));
        QByteArray film(qsizetype(filmBytes), Qt::Uninitialized);
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(film.data()), film.size() / 4);
        film.replace(0, 24,
                     QByteArray("\x00\x00\x00\x18"
                                "ftypisom\x00\x00\x02\x00"
                                "isomiso2",
                                24));
        QDir().mkpath(dir.filePath("media"));
        for (int i = 0; i < kFiles; ++i) {
            const bool isFilm = i % 4 == 0;
            const QString path =
                dir.filePath(QStringLiteral("media/clip-%1.%2").arg(i).arg(isFilm ? "mp4" : "jpg"));
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            if (isFilm) {
                film[100] = char(i); // every file different
                file.write(film);
            } else {
                const QByteArray comment = QByteArray::number(i);
                file.write(photo.left(2)); // start of image, then a comment segment, then the rest
                file.write(QByteArray("\xFF\xFE", 2) + char(0) + char(comment.size() + 2) + comment);
                file.write(photo.mid(2));
            }
            files << path;
        }
    }
};

MediaFolder& media() {
    static MediaFolder folder;
    return folder;
}

// Changes every file's change time, so that nothing known of their content counts any more (as for media
// that a deployment from the command line meets for the first time).
void touchMedia() {
    for (const QString& file : media().files)
        ::utimes(QFile::encodeName(file).constData(), nullptr);
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

// `judged`: the files were looked at before (by the editor's show check); else each is met for the first
// time.
void deploy(benchmark::State& state, bool judged) {
    MediaFolder& folder = media();
    const KioskProject project = projectWithMedia();
    if (judged)
        validateForDeployment(project, PathResolver::shared());
    for (auto _ : state) {
        if (!judged) {
            state.PauseTiming();
            touchMedia();
            state.ResumeTiming();
        }
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

void BM_Deploy(benchmark::State& state) {
    deploy(state, false);
}

void BM_DeployAfterTheShowCheck(benchmark::State& state) {
    deploy(state, true);
}

// The part of a deployment that proves every file is a picture or a film, before anything is written.
void BM_ValidateMedia(benchmark::State& state) {
    const KioskProject project = projectWithMedia();
    for (auto _ : state) {
        state.PauseTiming();
        touchMedia();
        state.ResumeTiming();
        validateForDeployment(project, PathResolver::shared());
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
        image.properties["imagePath"] =
            QStringLiteral("/media/%1/%2").arg(i).arg(i % 2 ? "Logo.png" : "logo.png");
        components.append(image);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(buildResourceNameMap(project, PathResolver::shared()));
}

} // namespace

BENCHMARK(BM_BundleNamesOfTenThousandNamesakes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyWithCp)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Deploy)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DeployAfterTheShowCheck)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ValidateMedia)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_GenerateProjectXML)->Unit(benchmark::kMillisecond);
