#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QVariantMap>

#include <functional>

namespace vistrelle {

// Process-wide post/observe by name. Posting delivers synchronously, in the
// order observers registered; an observer is dropped once its context object
// is destroyed, so views never have to unregister by hand.
class NotificationCenter {
public:
    using Callback = std::function<void(const QVariantMap& userInfo)>;

    static NotificationCenter& defaultCenter();

    void observe(const QString& name, QObject* context, Callback callback);
    void removeObservers(const QObject* context);
    void post(const QString& name, const QVariantMap& userInfo = {});

    // Forgets every observer (tests start from a clean centre).
    void reset();

private:
    struct Observer {
        QString name;
        QPointer<QObject> context;
        Callback callback;
    };

    QList<Observer> observers_;
};

} // namespace vistrelle
