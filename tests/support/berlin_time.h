#pragma once

#include <QByteArray>
#include <QDateTime>

#include <gtest/gtest.h>

#include <ctime>

namespace vistrelle::test_support {

// Local time of Berlin for a test: its changes to and from summer time are known (29 March and
// 25 October 2026, at 02:00 and 03:00).
class BerlinTimeTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = qgetenv("TZ");
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }
    void TearDown() override {
        if (previous_.isEmpty())
            qunsetenv("TZ");
        else
            qputenv("TZ", previous_);
        tzset();
    }
    static QDateTime at(int year, int month, int day, int hour, int minute) {
        return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::LocalTime);
    }

private:
    QByteArray previous_;
};

} // namespace vistrelle::test_support
