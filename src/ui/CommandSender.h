#pragma once

#include <QString>
#include <QVariant>

// What a menu item, toolbar item or context-menu item sends with its command: the action's name
// ("addNewRow", "setAlignmentForSelectedColumns"), the item's tag (an alignment, a direction, an
// encoding) and the object it represents (a column's display position, a file's path).
struct CommandSender
{
    CommandSender() = default;
    CommandSender(QString action, qint64 tag = 0, QVariant representedObject = {})
        : action(std::move(action)), tag(tag), representedObject(std::move(representedObject))
    {}

    QString action;
    qint64 tag = 0;
    QVariant representedObject;
};
