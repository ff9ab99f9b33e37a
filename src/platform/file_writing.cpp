#include "platform/file_writing.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace vistrelle {

namespace {

QString reasonOf(const SaveTarget& target) {
    const QString reason = target.errorString();
    // A short write sets no error of its own; Qt then reports its placeholder.
    if (reason.isEmpty() || reason == QCoreApplication::translate("QIODevice", "Unknown error"))
        return QCoreApplication::translate("FileWriting",
                                           "Not all of the data could be written; the disk may be full.");
    return reason;
}

// Writing over the old contents: for the few files a reader expects to be rewritten, not replaced.
class InPlaceFileTarget final : public SaveTarget {
public:
    explicit InPlaceFileTarget(const QString& path)
        : file_(path) {}

    bool open() override {
        return file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered);
    }
    qint64 write(const char* data, qint64 size) override { return file_.write(data, size); }
    bool commit() override {
        file_.close();
        return file_.error() == QFileDevice::NoError;
    }
    void cancel() override { file_.close(); }
    QString errorString() const override { return file_.errorString(); }

private:
    QFile file_;
};

} // namespace

struct AtomicFileTarget::File {
    QSaveFile save;
};

AtomicFileTarget::AtomicFileTarget(const QString& path)
    : file_(std::make_unique<File>()) {
    file_->save.setFileName(path);
}

AtomicFileTarget::~AtomicFileTarget() = default;

bool AtomicFileTarget::open() {
    // Unbuffered: every write reaches the file at once, so a full disk shows in the count it returns.
    return file_->save.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 AtomicFileTarget::write(const char* data, qint64 size) {
    return file_->save.write(data, size);
}

bool AtomicFileTarget::commit() {
    // QSaveFile syncs too but ignores the outcome; a file system that can only tell at this
    // point that it has no room (quotas, network shares) must not get the old file replaced.
    const int handle = file_->save.handle();
    if (handle >= 0 && ::fsync(handle) != 0 && errno != EINVAL && errno != EROFS) {
        syncError_ = QString::fromLocal8Bit(std::strerror(errno));
        cancel();
        return false;
    }
    return file_->save.commit();
}

void AtomicFileTarget::cancel() {
    file_->save.cancelWriting();
    file_->save.commit(); // removes the temporary file now rather than at destruction
}

QString AtomicFileTarget::errorString() const {
    return syncError_.isEmpty() ? file_->save.errorString() : syncError_;
}

std::optional<QString> saveThrough(SaveTarget& target, QByteArrayView bytes) {
    if (!target.open())
        return reasonOf(target);
    for (qint64 written = 0; written < bytes.size();) {
        // A short count is no error yet: the next write of the rest fails with the real cause.
        const qint64 n = target.write(bytes.data() + written, bytes.size() - written);
        if (n <= 0) {
            const QString reason = reasonOf(target);
            target.cancel();
            return reason;
        }
        written += n;
    }
    if (!target.commit())
        return reasonOf(target);
    return std::nullopt;
}

std::optional<QString> saveFileAtomically(const QString& path, QByteArrayView bytes) {
    AtomicFileTarget target(path);
    return saveThrough(target, bytes);
}

std::optional<QString> saveFileInPlace(const QString& path, QByteArrayView bytes) {
    InPlaceFileTarget target(path);
    return saveThrough(target, bytes);
}

} // namespace vistrelle
