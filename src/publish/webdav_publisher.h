#pragma once

#include "publish/channel_publisher.h"

#include <QUrl>

namespace vistrelle {

// publishToFolder's work against a WebDAV server (`destination`: "http://server/signage/", credentials in the
// address when it needs them): a HEAD for each object tells which the server lacks, only those are uploaded
// (each PUT under a passing name and MOVEd into place), then the manifest's history copy, its signature and
// last the manifest, the same way. The sequence is one more than the server's current manifest's. Waits for
// each request in a local event loop: for the command line, not for a window. Throws PublishError.
PublishOutcome publishToWebDav(const QString& bundleFolder, const QUrl& destination, const QString& channel,
                               const QByteArray& secretKey, const PublishLog& log = {});

} // namespace vistrelle
