#include "platform/notification_center.h"
#include "platform/preferences.h"

#include "support/log_capture.h"
#include "support/read_only_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vistrelle;

TEST(PreferencesTest, AWriteToAReadOnlyFolderSaysWhyAndKeepsTheValueForThisRun) {
    QTemporaryDir folder;
    Preferences::setStoreFolder(folder.path());
    ASSERT_EQ(Preferences::setValue("kept", 1), std::nullopt);
    const QString store = folder.filePath("Quendrix");
    {
        test_support::LogCapture log;
        const test_support::ReadOnlyFolder readOnly(store);
        const std::optional<QString> failure =
            Preferences::setValue("recentFiles", QStringList{"/tmp/a.vistrelle"});
        ASSERT_TRUE(failure.has_value()) << "the folder is writable after all";
        EXPECT_EQ(*failure, "Permission denied");
        EXPECT_EQ(log.errorMessages().size(), 1);
        EXPECT_EQ(Preferences::remove("kept"), failure);
        // Read back as written, although the file could not take it.
        EXPECT_EQ(Preferences::value("recentFiles").toStringList(), QStringList{"/tmp/a.vistrelle"});
        EXPECT_FALSE(Preferences::value("kept").isValid());
    }
    // The next write that succeeds stores what was kept too.
    ASSERT_EQ(Preferences::setValue("other", 2), std::nullopt);
    QSettings file(folder.filePath("Quendrix/Vistrelle.ini"), QSettings::IniFormat);
    EXPECT_EQ(file.value("recentFiles").toStringList(), QStringList{"/tmp/a.vistrelle"});
    EXPECT_FALSE(file.contains("kept"));
    EXPECT_EQ(file.value("other").toInt(), 2);
}

TEST(PreferencesTest, AFailureIsToldToTheWindowsAsASentence) {
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    QString told;
    QObject context;
    NotificationCenter::defaultCenter().observe(
        Preferences::writeFailedNotification, &context,
        [&](const QVariantMap& info) { told = info.value(Preferences::messageKey).toString(); });
    Preferences::reportWriteFailure(QStringLiteral("Could not save the style preset: %1"),
                                    QStringLiteral("No space left on device"));
    QCoreApplication::processEvents();
    EXPECT_EQ(told, "Could not save the style preset: No space left on device");
}
