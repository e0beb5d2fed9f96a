#include "ZRNProgressNotifications.h"

#include "ZRNProgressDescriptor.h"

#include "foundation/NotificationCenter.h"

#include <QCoreApplication>
#include <QThread>

namespace ZRNProgressNotifications {

namespace {

// A descriptor made on a worker would belong to a thread without an event loop; the window
// reads it and deletes it on the main thread.
ZRNProgressDescriptor *onMainThread(ZRNProgressDescriptor *descriptor)
{
    if (QCoreApplication *application = QCoreApplication::instance())
        descriptor->moveToThread(application->thread());
    return descriptor;
}

void putIfSet(QVariantMap &changes, const char *key, const QString &value)
{
    if (!value.isNull())
        changes.insert(QString::fromLatin1(key), value);
}

QVariantMap valueChange(const ZRNProgressDescriptor *descriptor, double currentValue)
{
    if (descriptor->isIndeterminate())
        return {};
    return {{QStringLiteral("currentValue"), float(currentValue)}};
}

} // namespace

ZRNProgressDescriptor *postWillBegin(const QString &title, const QString &infoText,
                                     bool allowCancel)
{
    auto *descriptor = onMainThread(new ZRNProgressDescriptor(title, infoText, allowCancel));
    postWillBegin(descriptor);
    return descriptor;
}

ZRNProgressDescriptor *postWillBegin(const QString &title, const QString &infoText, double minValue,
                                     double maxValue, double currentValue, bool allowCancel)
{
    auto *descriptor =
        onMainThread(new ZRNProgressDescriptor(title, infoText, minValue, maxValue, allowCancel));
    descriptor->setCurrentValue(currentValue);
    postWillBegin(descriptor);
    return descriptor;
}

void postWillBegin(ZRNProgressDescriptor *descriptor)
{
    NotificationCenter::defaultCenter().post(s_willBegin, descriptor);
}

void postUpdate(ZRNProgressDescriptor *descriptor, const QVariantMap &changes)
{
    NotificationCenter::defaultCenter().post(s_update, descriptor, changes);
}

void postUpdateInfoText(ZRNProgressDescriptor *descriptor, const QString &infoText)
{
    QVariantMap changes;
    putIfSet(changes, "infoText", infoText);
    postUpdate(descriptor, changes);
}

void postUpdate(ZRNProgressDescriptor *descriptor, const QString &title, const QString &infoText,
                const QString &progressDescription, double currentValue)
{
    QVariantMap changes = valueChange(descriptor, currentValue);
    putIfSet(changes, "title", title);
    putIfSet(changes, "infoText", infoText);
    putIfSet(changes, "progressDescription", progressDescription);
    postUpdate(descriptor, changes);
}

void postUpdate(ZRNProgressDescriptor *descriptor, double currentValue,
                const QString &progressDescription)
{
    postUpdate(descriptor, {}, {}, progressDescription, currentValue);
}

void postUpdateProgressDescription(ZRNProgressDescriptor *descriptor,
                                   const QString &progressDescription)
{
    QVariantMap changes;
    putIfSet(changes, "progressDescription", progressDescription);
    postUpdate(descriptor, changes);
}

void postDidEnd(ZRNProgressDescriptor *descriptor)
{
    NotificationCenter::defaultCenter().post(s_didEnd, descriptor);
    if (!descriptor->parent())
        QMetaObject::invokeMethod(descriptor, &QObject::deleteLater, Qt::QueuedConnection);
}

} // namespace ZRNProgressNotifications
