#include "publish/channel_publisher.h"

#include "platform/file_writing.h"
#include "publish/channel_layout.h"
#include "publish/signing.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QUrl>
#include <QUuid>

#include <algorithm>
#include <map>

namespace vistrelle {

namespace {

struct PublishText {
    Q_DECLARE_TR_FUNCTIONS(PublishText)
};

[[noreturn]] void fail(const QString& message) {
    throw PublishError{message};
}

QByteArray sha256Of(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(PublishText::tr("“%1” cannot be read: %2").arg(path, file.errorString()));
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        fail(PublishText::tr("“%1” cannot be read: %2").arg(path, file.errorString()));
    return hash.result().toHex();
}

// Copies `source` to `target` under a passing name first, then renames it: the object is whole or absent.
qint64 writeObject(const QString& source, const QString& target) {
    if (!QDir().mkpath(QFileInfo(target).path()))
        fail(PublishText::tr("The folder for “%1” cannot be made.").arg(target));
    const QString passing =
        target + QStringLiteral(".part-") + QUuid::createUuid().toString(QUuid::WithoutBraces).left(8);
    if (!QFile::copy(source, passing))
        fail(PublishText::tr("“%1” cannot be copied into the channel.").arg(source));
    const qint64 size = QFileInfo(passing).size();
    if (!QFile::rename(passing, target) && !QFileInfo::exists(target)) {
        QFile::remove(passing);
        fail(PublishText::tr("“%1” cannot be written into the channel.").arg(target));
    }
    QFile::remove(passing); // another publisher may have written the same object meanwhile
    return size;
}

void writeAtomically(const QString& path, const QByteArray& bytes) {
    if (!QDir().mkpath(QFileInfo(path).path()))
        fail(PublishText::tr("The folder for “%1” cannot be made.").arg(path));
    if (const std::optional<QString> reason = saveFileAtomically(path, bytes))
        fail(PublishText::tr("“%1” cannot be written: %2").arg(path, *reason));
}

// The sequence numbers of the channel's history, highest first.
QList<qint64> historySequences(const QDir& root, const QString& channel) {
    QList<qint64> sequences;
    const QDir history(root.filePath(channel_layout::historyFolder(channel)));
    for (const QString& name : history.entryList({QStringLiteral("*.json")}, QDir::Files)) {
        bool ok = false;
        const qint64 sequence = QFileInfo(name).completeBaseName().toLongLong(&ok);
        if (ok && sequence > 0)
            sequences.append(sequence);
    }
    std::sort(sequences.begin(), sequences.end(), std::greater<>());
    return sequences;
}

} // namespace

ChannelManifest describeBundle(const QString& bundleFolder) {
    const QDir bundle(bundleFolder);
    if (!bundle.exists())
        fail(PublishText::tr("The bundle “%1” does not exist.").arg(bundleFolder));
    ChannelManifest manifest;
    manifest.show = QFileInfo(QDir::cleanPath(bundle.absolutePath())).completeBaseName();
    QDirIterator files(bundle.absolutePath(), QDir::Files | QDir::Hidden | QDir::System,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QFileInfo file(files.next());
        const QString path = bundle.relativeFilePath(file.filePath());
        if (file.isSymLink())
            fail(PublishText::tr("The bundle holds a link, “%1”: only files are published.").arg(path));
        if (!isSafeBundlePath(path))
            fail(PublishText::tr("The bundle holds a file whose name cannot be published: “%1”.").arg(path));
        manifest.files.append({path, file.size(), sha256Of(file.filePath())});
    }
    if (manifest.files.isEmpty())
        fail(PublishText::tr("The bundle “%1” holds no files.").arg(bundleFolder));
    std::sort(manifest.files.begin(), manifest.files.end(),
              [](const ChannelFile& a, const ChannelFile& b) { return a.path < b.path; });
    manifest.fingerprint = manifest.computedFingerprint();
    return manifest;
}

namespace {

class FolderStore final : public ChannelStore {
public:
    explicit FolderStore(const QString& destination)
        : root_(destination) {
        if (!QDir().mkpath(root_.absolutePath()))
            fail(PublishText::tr("The folder “%1” cannot be made.").arg(destination));
    }
    bool hasObject(const QString& path, qint64 size) override {
        const QFileInfo object(root_.filePath(path));
        return object.exists() && object.size() == size;
    }
    qint64 putObject(const QString& path, const QString& sourceFile) override {
        return writeObject(sourceFile, root_.filePath(path));
    }
    qint64 lastSequence(const QString& channel) override {
        // Its current manifest's or its history's: a manifest removed by hand does not restart it.
        qint64 last = 0;
        if (const QList<qint64> history = historySequences(root_, channel); !history.isEmpty())
            last = history.first();
        QFile current(root_.filePath(channel_layout::manifestPath(channel)));
        if (current.open(QIODevice::ReadOnly)) {
            const auto parsed = parseChannelManifest(current.read(ChannelManifest::largestBytes + 1));
            if (const auto* manifest = std::get_if<ChannelManifest>(&parsed))
                last = std::max(last, manifest->sequence);
        }
        return last;
    }
    void putAtomically(const QString& path, const QByteArray& bytes) override {
        writeAtomically(root_.filePath(path), bytes);
    }

private:
    QDir root_;
};

} // namespace

PublishOutcome publishInto(ChannelStore& store, const QString& bundleFolder, const QString& channel,
                           const QByteArray& secretKey, const PublishLog& log) {
    const auto say = [&](const QString& line) {
        if (log)
            log(line);
    };
    PublishOutcome outcome;
    say(PublishText::tr("Hashing the bundle..."));
    outcome.manifest = describeBundle(bundleFolder);
    const QDir bundle(bundleFolder);
    QSet<QByteArray> done; // a file twice in a bundle is one object
    for (const ChannelFile& file : std::as_const(outcome.manifest.files)) {
        if (done.contains(file.sha256))
            continue;
        done.insert(file.sha256);
        const QString object = channel_layout::objectPath(file.sha256);
        if (store.hasObject(object, file.size)) {
            ++outcome.objectsPresent;
            continue;
        }
        outcome.bytesWritten += store.putObject(object, bundle.filePath(file.path));
        ++outcome.objectsWritten;
        say(PublishText::tr("Uploaded: %1").arg(file.path));
    }
    outcome.manifest.sequence = store.lastSequence(channel) + 1;
    outcome.manifest.channel = channel;
    outcome.manifest.publishedAt = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch(), Qt::UTC);
    const QByteArray json = outcome.manifest.toJson();
    store.putAtomically(channel_layout::historyPath(channel, outcome.manifest.sequence), json);
    store.putAtomically(channel_layout::signaturePath(channel), signMessage(json, secretKey));
    store.putAtomically(channel_layout::manifestPath(channel), json);
    say(PublishText::tr("Published “%1” as %2 in channel “%3”: %4 of %5 files uploaded.")
            .arg(outcome.manifest.show)
            .arg(outcome.manifest.sequence)
            .arg(channel)
            .arg(outcome.objectsWritten)
            .arg(outcome.manifest.files.size()));
    return outcome;
}

