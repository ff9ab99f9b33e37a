#include "platform/preferences.h"

#include "platform/app_logger.h"
#include "platform/notification_center.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMetaObject>
#include <QMutex>
#include <QSet>
#include <QSettings>
#include <QUuid>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace vistrelle::Preferences {

namespace {

QSettings store() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quendrix"),
                     QStringLiteral("Vistrelle"));
}

// What could not be written yet: read in place of the store, written again with the next write.
struct Unsaved {
    QMutex mutex;
    QVariantMap values;
    QSet<QString> removed;
};

Unsaved& unsaved() {
    static Unsaved instance;
    return instance;
}

// Why the store's file cannot be written: the system's own words, learnt by trying to create a file next
// to it (the settings library keeps the reason to itself).
QString whyNotWritable(const QString& file) {
    const QString folder = QFileInfo(file).path();
    if (!QDir().mkpath(folder))
        return QCoreApplication::translate("Preferences", "the folder “%1” cannot be created").arg(folder);
    const QByteArray probe = QFile::encodeName(folder + QStringLiteral("/.vistrelle-write-test-") +
                                               QUuid::createUuid().toString(QUuid::Id128));
    const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    ::close(fd);
    ::unlink(probe.constData());
    return QCoreApplication::translate("Preferences", "the file “%1” cannot be written").arg(file);
}

// Applies `change` to the store together with everything still unsaved, and writes it.
template <typename Change> std::optional<QString> write(Change change) {
    Unsaved& pending = unsaved();
    const QMutexLocker lock(&pending.mutex);
    change(pending);
    QSettings settings = store();
    for (const QString& key : std::as_const(pending.removed))
        settings.remove(key);
    for (auto entry = pending.values.cbegin(); entry != pending.values.cend(); ++entry)
        settings.setValue(entry.key(), entry.value());
    settings.sync();
    if (settings.status() == QSettings::NoError) {
        pending.values.clear();
        pending.removed.clear();
        return std::nullopt;
    }
    const QString reason = whyNotWritable(settings.fileName());
    AppLogger::logFailure(QStringLiteral("Failed to write the preferences file ") + settings.fileName() +
                              QStringLiteral(": "),
                          reason);
    return reason;
}

} // namespace

QVariant value(const QString& key, const QVariant& fallback) {
    {
        Unsaved& pending = unsaved();
        const QMutexLocker lock(&pending.mutex);
        if (pending.removed.contains(key))
            return fallback;
        if (const auto found = pending.values.constFind(key); found != pending.values.cend())
            return *found;
    }
    return store().value(key, fallback);
}

std::optional<QByteArray> data(const QString& key) {
    const QVariant stored = value(key);
    if (!stored.isValid())
        return std::nullopt;
    return stored.toByteArray();
}

std::optional<QString> setValue(const QString& key, const QVariant& value) {
    return write([&](Unsaved& pending) {
        pending.removed.remove(key);
        pending.values.insert(key, value);
    });
}

std::optional<QString> setValues(const QVariantMap& values) {
    return write([&](Unsaved& pending) {
        for (auto entry = values.cbegin(); entry != values.cend(); ++entry) {
            pending.removed.remove(entry.key());
            pending.values.insert(entry.key(), entry.value());
        }
    });
}

std::optional<QString> remove(const QString& key) {
    return write([&](Unsaved& pending) {
        pending.values.remove(key);
        pending.removed.insert(key);
    });
}

void setStoreFolder(const QString& folder) {
    Unsaved& pending = unsaved();
    const QMutexLocker lock(&pending.mutex);
    pending.values.clear();
    pending.removed.clear();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

void reportWriteFailure(const QString& what, const QString& reason) {
    const QString message = what.arg(reason);
    // Posted on the main thread, where the windows observe.
    QObject* main = QCoreApplication::instance();
    if (!main)
        return;
    QMetaObject::invokeMethod(
        main,
        [message] {
            NotificationCenter::defaultCenter().post(writeFailedNotification, {{messageKey, message}});
        },
        Qt::AutoConnection);
}

} // namespace vistrelle::Preferences
