#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

namespace vistrelle {

// A failed file operation, with a sentence for the user. The codes follow the
// platform file error numbers that callers and logs refer to.
struct FileError {
    Q_DECLARE_TR_FUNCTIONS(FileError)

public:
    enum Code { noSuchFile = 4, noReadPermission = 257, other = 512 };

    Code code = other;
    QString description;

    static FileError noSuchFileAt(const QString& path) {
        return {noSuchFile, tr("The file “%1” couldn’t be opened because there is no such file.").arg(path)};
    }
    static FileError couldNotSave(const QString& fileName, const QString& reason) {
        return {other, tr("The file “%1” couldn’t be saved: %2").arg(fileName, reason)};
    }
    static FileError noPermissionFor(const QString& path) {
        return {
            noReadPermission,
            tr("The file “%1” couldn’t be opened because you don’t have permission to view it.").arg(path)};
    }
};

// Thrown when the user stopped a long file operation; whatever it had started is gone.
struct OperationCancelled {};

// Asked between chunks of a long operation: true stops it.
using CancelCheck = std::function<bool()>;

// Shown a file about to be copied, open as the descriptor the copy is made from; throws to refuse it.
using SourceCheck = std::function<void(int fd)>;

} // namespace vistrelle