void checkPublishRequest(const QString& channel, const QByteArray& secretKey) {
    if (!channel_layout::isValidChannelName(channel))
        fail(PublishText::tr("“%1” is no channel name: use letters, digits, “.”, “_” and “-”.").arg(channel));
    if (secretKey.size() != 64)
        fail(PublishText::tr("The signing key is no key."));
}

PublishOutcome publishToFolder(const QString& bundleFolder, const QString& destination,
                               const QString& channel, const QByteArray& secretKey, const PublishLog& log) {
    checkPublishRequest(channel, secretKey);
    FolderStore store(destination);
    return publishInto(store, bundleFolder, channel, secretKey, log);
}

bool isWebDestination(const QString& destination) {
    const QString scheme = QUrl(destination).scheme();
    return scheme == QLatin1StringView("http") || scheme == QLatin1StringView("https");
}

QString destinationFolder(const QString& destination) {
    const QUrl address(destination);
    return address.isLocalFile() ? address.toLocalFile() : destination;
}

PruneOutcome pruneFolder(const QString& destination, int keep, const PublishLog& log) {
    if (keep < 1)
        fail(PublishText::tr("At least the current manifest of each channel is kept."));
    const QDir root(destination);
    QSet<QByteArray> used;
    const QStringList channels =
        QDir(root.filePath(QStringLiteral("channels"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& channel : channels) {
        const QList<qint64> sequences = historySequences(root, channel);
        for (qsizetype i = 0; i < sequences.size(); ++i) {
            const QString path = root.filePath(channel_layout::historyPath(channel, sequences[i]));
            if (i >= keep) {
                QFile::remove(path);
                continue;
            }
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                fail(PublishText::tr("“%1” cannot be read: nothing is pruned.").arg(path));
            const auto parsed = parseChannelManifest(file.read(ChannelManifest::largestBytes + 1));
            const auto* manifest = std::get_if<ChannelManifest>(&parsed);
            if (!manifest)
                fail(PublishText::tr("“%1” is no manifest: nothing is pruned.").arg(path));
            for (const ChannelFile& f : manifest->files)
                used.insert(f.sha256);
        }
        // The current manifest counts even without its history (a channel published by an older tool).
        QFile current(root.filePath(channel_layout::manifestPath(channel)));
        if (current.open(QIODevice::ReadOnly))
            if (const auto parsed = parseChannelManifest(current.read(ChannelManifest::largestBytes + 1));
                const auto* manifest = std::get_if<ChannelManifest>(&parsed))
                for (const ChannelFile& f : manifest->files)
                    used.insert(f.sha256);
    }
    PruneOutcome outcome;
    QDirIterator objects(root.filePath(QStringLiteral("objects/sha256")), QDir::Files,
                         QDirIterator::Subdirectories);
    while (objects.hasNext()) {
        const QFileInfo object(objects.next());
        if (used.contains(object.fileName().toLatin1()))
            continue;
        const qint64 size = object.size();
        if (QFile::remove(object.filePath())) {
            ++outcome.objectsRemoved;
            outcome.bytesRemoved += size;
        }
    }
    if (log)
        log(PublishText::tr("Pruned %1 objects (%2 bytes).")
                .arg(outcome.objectsRemoved)
                .arg(outcome.bytesRemoved));
    return outcome;
}

} // namespace vistrelle
