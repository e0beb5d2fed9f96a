#include "NotificationCenter.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>

NotificationCenter &NotificationCenter::defaultCenter()
{
    static NotificationCenter s_instance;
    return s_instance;
}

NotificationCenter::NotificationCenter(QObject *parent) : QObject(parent) {}

void NotificationCenter::addObserver(QObject *observer, const QString &name, Handler handler,
                                     QObject *object)
{
    Q_ASSERT(observer);
    const bool firstRegistration =
        std::none_of(m_registrations.begin(), m_registrations.end(),
                     [observer](const Registration &r) { return r.observer == observer; });
    m_registrations.push_back({observer, name, object, object != nullptr, std::move(handler)});
    if (firstRegistration) {
        connect(observer, &QObject::destroyed, this,
                [this, observer] { removeObserver(observer); });
    }
}

void NotificationCenter::removeObserver(QObject *observer, const QString &name)
{
    std::erase_if(m_registrations, [&](const Registration &r) {
        // A destroyed observer's QPointer is already null: drop those too.
        return r.observer.isNull() ||
               (r.observer == observer && (name.isEmpty() || r.name == name));
    });
}

void NotificationCenter::post(const QString &name, QObject *object, const QVariantMap &userInfo)
{
    Notification notification{name, object, userInfo};
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this, [this, notification] { deliver(notification); }, Qt::QueuedConnection);
        return;
    }
    deliver(notification);
}

void NotificationCenter::deliver(const Notification &notification)
{
    // Handlers may add or remove observers: walk a snapshot and re-check each observer.
    const std::vector<Registration> snapshot = m_registrations;
    for (const Registration &registration : snapshot) {
        if (registration.observer.isNull() || registration.name != notification.name)
            continue;
        if (registration.filtersObject && registration.object != notification.object)
            continue;
        const bool stillRegistered =
            std::any_of(m_registrations.begin(), m_registrations.end(), [&](const Registration &r) {
                return r.observer == registration.observer && r.name == registration.name;
            });
        if (stillRegistered)
            registration.handler(notification);
    }
}
