#pragma once

#include "publish/channel_manifest.h"

#include <functional>

namespace vistrelle {

// A publication that could not be made, in words for the person publishing.
struct PublishError {
    QString message;
};

// One line of what a publication or a pruning does.
using PublishLog = std::function<void(const QString& line)>;

// The manifest of the deployed bundle folder `bundleFolder` (every regular file in it, by its path in the
// bundle; the sequence and time are left to the publisher). Throws PublishError (a link, an unreadable file).
ChannelManifest describeBundle(const QString& bundleFolder);

struct PublishOutcome {
    ChannelManifest manifest;
    int objectsWritten = 0; // the ones the destination lacked
    int objectsPresent = 0;
    qint64 bytesWritten = 0;
};

// Where a channel is published: a folder, or a WebDAV server. The publishing itself is the same for both.
class ChannelStore {
public:
    virtual ~ChannelStore() = default;
    // Whether the object at `path` (relative to the destination's root) is there with `size` bytes.
    virtual bool hasObject(const QString& path, qint64 size) = 0;
    // Writes `sourceFile` as the object at `path`, whole or not at all; its bytes.
    virtual qint64 putObject(const QString& path, const QString& sourceFile) = 0;
    // The highest sequence the channel has had (0 for a new channel).
    virtual qint64 lastSequence(const QString& channel) = 0;
    // Replaces the file at `path` with `bytes`, whole or not at all.
    virtual void putAtomically(const QString& path, const QByteArray& bytes) = 0;
};

// Throws PublishError for a channel name that cannot be one or a key that is none.
void checkPublishRequest(const QString& channel, const QByteArray& secretKey);

// Publishes the bundle into `channel` of `store`: the objects it lacks, then the manifest's history copy and
// signature, and the manifest last. Throws PublishError.
PublishOutcome publishInto(ChannelStore& store, const QString& bundleFolder, const QString& channel,
                           const QByteArray& secretKey, const PublishLog& log = {});

// Publishes into `destination` as written by a person: an http(s):// address by WebDAV (publishToWebDav), a
// file:// address or a path into that folder (publishToFolder).
PublishOutcome publishToDestination(const QString& bundleFolder, const QString& destination,
                                    const QString& channel, const QByteArray& secretKey,
                                    const PublishLog& log = {});
bool isWebDestination(const QString& destination);
// The folder a destination names (a file:// address as a path).
QString destinationFolder(const QString& destination);

// Publishes the bundle into the channel `channel` of the destination folder: first the objects it lacks (each
// written under a passing name and renamed, so an object is whole or absent), then the manifest's copy in the
// history and its signature, and last the manifest itself, atomically; so no reader ever finds a manifest
// whose objects are missing. The sequence is one more than any the channel had. Throws PublishError.
PublishOutcome publishToFolder(const QString& bundleFolder, const QString& destination,
                               const QString& channel, const QByteArray& secretKey,
                               const PublishLog& log = {});

struct PruneOutcome {
    int objectsRemoved = 0;
    qint64 bytesRemoved = 0;
};

// Removes the objects that none of the last `keep` manifests of any channel in the destination uses (a
// destination shares its objects between its channels), and the history beyond them. Throws PublishError.
PruneOutcome pruneFolder(const QString& destination, int keep, const PublishLog& log = {});

} // namespace vistrelle
