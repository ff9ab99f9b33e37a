#include "platform/app_logger.h"
#include "support/log_capture.h"

#include <gtest/gtest.h>

using namespace vistrelle;

TEST(AppLoggerTest, ChannelsAreNamedAfterTheSubsystem) {
    EXPECT_STREQ(AppLogger::general().categoryName(), "com.quendrix.vistrelle.general");
    EXPECT_STREQ(AppLogger::error().categoryName(), "com.quendrix.vistrelle.error");
    EXPECT_STREQ(AppLogger::debug().categoryName(), "com.quendrix.vistrelle.debug");
    EXPECT_STREQ(AppLogger::exportChannel().categoryName(), "com.quendrix.vistrelle.export");
    EXPECT_STREQ(AppLogger::build().categoryName(), "com.quendrix.vistrelle.build");
}

TEST(AppLoggerTest, FailureIsOneErrorLineOfPrefixAndDescription) {
    test_support::LogCapture log;
    AppLogger::logFailure(QStringLiteral("Failed to decode document: "), QStringLiteral("broken"));
    ASSERT_EQ(log.lines().size(), 1);
    EXPECT_EQ(log.lines()[0].type, QtCriticalMsg);
    EXPECT_EQ(log.errorMessages(), QStringList{QStringLiteral("Failed to decode document: broken")});
}
