#pragma once

#include <QByteArrayView>
#include <QString>

#include <memory>
#include <optional>

namespace vistrelle {

// The steps of an atomic save. The program takes them with a QSaveFile
// (`AtomicFileTarget`); tests hand in targets that fail part of the way.
class SaveTarget {
public:
    virtual ~SaveTarget() = default;
    virtual bool open() = 0;
    // Like QIODevice::write: may accept fewer bytes than offered, or fail with -1.
    virtual qint64 write(const char* data, qint64 size) = 0;
    // Puts the written bytes on the disk and in place of the old file; false leaves the old file as it was.
    virtual bool commit() = 0;
    // Throws away what was written; the old file stays as it was.
    virtual void cancel() = 0;
    virtual QString errorString() const = 0;
};

// A QSaveFile at `path`, written unbuffered so that a short write shows at once
// and with its real cause, and synced to the disk before it replaces the old file.
class AtomicFileTarget final : public SaveTarget {
public:
    explicit AtomicFileTarget(const QString& path);
    ~AtomicFileTarget() override;
    AtomicFileTarget(const AtomicFileTarget&) = delete;
    AtomicFileTarget& operator=(const AtomicFileTarget&) = delete;

    bool open() override;
    qint64 write(const char* data, qint64 size) override;
    bool commit() override;
    void cancel() override;
    QString errorString() const override;

private:
    struct File;
    std::unique_ptr<File> file_;
    QString syncError_;
};

// Writes every byte of `bytes` through `target` and commits. Any shortfall or
// failure cancels the save, so the file that was there stays untouched, and
// returns the reason ("No space left on device", …).
std::optional<QString> saveThrough(SaveTarget& target, QByteArrayView bytes);

// Replaces the file at `path` with `bytes` atomically; the reason on failure.
std::optional<QString> saveFileAtomically(const QString& path, QByteArrayView bytes);

// Writes `bytes` over the file at `path` in place (for files a reader expects to be
// rewritten, not replaced); every byte checked. The reason on failure.
std::optional<QString> saveFileInPlace(const QString& path, QByteArrayView bytes);

} // namespace vistrelle
