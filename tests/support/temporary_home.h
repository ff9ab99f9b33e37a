#pragma once

#include "platform/preferences.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace vistrelle::test_support {

// A temporary home folder (HOME) and preference store for each test.
class TemporaryHomeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        previousHome = qgetenv("HOME");
        qputenv("HOME", home.path().toUtf8());
        Preferences::setStoreFolder(home.filePath(".config"));
    }
    void TearDown() override { qputenv("HOME", previousHome); }

    // Writes `bytes` to a file under the home folder and returns its absolute path.
    QString makeFile(const QString& relativePath, const QByteArray& bytes = "data") {
        const QString path = home.filePath(relativePath);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    static QByteArray contentsOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir home;
    QByteArray previousHome;
};

} // namespace vistrelle::test_support
