#pragma once

#include "publish/channel_publisher.h"

#include <QUrl>

namespace vistrelle {

// publishInto a WebDAV server (`destination`: "http://server/signage/", credentials in the address when it
// needs them): a HEAD for each object tells which the server lacks, each upload is PUT under a passing name
// and MOVEd into place, and the sequence follows the server's current manifest. Waits for each request in a
// local event loop: on a worker thread or the command line, never a window's. Throws PublishError.
PublishOutcome publishToWebDav(const QString& bundleFolder, const QUrl& destination, const QString& channel,
                               const QByteArray& secretKey, const PublishLog& log = {});

} // namespace vistrelle
