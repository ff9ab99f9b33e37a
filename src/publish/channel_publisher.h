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
