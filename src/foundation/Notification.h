#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantMap>

// One posted notification: its name, the object it concerns (may be null) and extra values.
struct Notification
{
    QString name;
    QPointer<QObject> object;
    QVariantMap userInfo;
};
