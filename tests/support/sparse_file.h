#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace vistrelle::test_support {

// A file of `size` bytes that begins with `start` and costs no disk beyond it, as `truncate` makes them:
// what someone may send to make a reader allocate gigabytes. False when it cannot be made.
inline bool writeSparseFile(const QString& path, const QByteArray& start, qint64 size) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(start) == start.size() && file.resize(size);
}

} // namespace vistrelle::test_support
