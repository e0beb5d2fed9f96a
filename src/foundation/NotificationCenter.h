#pragma once

#include "Notification.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

// Application-wide named notifications ("PrefsChanged", "EncodingsListChanged", ...).
// An observer is a QObject; its registrations end when it is destroyed. Notifications posted
// from another thread are delivered on the main thread.
class NotificationCenter : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(const Notification &)>;

    static NotificationCenter &defaultCenter();

    // Calls handler for every notification with this name; with a non-null object, only for
    // those posted with that object.
    void addObserver(QObject *observer, const QString &name, Handler handler,
                     QObject *object = nullptr);
    void removeObserver(QObject *observer, const QString &name = {});

    void post(const QString &name, QObject *object = nullptr, const QVariantMap &userInfo = {});

private:
    explicit NotificationCenter(QObject *parent = nullptr);
    void deliver(const Notification &notification);

    struct Registration
    {
        QPointer<QObject> observer;
        QString name;
        QPointer<QObject> object;
        bool filtersObject = false;
        Handler handler;
    };
    std::vector<Registration> m_registrations;
};
