#pragma once

#include <QString>
#include <QVariantMap>

class ZRNProgressDescriptor;

// The three progress notifications and the calls that post them, from any thread. They are
// delivered on the main thread, where an observing ZRNProgressWindowController pushes, changes
// and removes the descriptor (the notification's object).
//
// The descriptors these calls make live on the main thread. postDidEnd deletes a descriptor
// without parent there once the notification is delivered: a worker does not touch its
// descriptor after ending it.
namespace ZRNProgressNotifications {

inline const QString s_willBegin = QStringLiteral("RQWillBeginProcessingWithProgressDescriptor");
inline const QString s_update = QStringLiteral("RQUpdateProcessingWithProgressDescriptor");
inline const QString s_didEnd = QStringLiteral("RQDidEndProcessingWithProgressDescriptor");

ZRNProgressDescriptor *postWillBegin(const QString &title, const QString &infoText,
                                     bool allowCancel);
ZRNProgressDescriptor *postWillBegin(const QString &title, const QString &infoText, double minValue,
                                     double maxValue, double currentValue, bool allowCancel);
void postWillBegin(ZRNProgressDescriptor *descriptor);

// The dictionary maps "title", "infoText", "progressDescription" and "currentValue" (a
// single-precision number) to their new values.
void postUpdate(ZRNProgressDescriptor *descriptor, const QVariantMap &changes);
// Each of the following puts a key in the changes only for a non-null value; "currentValue"
// only for a determinate descriptor.
void postUpdateInfoText(ZRNProgressDescriptor *descriptor, const QString &infoText);
void postUpdate(ZRNProgressDescriptor *descriptor, const QString &title, const QString &infoText,
                const QString &progressDescription, double currentValue);
void postUpdate(ZRNProgressDescriptor *descriptor, double currentValue,
                const QString &progressDescription);
void postUpdateProgressDescription(ZRNProgressDescriptor *descriptor,
                                   const QString &progressDescription);

void postDidEnd(ZRNProgressDescriptor *descriptor);

} // namespace ZRNProgressNotifications
