#include "platform/notification_center.h"

#include <QObject>

#include <gtest/gtest.h>

#include <memory>

using namespace vistrelle;

TEST(NotificationCenterTest, DeliversSynchronouslyByNameWithUserInfo) {
    NotificationCenter center;
    QObject context;
    QStringList received;
    center.observe("a", &context,
                   [&](const QVariantMap& info) { received << "a:" + info.value("k").toString(); });
    center.observe("b", &context, [&](const QVariantMap&) { received << "b"; });
    center.post("a", {{"k", "v"}});
    center.post("c");
    EXPECT_EQ(received, QStringList{"a:v"});
}

TEST(NotificationCenterTest, ObserversGoWithTheirContext) {
    NotificationCenter center;
    int calls = 0;
    auto context = std::make_unique<QObject>();
    center.observe("a", context.get(), [&](const QVariantMap&) { ++calls; });
    center.post("a");
    context.reset();
    center.post("a");
    EXPECT_EQ(calls, 1);

    QObject kept;
    center.observe("a", &kept, [&](const QVariantMap&) { ++calls; });
    center.removeObservers(&kept);
    center.post("a");
    EXPECT_EQ(calls, 1);
}

TEST(NotificationCenterTest, CallbacksMayPostAndObserveWhileBeingCalled) {
    NotificationCenter center;
    QObject context;
    QStringList received;
    center.observe("first", &context, [&](const QVariantMap&) {
        received << "first";
        center.observe("first", &context, [&](const QVariantMap&) { received << "late"; });
        center.post("second");
    });
    center.observe("second", &context, [&](const QVariantMap&) { received << "second"; });
    center.post("first");
    EXPECT_EQ(received, (QStringList{"first", "second"}));
    received.clear();
    center.post("first");
    EXPECT_EQ(received.count("late"), 1);
}
