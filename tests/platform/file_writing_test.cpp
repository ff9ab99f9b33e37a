#include "platform/file_writing.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A real atomic save that runs out of room after `room` bytes, the way a full
// disk behaves under Qt: first a short count without an error, then failures
// with `error` (empty: Qt's placeholder, as when no cause is known).
class DiskThatFills final : public SaveTarget {
public:
    DiskThatFills(const QString& path, qint64 room, QString error)
        : real_(path)
        , room_(room)
        , error_(std::move(error)) {}

    bool open() override { return real_.open(); }
    qint64 write(const char* data, qint64 size) override {
        if (room_ == 0) {
            failed_ = true;
            return error_.isEmpty() ? 0 : -1;
        }
        const qint64 n = real_.write(data, std::min(size, room_));
        room_ -= n;
        return n;
    }
    bool commit() override { return real_.commit(); }
    void cancel() override { real_.cancel(); }
    QString errorString() const override { return failed_ ? error_ : real_.errorString(); }

private:
    AtomicFileTarget real_;
    qint64 room_;
    QString error_;
    bool failed_ = false;
};

// A save whose every write succeeds but whose commit fails (a sync that reports an I/O error).
class FailingCommit final : public SaveTarget {
public:
    explicit FailingCommit(const QString& path)
        : real_(path) {}
    bool open() override { return real_.open(); }
    qint64 write(const char* data, qint64 size) override { return real_.write(data, size); }
    bool commit() override {
        real_.cancel();
        return false;
    }
    void cancel() override { real_.cancel(); }
    QString errorString() const override { return QStringLiteral("Input/output error"); }

private:
    AtomicFileTarget real_;
};

class FileWritingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(oldContents);
    }
    // Nothing but the old file is left in the folder: no temporary file stays behind.
    void expectOldFileAlone() const {
        EXPECT_EQ(contentsOf(path), oldContents);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"show.vistrelle"});
    }

    QTemporaryDir folder;
    const QString path = folder.filePath("show.vistrelle");
    const QByteArray oldContents = "{ \"the\": \"good document\" }";
    const QByteArray newContents = QByteArray(100000, 'x');
};

} // namespace

TEST_F(FileWritingTest, AShortWriteLeavesTheOldFileAndReportsTheRealCause) {
    DiskThatFills disk(path, 49152, QStringLiteral("No space left on device"));
    EXPECT_EQ(saveThrough(disk, newContents), QStringLiteral("No space left on device"));
    expectOldFileAlone();
}

TEST_F(FileWritingTest, AShortWriteWithoutACauseIsStillAFailureWithAMessage) {
    DiskThatFills disk(path, 10, QString());
    const std::optional<QString> reason = saveThrough(disk, newContents);
    ASSERT_TRUE(reason);
    EXPECT_EQ(*reason, "Not all of the data could be written; the disk may be full.");
    expectOldFileAlone();
}

TEST_F(FileWritingTest, AFailingCommitLeavesTheOldFile) {
    FailingCommit target(path);
    EXPECT_EQ(saveThrough(target, newContents), QStringLiteral("Input/output error"));
    expectOldFileAlone();
}

TEST_F(FileWritingTest, ACompleteSaveReplacesTheFile) {
    EXPECT_EQ(saveFileAtomically(path, newContents), std::nullopt);
    EXPECT_EQ(contentsOf(path), newContents);
    EXPECT_TRUE(saveFileAtomically(folder.filePath("no folder/x"), newContents)); // nowhere to write
}

TEST(FileWritingInPlaceTest, AFullDeviceIsReported) {
    if (!QFile::exists("/dev/full"))
        GTEST_SKIP() << "this system has no /dev/full";
    EXPECT_EQ(saveFileInPlace("/dev/full", QByteArray(5000, 'x')), QStringLiteral("No space left on device"));
}
