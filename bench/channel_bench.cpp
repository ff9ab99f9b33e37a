// Channels at scale, on loopback: 500 displays (many clients of the player's fetch code in one process) that
// play a 200 MB show pick up a new one in which one 1 MB picture changed, from nginx. Counted: the bytes and
// requests each display needed (goal: the changed bytes, and at most 2 + the changed objects), the time until
// all of them had switched, and what a poll costs when nothing changed (one request answered 304).
#include "publish/channel_follower.h"
#include "publish/channel_layout.h"
#include "publish/channel_publisher.h"
#include "publish/signing.h"
#include "support/local_nginx.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <unistd.h>

using namespace vistrelle;

namespace {

constexpr int displays = 500;
constexpr int pictures = 199;
constexpr qint64 pictureBytes = 1024 * 1024;

// The scheduler of displays that only poll when told to.
class StillScheduler : public Scheduler {
public:
    double now() const override { return 0; }
    std::unique_ptr<Timer> singleShot(double, std::function<void()>) override {
        return std::make_unique<Timer>();
    }
};

void writeRandom(const QString& path, qint64 size) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QByteArray chunk(int(size), Qt::Uninitialized);
    QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(chunk.data()), int(size / 4));
    file.write(chunk);
}

bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
    }
    return true;
}

void BM_FiveHundredDisplaysPickUpAChangedPicture(benchmark::State& state) {
    QTemporaryDir work;
    const QString bundle = work.filePath("Lobby.bundle");
    writeRandom(bundle + "/Contents/Resources/VistrelleData.xml", 4096);
    for (int i = 0; i < pictures; ++i)
        writeRandom(bundle + QStringLiteral("/Contents/Resources/picture%1.jpg").arg(i), pictureBytes);
    writeRandom(bundle + "/Contents/Resources/changing.jpg", pictureBytes);
    const SigningKeys keys = generateSigningKeys();
    const QString served = work.filePath("served");
    const ChannelManifest first = publishToFolder(bundle, served, "lobby", keys.secretKey).manifest;
    test::LocalNginx nginx(served);
    if (!nginx.error().isEmpty()) {
        state.SkipWithError(qPrintable(nginx.error()));
        return;
    }

    // Every display already plays the first show: its store holds the objects (linked, not copied).
    StillScheduler scheduler;
    QNetworkAccessManager network;
    std::vector<std::unique_ptr<ChannelFollower>> followers;
    for (int d = 0; d < displays; ++d) {
        const QDir state(work.filePath(QStringLiteral("display%1").arg(d)));
        for (const ChannelFile& file : first.files) {
            const QString object = state.filePath("store/" + channel_layout::objectPath(file.sha256));
            QDir().mkpath(QFileInfo(object).path());
            ::link(
                QFile::encodeName(QDir(served).filePath(channel_layout::objectPath(file.sha256))).constData(),
                QFile::encodeName(object).constData());
        }
        QDir().mkpath(state.filePath("manifests"));
        QFile manifest(state.filePath("manifests/1.json"));
        manifest.open(QIODevice::WriteOnly);
        manifest.write(first.toJson());
        QFile accepted(state.filePath("accepted.json"));
        accepted.open(QIODevice::WriteOnly);
        accepted.write(QJsonDocument(QJsonObject{{"sequence", 1}}).toJson());
        ChannelFollower::Options options;
        options.channel = nginx.url("/channels/lobby/");
        options.trustedKey = keys.publicKey;
        options.stateFolder = state.path();
        followers.push_back(std::make_unique<ChannelFollower>(options, scheduler, network));
    }
    const auto allIdle = [&] {
        return std::none_of(followers.begin(), followers.end(), [](const auto& f) { return f->isBusy(); });
    };
    // The first poll of each display learns the manifest it already plays (and its ETag).
    for (auto& follower : followers)
        follower->poll();
    waitUntil(allIdle, 120000);

    QThread::msleep(1100); // the server's ETag counts seconds
    writeRandom(bundle + "/Contents/Resources/changing.jpg", pictureBytes);
    publishToFolder(bundle, served, "lobby", keys.secretKey);
    QFile manifestFile(QDir(served).filePath(channel_layout::manifestPath("lobby")));
    manifestFile.open(QIODevice::ReadOnly);
    const qint64 manifestBytes = manifestFile.size();

    std::vector<int> requestsBefore;
    std::vector<qint64> bytesBefore;
    for (auto& follower : followers) {
        requestsBefore.push_back(follower->client().requestsMade());
        bytesBefore.push_back(follower->client().bytesReceived());
    }
    double seconds = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        for (auto& follower : followers)
            follower->poll();
        if (!waitUntil(allIdle, 600000)) {
            state.SkipWithError("the displays did not finish");
            return;
        }
        seconds = double(clock.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
    }
    int mostRequests = 0;
    qint64 totalBytes = 0;
    int switched = 0;
    for (std::size_t d = 0; d < followers.size(); ++d) {
        mostRequests = std::max(mostRequests, followers[d]->client().requestsMade() - requestsBefore[d]);
        totalBytes += followers[d]->client().bytesReceived() - bytesBefore[d];
        switched += followers[d]->sequence() == 2;
    }
    // Nothing changed since: one request each, answered 304.
    std::vector<int> beforeIdle;
    for (auto& follower : followers)
        beforeIdle.push_back(follower->client().requestsMade());
    for (auto& follower : followers)
        follower->poll();
    waitUntil(allIdle, 120000);
    int idleRequests = 0;
    for (std::size_t d = 0; d < followers.size(); ++d)
        idleRequests = std::max(idleRequests, followers[d]->client().requestsMade() - beforeIdle[d]);

    const double perDisplayMB = double(totalBytes) / displays / (1024.0 * 1024.0);
    state.counters["switched"] = switched;
    state.counters["requests_per_display"] = mostRequests;
    state.counters["MB_per_display"] = perDisplayMB;
    state.counters["idle_requests"] = idleRequests;
    state.SetLabel(QStringLiteral("%1 displays, %2 MB show, 1 MB changed, manifest %3 KB")
                       .arg(displays)
                       .arg((pictures + 1) * pictureBytes / (1024 * 1024))
                       .arg(manifestBytes / 1024)
                       .toStdString());
    if (switched != displays)
        state.SkipWithError("not every display switched");
    else if (mostRequests > 2 + 1)
        state.SkipWithError("a display made more than 2 requests plus one per changed object");
    else if (totalBytes > displays * (pictureBytes + manifestBytes + 1024))
        state.SkipWithError("more than the changed bytes were fetched");
    else if (idleRequests != 1)
        state.SkipWithError("an unchanged poll cost more than one request");
}

} // namespace

BENCHMARK(BM_FiveHundredDisplaysPickUpAChangedPicture)
    ->UseManualTime()
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
