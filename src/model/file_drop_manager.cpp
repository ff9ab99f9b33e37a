#include "model/file_drop_manager.h"

#include <QMutexLocker>

namespace vistrelle {

FileDropManager& FileDropManager::shared() {
    static FileDropManager instance;
    return instance;
}

void FileDropManager::setPendingFile(ComponentType type, const QUrl& file) {
    QMutexLocker lock(&mutex_);
    pendingFileURLs_.insert(type, file);
}

std::optional<QUrl> FileDropManager::takePendingFile(ComponentType type) {
    QMutexLocker lock(&mutex_);
    const auto it = pendingFileURLs_.find(type);
    if (it == pendingFileURLs_.end())
        return std::nullopt;
    QUrl file = it.value();
    pendingFileURLs_.erase(it);
    return file;
}

bool FileDropManager::hasPendingFile(ComponentType type) const {
    QMutexLocker lock(&mutex_);
    return pendingFileURLs_.contains(type);
}

void FileDropManager::clear() {
    QMutexLocker lock(&mutex_);
    pendingFileURLs_.clear();
}

} // namespace vistrelle
