// Feeds arbitrary stored paths to the path resolver: it must never fail or crash.
#include "media/path_resolver.h"
#include "platform/preferences.h"

#include <QDir>
#include <QLoggingCategory>

#include <cstdint>
#include <cstdlib>

using namespace vistrelle;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    QLoggingCategory::setFilterRules(QStringLiteral("com.quendrix.vistrelle.*=false"));
    const QString folder = QDir::tempPath() + QStringLiteral("/vistrelle-path-fuzz");
    QDir().mkpath(folder);
    qputenv("HOME", folder.toUtf8());
    Preferences::setStoreFolder(folder);
    // A bookmark with damaged data, for paths that name it.
    Preferences::setValue(QStringLiteral("bookmark_x"), QByteArray("{\"path\": 7}"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const PathResolver& resolver = PathResolver::shared();
    const QString resolved = resolver.resolvePath(path);
    if (!path.isEmpty() && resolved.isEmpty() && !path.startsWith(QLatin1StringView("file://")))
        std::abort(); // only an empty path (or a file URL without a path) resolves to nothing
    (void)resolver.accessibleURL(path);
    return 0;
}
