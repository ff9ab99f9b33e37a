#pragma once

#include "model/enumerations.h"

#include <QMap>
#include <QRecursiveMutex>
#include <QUrl>

#include <optional>

namespace vistrelle {

// Files dropped on the canvas wait here, keyed by the component type the drop
// will create, until that component is made. One per process; every access
// takes the lock because drops arrive from the platform's loading callbacks.
class FileDropManager {
public:
    static FileDropManager& shared();

    void setPendingFile(ComponentType type, const QUrl& file);
    // Removes and returns the entry for `type`, if any.
    std::optional<QUrl> takePendingFile(ComponentType type);
    bool hasPendingFile(ComponentType type) const;
    void clear();

private:
    FileDropManager() = default;

    mutable QRecursiveMutex mutex_;
    QMap<ComponentType, QUrl> pendingFileURLs_;
};

} // namespace vistrelle
