#include "platform/notification_center.h"

namespace vistrelle {

NotificationCenter& NotificationCenter::defaultCenter() {
    static NotificationCenter center;
    return center;
}

void NotificationCenter::observe(const QString& name, QObject* context, Callback callback) {
    Q_ASSERT(context);
    observers_.append({name, context, std::move(callback)});
}

void NotificationCenter::removeObservers(const QObject* context) {
    observers_.removeIf([&](const Observer& o) { return o.context == context; });
}

void NotificationCenter::post(const QString& name, const QVariantMap& userInfo) {
    observers_.removeIf([](const Observer& o) { return o.context.isNull(); });
    // A callback may observe, remove or post in turn: deliver to a snapshot.
    const QList<Observer> snapshot = observers_;
    for (const Observer& observer : snapshot)
        if (observer.name == name && !observer.context.isNull())
            observer.callback(userInfo);
}

void NotificationCenter::reset() {
    observers_.clear();
}

} // namespace vistrelle
