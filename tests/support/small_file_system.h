#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <unistd.h>

namespace vistrelle::test_support {

// A real, tiny file system (tmpfs) for tests of what a full disk does. Only
// root can mount one; `skipReason` says why there is none otherwise.
class SmallFileSystem {
public:
    explicit SmallFileSystem(int kilobytes) {
        if (!folder_.isValid()) {
            skipReason_ = "no temporary folder for the mount point";
            return;
        }
        if (::geteuid() != 0) {
            skipReason_ = "mounting a small file system needs root (CI runs the tests as root)";
            return;
        }
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
        if (::mount("tmpfs", QFile::encodeName(folder_.path()).constData(), "tmpfs", 0,
                    options.constData()) != 0) {
            skipReason_ = "this machine refuses to mount a tmpfs";
            return;
        }
        mounted_ = true;
    }
    ~SmallFileSystem() {
        if (mounted_)
            ::umount2(QFile::encodeName(folder_.path()).constData(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool isMounted() const { return mounted_; }
    const char* skipReason() const { return skipReason_; }
    QString filePath(const QString& name) const { return folder_.filePath(name); }

private:
    QTemporaryDir folder_;
    bool mounted_ = false;
    const char* skipReason_ = "";
};

} // namespace vistrelle::test_support
