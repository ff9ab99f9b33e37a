// Feeds arbitrary bytes to the update-file reader as our web site's answer: it must never crash, and an
// update it reports must be one it may report.
#include "app/update_check.h"

#include <cstdint>
#include <cstdlib>

using namespace vistrelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray body(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<UpdateInfo> update = updateFromResponse(body, [](const QString&) {});
    if (update && (update->version.isEmpty() || !update->version.contains(u'.') ||
                   update->version == comparisonVersion.toString()))
        std::abort();
    return 0;
}
