#pragma once

#include <QFile>
#include <QString>

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace vistrelle::test_support {

// Makes `folder` read-only for as long as it lives, for the calling thread, even when the tests run as
// root (as in CI): root writes into read-only folders through its capability to override file
// permissions, which this thread gives up meanwhile. Capabilities belong to a thread, so the rest of the
// process keeps its own.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(QString folder)
        : folder_(std::move(folder)) {
        ::chmod(QFile::encodeName(folder_).constData(), 0500);
        if (::geteuid() == 0 && capabilities(saved_)) {
            __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
            lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
            lowered_ = setCapabilities(lowered);
        }
    }
    ~ReadOnlyFolder() {
        if (lowered_)
            setCapabilities(saved_);
        ::chmod(QFile::encodeName(folder_).constData(), 0700);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    static bool capabilities(__user_cap_data_struct (&data)[2]) {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        return ::syscall(SYS_capget, &header, data) == 0;
    }
    static bool setCapabilities(__user_cap_data_struct (&data)[2]) {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        return ::syscall(SYS_capset, &header, data) == 0;
    }

    QString folder_;
    __user_cap_data_struct saved_[2]{};
    bool lowered_ = false;
};

} // namespace vistrelle::test_support
