#include "publish/channel_follower.h"

#include "platform/app_logger.h"
#include "platform/file_writing.h"
#include "publish/channel_layout.h"
#include "publish/signing.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSet>

#include <algorithm>
#include <cmath>

#include <unistd.h>

namespace vistrelle {

namespace {

struct FollowerText {
    Q_DECLARE_TR_FUNCTIONS(FollowerText)
};

constexpr double longestBackoffSeconds = 600;
constexpr int keptShows = 2; // the one playing and the one before, for rollback

// A hard link from the store, or a copy where the two cannot share a file (another file system).
bool placeFile(const QString& object, const QString& target) {
    QDir().mkpath(QFileInfo(target).path());
    QFile::remove(target);
    return ::link(QFile::encodeName(object).constData(), QFile::encodeName(target).constData()) == 0 ||
           QFile::copy(object, target);
}

QList<qint64> keptSequences(const QDir& state) {
    QList<qint64> sequences;
    for (const QString& name : QDir(state.filePath(QStringLiteral("manifests")))
                                   .entryList({QStringLiteral("*.json")}, QDir::Files)) {
        bool ok = false;
        const qint64 sequence = QFileInfo(name).completeBaseName().toLongLong(&ok);
        if (ok)
            sequences.append(sequence);
    }
    std::sort(sequences.begin(), sequences.end(), std::greater<>());
    return sequences;
}

} // namespace

ChannelFollower::ChannelFollower(Options options, Scheduler& scheduler, QNetworkAccessManager& network,
                                 QObject* parent)
    : QObject(parent)
    , options_(std::move(options))
    , scheduler_(scheduler)
    , client_(options_.channel, network) {
    QDir().mkpath(options_.stateFolder);
    loadAccepted();
    // A lost or damaged accepted.json must not let an older show back in: the kept manifests know better.
    sequence_ = std::max(sequence_, highestKeptSequence());
}

ChannelFollower::~ChannelFollower() = default;

void ChannelFollower::loadAccepted() {
    QFile file(QDir(options_.stateFolder).filePath(QStringLiteral("accepted.json")));
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QJsonObject accepted = QJsonDocument::fromJson(file.read(64 * 1024)).object();
    sequence_ = qint64(accepted.value(QStringLiteral("sequence")).toDouble());
    const QString bundle = accepted.value(QStringLiteral("bundle")).toString();
    if (QFileInfo(bundle).isDir())
        currentBundle_ = bundle;
}

qint64 ChannelFollower::highestKeptSequence() const {
    const QList<qint64> kept = keptSequences(QDir(options_.stateFolder));
    return kept.isEmpty() ? 0 : kept.first();
}

void ChannelFollower::start() {
    if (!currentBundle_.isEmpty())
        emit showReady(currentBundle_); // offline or not, the last good show plays at once
    poll();
}

double ChannelFollower::delayAfter(int failures, std::optional<double> retryAfter) const {
    const double spread = 1.0 + options_.jitter * (2.0 * QRandomGenerator::global()->generateDouble() - 1.0);
    double delay = options_.pollSeconds * spread;
    if (failures > 0)
        delay = std::min(longestBackoffSeconds, options_.pollSeconds * std::pow(2.0, failures - 1) * spread);
    if (retryAfter)
        delay = std::max(delay, std::min(*retryAfter, 24.0 * 3600));
    return delay;
}

void ChannelFollower::scheduleNext(std::optional<double> retryAfter) {
    next_ = scheduler_.singleShot(delayAfter(failures_, retryAfter), [this] { poll(); });
}

void ChannelFollower::poll() {
    if (busy_)
        return;
    busy_ = true;
    next_.reset();
    client_.fetchManifest([this](const ChannelClient::ManifestAnswer& answer) { answered(answer); });
}

void ChannelFollower::answered(const ChannelClient::ManifestAnswer& answer) {
    if (answer.kind == ChannelClient::ManifestAnswer::Kind::failed) {
        busy_ = false;
        ++failures_;
        if (!offlineSince_) {
            offlineSince_ = QDateTime::currentDateTimeUtc();
            emit offlineChanged();
        }
        if (answer.error != lastRefusal_)
            AppLogger::logFailure(QStringLiteral("Channel: "), answer.error);
        lastRefusal_ = answer.error;
        scheduleNext(answer.retryAfterSeconds);
        return;
    }
    failures_ = 0;
    if (offlineSince_) {
        offlineSince_.reset();
        emit offlineChanged();
    }
    if (answer.kind == ChannelClient::ManifestAnswer::Kind::unchanged) {
        busy_ = false;
        scheduleNext();
        return;
    }
    const auto parsed = parseChannelManifest(answer.manifest);
    if (!verifyMessage(answer.manifest, answer.signature, options_.trustedKey)) {
        refuse(FollowerText::tr(
            "The manifest is not signed by the trusted key; the show on view keeps playing."));
        return;
    }
    if (const auto* problem = std::get_if<QString>(&parsed)) {
        refuse(*problem);
        return;
    }
    const ChannelManifest& manifest = std::get<ChannelManifest>(parsed);
    // Signed for another channel (one key often signs them all): served here, it would take this one over.
    QString followedPath = options_.channel.path();
    while (followedPath.endsWith(u'/'))
        followedPath.chop(1);
    const QString followed = followedPath.section(u'/', -1);
    if (manifest.channel != followed) {
        refuse(
            FollowerText::tr("The manifest was published to the channel “%1”, not to “%2”; the show on view "
                             "keeps playing.")
                .arg(manifest.channel, followed));
        return;
    }
    if (manifest.sequence <= sequence_) {
        if (manifest.sequence < sequence_)
            refuse(FollowerText::tr(
                       "The manifest's sequence %1 is older than the %2 already accepted; the show on "
                       "view keeps playing.")
                       .arg(manifest.sequence)
                       .arg(sequence_));
        else {
            busy_ = false;
            scheduleNext();
        }
        return;
    }
    accept(manifest, answer.manifest);
}

void ChannelFollower::refuse(const QString& reason) {
    AppLogger::logFailure(QStringLiteral("Channel refused: "), reason);
    lastRefusal_ = reason;
    // A refused manifest is asked for whole again next time: it may have been caught mid-publish.
    client_.forgetManifest();
    busy_ = false;
    scheduleNext();
}

QString ChannelFollower::objectPath(const QByteArray& sha256) const {
    return QDir(options_.stateFolder).filePath(QStringLiteral("store/") + channel_layout::objectPath(sha256));
}

void ChannelFollower::accept(const ChannelManifest& manifest, const QByteArray& bytes) {
    pending_ = manifest;
    pendingBytes_ = bytes;
    fetchError_.clear();
    toFetch_.clear();
    QSet<QByteArray> wanted;
    for (const ChannelFile& file : manifest.files)
        if (QFileInfo(objectPath(file.sha256)).size() != file.size && !wanted.contains(file.sha256)) {
            wanted.insert(file.sha256);
            toFetch_.append(file);
        }
    for (int i = 0; i < options_.parallelDownloads; ++i)
        fetchNext();
    if (inFlight_ == 0)
        finishFetching();
}

void ChannelFollower::fetchNext() {
    if (toFetch_.isEmpty() || !fetchError_.isEmpty())
        return;
    const ChannelFile file = toFetch_.takeFirst();
    const QString target = objectPath(file.sha256);
    QDir().mkpath(QFileInfo(target).path());
    const QString part = target + QStringLiteral(".part");
    ++inFlight_;
    client_.fetchObject(file, part, [this, part, target](const QString& error) {
        --inFlight_;
        if (!error.isEmpty()) {
            if (fetchError_.isEmpty())
                fetchError_ = error;
        } else if (!QFile::rename(part, target) && !QFileInfo::exists(target)) {
            fetchError_ = FollowerText::tr("“%1” cannot be stored.").arg(target);
        }
        fetchNext();
        if (inFlight_ == 0)
            finishFetching();
    });
}

void ChannelFollower::finishFetching() {
    if (!pending_)
        return;
    const ChannelManifest manifest = *std::exchange(pending_, std::nullopt);
    if (!fetchError_.isEmpty()) {
        // What arrived stays in the store; the next poll fetches the rest.
        AppLogger::logFailure(QStringLiteral("Channel: "), fetchError_);
        lastRefusal_ = fetchError_;
        client_.forgetManifest();
        busy_ = false;
        ++failures_;
        scheduleNext();
        return;
    }
    const QDir state(options_.stateFolder);
    const QString bundle =
        state.filePath(QStringLiteral("shows/%1/%2.bundle").arg(manifest.sequence).arg(manifest.show));
    QDir(bundle).removeRecursively();
    for (const ChannelFile& file : manifest.files)
        if (!placeFile(objectPath(file.sha256), QDir(bundle).filePath(file.path))) {
            refuse(FollowerText::tr("The show cannot be built in “%1”.").arg(bundle));
            return;
        }
    QDir().mkpath(state.filePath(QStringLiteral("manifests")));
    // What was accepted must outlive a restart, or an older show could be replayed after it: unsaved, the
    // show is not taken.
    std::optional<QString> unsaved = saveFileAtomically(
        state.filePath(QStringLiteral("manifests/%1.json").arg(manifest.sequence)), pendingBytes_);
    if (!unsaved)
        unsaved = saveFileAtomically(
            state.filePath(QStringLiteral("accepted.json")),
            QJsonDocument(QJsonObject{{QStringLiteral("sequence"), double(manifest.sequence)},
                                      {QStringLiteral("bundle"), bundle}})
                .toJson());
    if (unsaved) {
        refuse(FollowerText::tr("What was accepted cannot be kept: %1").arg(*unsaved));
        return;
    }
    sequence_ = manifest.sequence;
    currentBundle_ = bundle;
    lastRefusal_.clear();
    busy_ = false;
    collectGarbage();
    emit showReady(bundle);
    scheduleNext();
}

void ChannelFollower::collectGarbage() {
    const QDir state(options_.stateFolder);
    const QList<qint64> sequences = keptSequences(state);
    QSet<QByteArray> used;
    for (qsizetype i = 0; i < sequences.size(); ++i) {
        const QString manifestPath = state.filePath(QStringLiteral("manifests/%1.json").arg(sequences[i]));
        if (i >= keptShows) {
            QFile::remove(manifestPath);
            QDir(state.filePath(QStringLiteral("shows/%1").arg(sequences[i]))).removeRecursively();
            continue;
        }
        QFile file(manifestPath);
        if (!file.open(QIODevice::ReadOnly))
            return; // when in doubt, nothing goes
        const auto parsed = parseChannelManifest(file.read(ChannelManifest::largestBytes + 1));
        if (const auto* manifest = std::get_if<ChannelManifest>(&parsed))
            for (const ChannelFile& f : manifest->files)
                used.insert(f.sha256);
        else
            return;
    }
    QDirIterator objects(state.filePath(QStringLiteral("store/objects")), QDir::Files,
                         QDirIterator::Subdirectories);
    while (objects.hasNext()) {
        const QFileInfo object(objects.next());
        if (!used.contains(object.fileName().toLatin1()) &&
            !object.fileName().endsWith(QLatin1StringView(".part")))
            QFile::remove(object.filePath());
    }
}

} // namespace vistrelle
